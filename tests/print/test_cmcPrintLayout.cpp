#include "PrintPageData.h"
#include "cmcGTex.h"
#include "cmcPrintChoices.h"
#include "cmcPrintLayout.h"

#include <gtest/gtest.h>

namespace {

const QSize A4At600(4960, 7016);

TEST(PrintLayout, ContentStartsAt354And236DotsAt600Dpi) {
    const cmcPrintLayout::Margins margins =
        cmcPrintLayout::margins(cmcGTex::app().GetText("GI_Sys_Printer_Margins"));
    const QRect content = cmcPrintLayout::contentRect(A4At600, 600, margins);
    EXPECT_EQ(content.left(), 354);
    EXPECT_EQ(content.top(), 236);
    // 5 mm is 118.1 dots: the right and bottom edges stop 118 dots short of the paper's.
    EXPECT_EQ(content.left() + content.width(), 4960 - 118);
    EXPECT_EQ(content.top() + content.height(), 7016 - 118);
}

TEST(PrintLayout, FrameLeavesTheMiddleForTheSheet) {
    const QRect content(100, 200, 1000, 2000);
    const int line = 116;
    const QRect room = cmcPrintLayout::sheetRect(content, line);
    const int frame = line + 6 * cmcPrintLayout::barThickness(line);
    EXPECT_EQ(room, QRect(100, 200 + frame, 1000, 2000 - 2 * frame));
    EXPECT_GE(cmcPrintLayout::barThickness(1), 1);
}

struct BlockCase {
    const char* name;
    std::vector<int> sizes;
    int fixed;
    int room;
    std::vector<bool> breaks;
    QList<quint16> expected;
};

class PrintBlocks : public testing::TestWithParam<BlockCase> {};

TEST_P(PrintBlocks, CutAsExpected) {
    const BlockCase& c = GetParam();
    EXPECT_EQ(cmcPrintLayout::blocks(c.sizes, c.fixed, c.room, c.breaks), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintBlocks,
    testing::Values(
        BlockCase{"AllFit", {10, 10, 10}, 1, 30, {}, {2}},
        BlockCase{"FixedRepeated", {20, 10, 10, 10, 10}, 1, 40, {}, {2, 2}},
        BlockCase{"AtLeastOne", {20, 50, 10}, 1, 40, {}, {1, 1}},
        // Entries 3 and 4 continue entry 2: the group goes whole to the next block.
        BlockCase{"GroupNotCut",
                  {10, 10, 10, 10, 10, 10},
                  1,
                  40,
                  {true, true, true, false, false, true},
                  {1, 3, 1}},
        // A group wider than the room still goes whole, as one block.
        BlockCase{"WideGroupWhole", {10, 30, 30, 10}, 1, 40, {true, true, false, true}, {2, 1}},
        BlockCase{"ZeroWidthHidden", {10, 0, 0, 20, 20}, 1, 30, {}, {3, 1}},
        BlockCase{"OnlyFixed", {10, 10}, 2, 30, {}, {}}),
    [](const testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

TEST(PrintLayout, ScaledFontAlwaysShrinksAndStaysPositive) {
    EXPECT_EQ(cmcPrintLayout::scaledFontHeight(-20, QSize(200, 100), QSize(100, 100)), -10);
    EXPECT_EQ(cmcPrintLayout::scaledFontHeight(-20, QSize(100, 400), QSize(100, 100)), -5);
    // Only just too large: one pixel less, never the same height again.
    EXPECT_EQ(cmcPrintLayout::scaledFontHeight(-20, QSize(101, 100), QSize(100, 100)), -19);
    EXPECT_EQ(cmcPrintLayout::scaledFontHeight(-1, QSize(1000, 100), QSize(1, 100)), -1);
}

TEST(PrintLayout, PrintFontInDefinitionPixels) {
    EXPECT_EQ(cmcPrintLayout::sheetFontHeight(9), -12);
    EXPECT_EQ(cmcPrintLayout::sheetFontHeight(12), -16);
    EXPECT_EQ(cmcPrintLayout::pointPixels(14, 600), 116);
}

struct ChoiceCase {
    const char* name;
    uint32_t frequency;
    int bank;
    bool banks;
};

class PrintChoices : public testing::TestWithParam<ChoiceCase> {};

TEST_P(PrintChoices, BankPagesWhenAValidChannelIsBanked) {
    PrintPageData data;
    data.put(7, GetParam().frequency, GetParam().bank, 3);
    const cmcPrintChoices choices = cmcPrintChoices::initial(data.image());
    EXPECT_EQ(choices.bankChannels, GetParam().banks);
    EXPECT_EQ(choices.memoryChannels, !GetParam().banks);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintChoices,
    testing::Values(ChoiceCase{"Banked", 145500000, 4, true},
                    ChoiceCase{"NotBanked", 145500000, datCh::NoBank, false},
                    ChoiceCase{"BankedAtUpperLimit", indDestination::UpperLimit, 4, false}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return info.param.name; });

} // namespace
