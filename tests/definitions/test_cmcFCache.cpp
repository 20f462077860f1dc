#include "cmcCellNames.h"
#include "cmcFCache.h"
#include "cmcGTex.h"

#include <gtest/gtest.h>

namespace {

// Two columns of choices; in on-screen order (down each column) the numbers run 0 to 4,
// row by row they would run 0, 3, 1, 4, 2.
const char* const twoColumns[] = {
    "#S_Style",
    "#S_BasicCell",
    "{($Basic)($bMn)}",
    "#S_Cells",
    "{S(%Flex0[0]:a)}A|{S(%Flex0[3]:d)}D",
    "{S(%Flex0[1])}B|{S(%Flex0[4]:e)}E|{(%CL_Mch_Freq[9])}",
    "{S(%Flex0[2]:c)}C",
    "#",
    "#End_Of_Ovl",
    nullptr,
};

const QByteArray Dup = "GI_Sheet_Sel_Mch_Dup";

TEST(cmcFCache, ValueTextIsTheArgumentOrTheTextAndErrorForUnknownChoices) {
    cmcFCache cache(cmcGTex::app());
    const struct {
        int choice;
        const char* value;
    } cases[] = {{0, ""}, {1, "-DUP"}, {2, "+DUP"}, {3, "error"}, {-1, "error"}};
    for (const auto& c : cases)
        EXPECT_EQ(cache.valueText(Dup, cmcCellNames::Flex0, c.choice), c.value) << c.choice;

    cmcGTex table;
    table.setSource(twoColumns);
    cmcFCache own(table);
    EXPECT_EQ(own.valueText("S", cmcCellNames::Flex0, 1), "B");
    EXPECT_EQ(own.valueText("S", cmcCellNames::Flex0, 4), "e");
    EXPECT_EQ(own.valueText("S", cmcCellNames::CL_Mch_Freq, 9), "");
}

TEST(cmcFCache, NextChoiceWrapsAround) {
    cmcFCache cache(cmcGTex::app());
    const struct {
        int choice;
        int step;
        int next;
    } cases[] = {{0, 1, 1}, {2, 1, 0}, {0, -1, 2}, {1, -1, 0}, {7, 1, 0}, {7, -1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(cache.nextChoice(Dup, cmcCellNames::Flex0, c.choice, c.step), c.next)
            << c.choice << " " << c.step;
}

TEST(cmcFCache, ChoicesStepDownEachColumnInTurn) {
    cmcGTex table;
    table.setSource(twoColumns);
    cmcFCache cache(table);
    const cmcFCacheRecord& record = cache.record("S", cmcCellNames::Flex0);
    EXPECT_EQ(record.lastLine, 3);
    EXPECT_EQ(record.widestLine, 3);
    EXPECT_EQ(record.byNumber.size(), 5u);
    int choice = 0;
    for (int expected : {1, 2, 3, 4, 0}) {
        choice = cache.nextChoice("S", cmcCellNames::Flex0, choice, 1).value_or(-1);
        EXPECT_EQ(choice, expected);
    }
    EXPECT_EQ(&cache.record("S", cmcCellNames::Flex0), &record);
}

TEST(cmcFCache, SheetWithoutCellsOfTheLinkHasNoChoices) {
    cmcFCache cache(cmcGTex::app());
    EXPECT_EQ(cache.valueText(Dup, cmcCellNames::CL_Mch_Dup, 0), "error");
    EXPECT_EQ(cache.nextChoice(Dup, cmcCellNames::CL_Mch_Dup, 0, 1), std::nullopt);
}

TEST(cmcFCacheDeath, MissingSheetEndsTheProgram) {
    cmcGTex table;
    table.setSource(twoColumns);
    cmcFCache cache(table);
    EXPECT_EXIT(cache.valueText("T", cmcCellNames::Flex0, 0), testing::ExitedWithCode(3),
                "The index 'T_Cells' was not found");
}

} // namespace
