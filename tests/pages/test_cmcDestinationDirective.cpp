#include "CommonPageFixture.h"
#include "cmcCellNames.h"
#include "cmcCommonCells.h"
#include "cmcDestinationDirective.h"

#include <QList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct DirectiveCase {
    const char* group;
    int destination;
    int pageIndex;
    std::optional<int> skipped;
};

TEST(cmcDestinationDirective, KeepsOrSkipsTheCountedLines) {
    const DirectiveCase cases[] = {
        {"Only_USA 6", 6, 47, 0},
        {"Only_USA 6", 0, 47, 6},
        {"Only_USA 6", 16, 47, 6},
        {"Only_JPN_KOR_USA 3", 10, 47, 0},
        {"Only_JPN_KOR_USA 3", 14, 47, 0},
        {"Only_JPN_KOR_USA 3", 1, 47, 3},
        {"Only_Current 2", 1, 47, 0},
        {"Only_Current 2", 6, 13, 2},
        {"Only_USA", 0, 47, 0},
        {"Only_USA x", 0, 47, 0},
        {"Only_USAX 6", 0, 47, std::nullopt},
        {"LoopFrom 26", 0, 47, std::nullopt},
        {"SelectOFF", 0, 47, std::nullopt},
    };
    for (const DirectiveCase& c : cases)
        EXPECT_EQ(cmcDestinationDirective::skippedLines(c.group, c.destination, c.pageIndex),
                  c.skipped)
            << c.group << " " << c.destination;
}

// The links of the common settings sheet as a sheet of the destination builds it.
std::vector<int> commonSheetLinks(cmcGTex& table, int destination) {
    std::vector<int> links;
    int skip = 0;
    for (const QByteArray& line : table.listLines("GI_Sheet_Common_Cells")) {
        if (skip > 0) {
            --skip;
        } else if (line.startsWith(":(")) {
            const QByteArray group = line.mid(2, line.indexOf(')') - 2);
            skip = cmcDestinationDirective::skippedLines(group, destination, 47).value_or(0);
        } else {
            for (const cmcCellObj& cell : cmcCellObj::parseLine(line, nullptr, nullptr))
                if (cell.link() != cmcCellNames::LinkNone)
                    links.push_back(cell.link());
        }
    }
    return links;
}

TEST(cmcDestinationDirective, TheWeatherGroupExistsOnlyForDestinationSix) {
    CommonPageFixture page;
    const std::vector<int> usa = commonSheetLinks(page.table(), 6);
    const std::vector<int> europe = commonSheetLinks(page.table(), 2);
    EXPECT_EQ(usa.size(), 32u);
    EXPECT_EQ(europe.size(), 30u);
    for (int link : {cmcCellNames::CL_Common_Alert, cmcCellNames::CL_Common_WXCH}) {
        EXPECT_EQ(std::count(usa.begin(), usa.end(), link), 1);
        EXPECT_EQ(std::count(europe.begin(), europe.end(), link), 0);
    }
    const auto stopBeep =
        std::find(europe.begin(), europe.end(), cmcCellNames::CL_Common_Stop_Beep);
    ASSERT_NE(stopBeep, europe.end());
    EXPECT_EQ(*(stopBeep + 1), cmcCellNames::CL_Common_Set_Expand);
}

TEST(cmcCommonCells, EveryLinkOfTheSheetHasItsBehaviour) {
    CommonPageFixture page;
    CountingFallback fallback;
    cmcCommonCells cells(page, fallback, nullptr);
    for (int link : commonSheetLinks(page.table(), 6))
        EXPECT_TRUE(cells.knows(link)) << cmcCellNames::linkName(link).constData();
}

} // namespace
