#include "cmcFatal.h"
#include "cmcTvTables.h"

#include <gtest/gtest.h>

namespace {

struct TableCase {
    int index;
    int count;
    uint32_t first;
    const char* firstName;
    uint32_t last;
    const char* lastName;
    uint32_t mode;
};

const TableCase tableCases[] = {
    {0, 10, 49250000, " 1CH", 229250000, "10CH", 1},
    {1, 55, 51750000, " 0CH", 819750000, "69CH", 1},
    {2, 61, 46750000, " 1CH", 860750000, "69CH", 1},
    {3, 68, 56250000, " 1CH", 957750000, "68CH", 1},
    {4, 6, 181750000, " 4CH", 221750000, " 9CH", 1},
    {5, 58, 49250000, " 2CH", 861750000, "69CH", 2},
    {6, 60, 53750000, "1ACH", 860750000, "69CH", 1},
    {7, 9, 51750000, " ACH", 221250000, " JCH", 1},
    {8, 59, 59250000, " ACH", 860750000, "69CH", 1},
    {9, 9, 49250000, " 1CH", 221250000, " 9CH", 1},
    {10, 62, 95750000, " 1CH", 769750000, "62CH", 1},
    {11, 7, 168750000, " 4CH", 216750000, "10CH", 1},
    {12, 11, 50750000, " 1CH", 229750000, "11CH", 1},
    {13, 12, 56250000, " 1CH", 229750000, "12CH", 1},
    {14, 9, 181250000, " 4CH", 253430000, "13CH", 1},
    {15, 6, 179750000, " 7CH", 209750000, "12CH", 1},
    {16, 49, 477250000, "21CH", 861250000, "69CH", 1},
    {17, 68, 59750000, " 2CH", 805750000, "69CH", 1},
};

class TvTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(TvTableTest, CountEndsModeAndChannelOrder) {
    const TableCase& c = GetParam();
    const cmcTvTables::Table& table = cmcTvTables::builtIn().table(c.index);
    ASSERT_EQ(int(table.size()), c.count);
    EXPECT_EQ(table.front().frequency, c.first);
    EXPECT_EQ(table.front().name, c.firstName);
    EXPECT_EQ(table.back().frequency, c.last);
    EXPECT_EQ(table.back().name, c.lastName);
    uint32_t previous = 0;
    for (const cmcTvTables::Entry& e : table) {
        EXPECT_EQ(e.mode, c.mode);
        EXPECT_EQ(e.name.size(), cmcTvTables::NameSize);
        EXPECT_TRUE(e.name.endsWith("CH")) << e.name.constData();
        // Every plan is on a 5 kHz grid and listed from the lowest channel up.
        EXPECT_EQ(e.frequency % 5000, 0u) << e.frequency;
        EXPECT_GT(e.frequency, previous) << e.name.constData();
        previous = e.frequency;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSystems, TvTableTest, testing::ValuesIn(tableCases));

TEST(TvTables, DirectoryHoldsEighteenTablesAndNothingBeyond) {
    EXPECT_EQ(cmcTvTables::builtIn().count(), 18);
    EXPECT_TRUE(cmcTvTables::builtIn().table(18).empty());
    EXPECT_TRUE(cmcTvTables::builtIn().table(-1).empty());
}

TEST(TvTablesDeathTest, MalformedLineEndsTheProgram) {
    const char* const lines[] = {"=1 X", "49250000 \" 1CH\"", "49250000 \"1CH\"", nullptr};
    EXPECT_EXIT(cmcTvTables{lines}, testing::ExitedWithCode(cmcFatal::ExitStatus), "1CH");
}

} // namespace
