#include "cmcCellObj.h"
#include "cuiCursorMove.h"
#include "cuiListPlacement.h"
#include "cuiTextLayout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using Layout = cuiTextLayout;

TEST(cuiTextLayout, PlacesLinesByAlignmentWithHalvesToEven) {
    const struct {
        int horizontal, vertical;
        double scale;
        int x, y;
    } cases[] = {
        // Left at L + 4 + 0.5 = 14.5 -> 14; top at T + 1 + 0.5 = 21.5 -> 22.
        {cmcCellObj::AlignLeft, cmcCellObj::AlignTop, 1.0, 14, 22},
        // Right: R + 1 - 30 - 4 + 0.5 = 77.5 -> 78; bottom: B - 15 - 1 + 0.5 = 44.5 -> 44.
        {cmcCellObj::AlignRight, cmcCellObj::AlignBottom, 1.0, 78, 44},
        // Centre: 10 + (110 - 10 + 1 - 30) / 2 = 45; middle: 20 + (60 - 20 + 1 - 15) / 2 = 33.
        {cmcCellObj::AlignCentre, cmcCellObj::AlignMiddle, 1.0, 45, 33},
        // Margins grow with the scale: 10 + 8 + 0.5 -> 18; 20 + 2 + 0.5 -> 22.
        {cmcCellObj::AlignLeft, cmcCellObj::AlignTop, 2.0, 18, 22},
    };
    for (const auto& c : cases) {
        const auto lines =
            Layout::place(QRect(10, 20, 100, 40), {30}, 15, c.horizontal, c.vertical, c.scale);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines[0].topLeft, QPoint(c.x, c.y)) << c.horizontal << c.vertical << c.scale;
        EXPECT_FALSE(lines[0].clipped);
    }
}

TEST(cuiTextLayout, WideLinesAreClippedAndNeverStartLeftOfTheCell) {
    const auto lines = Layout::place(QRect(10, 0, 50, 40), {20, 49, 80}, 12, cmcCellObj::AlignRight,
                                     cmcCellObj::AlignMiddle, 1.0);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_FALSE(lines[0].clipped);
    EXPECT_TRUE(lines[1].clipped); // 10 + 49 + 1 >= 60
    EXPECT_EQ(lines[2].topLeft.x(), 10);
    // The block of three lines is centred; each line one line height below the last.
    EXPECT_EQ(lines[0].topLeft.y(), (40 + 1 - 36) / 2);
    EXPECT_EQ(lines[2].topLeft.y() - lines[1].topLeft.y(), 12);
}

struct Grid {
    std::set<std::pair<int, int>> selectable;
    cuiCursorMove mover(int columns, int rows, bool wraps) const {
        return cuiCursorMove(
            columns, rows,
            [this](int c, int r) {
                return selectable.count({c, r}) > 0;
            },
            wraps);
    }
};

TEST(cuiCursorMove, VerticalMovesFindTheNearestCellOfTheNextRowWithOne) {
    // Row 1 holds no selectable cell in column 2, only in columns 0 and 4.
    Grid grid{{{2, 0}, {0, 1}, {4, 1}, {2, 3}}};
    const auto mover = grid.mover(5, 4, false);
    // Column 2 has a cell further down, which the search along the column finds first.
    EXPECT_EQ(mover.move({2, 0}, 0, 1).row, 3);
    grid.selectable.erase({2, 3});
    const auto nearest = grid.mover(5, 4, false).move({2, 0}, 0, 1);
    // A tie between columns 0 and 4 goes to the lower number.
    EXPECT_EQ(nearest.column, 0);
    EXPECT_EQ(nearest.row, 1);
    // Down from the last row with a cell does not move.
    EXPECT_EQ(grid.mover(5, 4, false).move({0, 1}, 0, 1).row, 1);
}

TEST(cuiCursorMove, HorizontalWinsStopsAtTheLastColumnAndListsWrap) {
    Grid grid{{{1, 0}, {2, 0}, {3, 0}, {1, 1}}};
    const auto mover = grid.mover(4, 2, false);
    const auto right = mover.move({1, 0}, 1, 1);
    EXPECT_EQ(right.column, 2);
    EXPECT_EQ(right.row, 0);
    EXPECT_EQ(mover.move({3, 0}, 1, 0).column, 3);
    EXPECT_EQ(mover.move({1, 0}, 10, 0).column, 3);

    Grid list{{{0, 0}, {0, 1}, {0, 2}}};
    const auto wrapping = list.mover(1, 3, true);
    EXPECT_EQ(wrapping.move({0, 2}, 0, 1).row, 0);
    EXPECT_EQ(wrapping.move({0, 0}, 0, -1).row, 2);
    Grid single{{{0, 0}}};
    EXPECT_EQ(single.mover(1, 3, true).move({0, 0}, 0, 1).row, 0);
}

TEST(cuiListPlacement, OpensBelowAboveOrAgainstTheWorkArea) {
    const QRect work(0, 0, 1000, 800);
    const struct {
        const char* name;
        QRect cell;
        QSize list;
        QRect expected;
    } cases[] = {
        {"below", {100, 100, 80, 20}, {120, 200}, {108, 120, 120, 200}},
        {"above", {100, 700, 80, 20}, {120, 300}, {108, 400, 120, 300}},
        {"taller than both sides", {100, 400, 80, 20}, {120, 500}, {108, 300, 120, 500}},
        {"covering, moved left", {950, 400, 40, 20}, {120, 500}, {830, 300, 120, 500}},
        {"covering, no room left", {50, 400, 900, 20}, {990, 500}, {10, 300, 990, 500}},
        {"below, right edge", {950, 100, 40, 20}, {120, 200}, {880, 120, 120, 200}},
    };
    for (const auto& c : cases) {
        const auto placed = cuiListPlacement::place(c.cell, c.list, work);
        EXPECT_EQ(placed.bounds, c.expected) << c.name;
        EXPECT_FALSE(placed.scrolls) << c.name;
    }
    const auto huge = cuiListPlacement::place({100, 100, 80, 20}, {300, 2000}, work);
    EXPECT_TRUE(huge.scrolls);
    EXPECT_EQ(huge.bounds.height(), 800);
    EXPECT_EQ(huge.bounds.top(), 0);
}

} // namespace
