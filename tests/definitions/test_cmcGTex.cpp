#include "cmcGTex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A line list owned by the test: its lines, then the null entry that ends every list.
class Lines {
public:
    explicit Lines(std::vector<std::string> text) : text(std::move(text)) {
        for (const std::string& line : this->text)
            pointers.push_back(line.c_str());
        pointers.push_back(nullptr);
    }
    const char* const* list() const { return pointers.data(); }

private:
    std::vector<std::string> text;
    std::vector<const char*> pointers;
};

// Keys K0 ... K<count - 1>, each with the single value line v<n>, then "#End_Of_Ovl".
Lines numberedKeys(int count) {
    std::vector<std::string> text;
    for (int n = 0; n < count; ++n) {
        text.push_back("#K" + std::to_string(n));
        text.push_back("v" + std::to_string(n));
    }
    text.push_back("#End_Of_Ovl");
    return Lines(text);
}

TEST(cmcGTex, SourceCanBeSetOnlyOnce) {
    const Lines first({"#A", "first"});
    const Lines second({"#A", "second"});
    cmcGTex reader;
    EXPECT_TRUE(reader.setSource(first.list()));
    EXPECT_FALSE(reader.setSource(second.list()));
    EXPECT_EQ(reader.GetText("A"), "first");
}

TEST(cmcGTex, IndexGrowsForwardFromWhereTheLastScanStopped) {
    const Lines table = numberedKeys(60);
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("K50"), "v50");
    EXPECT_EQ(reader.indexedKeyCount(), 51);
    EXPECT_EQ(reader.scanPosition(), 101);
    EXPECT_EQ(reader.GetText("K55"), "v55");
    EXPECT_EQ(reader.indexedKeyCount(), 56); // a rescan from the top would index keys twice
    EXPECT_EQ(reader.GetText("K3"), "v3");
    EXPECT_EQ(reader.indexedKeyCount(), 56);
}

TEST(cmcGTex, KeyFoundAtTwelfthPlaceMovesToTheHeadButNotAtEleventh) {
    const Lines table = numberedKeys(30);
    cmcGTex reader;
    reader.setSource(table.list());
    reader.GetText("K20");
    reader.GetText("K10");
    EXPECT_EQ(reader.indexedKeyAt(0), "K0");
    EXPECT_EQ(reader.indexedKeyAt(10), "K10");
    reader.GetText("K11");
    EXPECT_EQ(reader.indexedKeyAt(0), "K11");
    EXPECT_EQ(reader.indexedKeyAt(1), "K0");
    EXPECT_EQ(reader.indexedKeyAt(12), "K12");
}

TEST(cmcGTex, MovingTheTailKeepsLaterKeysInScanOrder) {
    const Lines table = numberedKeys(30);
    cmcGTex reader;
    reader.setSource(table.list());
    reader.GetText("K20");
    reader.GetText("K20");
    EXPECT_EQ(reader.indexedKeyAt(0), "K20");
    EXPECT_EQ(reader.GetText("K22"), "v22");
    EXPECT_EQ(reader.indexedKeyAt(20), "K19");
    EXPECT_EQ(reader.indexedKeyAt(21), "K21");
    EXPECT_EQ(reader.indexedKeyAt(22), "K22");
}

TEST(cmcGTex, CachedLinePositionRestartsOnlyWhenReadingBackwards) {
    const Lines table({"#L", "l0", "l1", "l2", "l3", "l4", "l5", "l6", "#", "#M", "m0"});
    cmcGTex reader;
    reader.setSource(table.list());
    const struct {
        int line;
        const char* text;
    } reads[] = {{5, "l5"}, {2, "l2"}, {6, "l6"}, {3, "l3"}, {3, "l3"}, {4, "l4"}, {0, "l0"}};
    for (const auto& read : reads)
        EXPECT_EQ(reader.GetText("L", read.line), read.text) << read.line;
    reader.GetText("M");
    EXPECT_EQ(reader.GetText("L", 1), "l1");
}

TEST(cmcGTex, LinesPastTheValueAreTheLinesThatFollow) {
    const Lines table({"#A", "a0", "#", "#B", "b0"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("A", 1), "#");
    EXPECT_EQ(reader.GetText("A", 2), "#B");
    EXPECT_EQ(reader.GetText("B"), "b0");
}

TEST(cmcGTex, NegativeLineIsEmptyAndKeepsTheCachedPosition) {
    const Lines table({"#A", "a0", "a1", "#B", "b0"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("B"), "b0");
    EXPECT_EQ(reader.GetText("A", 0), "a0");
    EXPECT_EQ(reader.GetText("A", -1), ""); // not the line read last
    EXPECT_EQ(reader.GetText("A", 1), "a1");
}

TEST(cmcGTex, SeparatorLineIsNeverAKey) {
    const Lines table({"#", "x", "#A", "a0", "#", "#B", "#End_Of_Ovl"});
    cmcGTex reader;
    reader.setSource(table.list());
    reader.GetText("B");
    EXPECT_EQ(reader.indexedKeyCount(), 2);
    EXPECT_EQ(reader.indexedKeyAt(0), "A");
    EXPECT_EQ(reader.indexedKeyAt(1), "B");
}

TEST(cmcGTex, EntryWithoutValueLinesReadsTheNextKeyLine) {
    const Lines table({"#S_Style", "#S_BasicCell", "{($Basic)}", "#End_Of_Ovl"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("S_Style"), "#S_BasicCell");
    EXPECT_EQ(reader.multiLineText("S_Style"), "");
    EXPECT_TRUE(reader.listLines("S_Style").isEmpty());
}

TEST(cmcGTex, MultiLineTextKeepsEmptyLinesAndStopsAtTheFirstHashLine) {
    const Lines table({"#M", "one", "", "three", "#", "after", "#N", "n0", "n1"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.multiLineText("M"), "one\n\nthree");
    // The last entry of a list without a terminator ends with the list.
    EXPECT_EQ(reader.multiLineText("N"), "n0\nn1");
}

TEST(cmcGTex, OverlongLineIsCutAtTheBufferSize) {
    const std::string longLine(9000, 'x');
    const Lines table({"#A", longLine, "a1"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("A").size(), cmcGTex::LineBufferSize - 1);
    EXPECT_EQ(reader.GetText("A", 1), "a1");
}

TEST(cmcGTexDeath, MissingKeyEndsTheProgram) {
    const Lines table({"#A", "a0", "#End_Of_Ovl", "#C", "c0"});
    const Lines noEnd({"#A", "a0", "#"});
    cmcGTex reader;
    reader.setSource(table.list());
    EXPECT_EQ(reader.GetText("End_Of_Ovl"), "#C"); // indexed like any key
    EXPECT_EQ(reader.scanPosition(), 3);
    EXPECT_EXIT(reader.GetText("C"), testing::ExitedWithCode(3),
                "GTEX Error !\nThe index 'C' was not found.");
    cmcGTex helpLike;
    helpLike.setSource(noEnd.list());
    EXPECT_EXIT(helpLike.GetText("B"), testing::ExitedWithCode(3), "The index 'B' was not found");
    cmcGTex unset;
    EXPECT_EXIT(unset.GetText("A"), testing::ExitedWithCode(3), "The index 'A' was not found");
}

} // namespace
