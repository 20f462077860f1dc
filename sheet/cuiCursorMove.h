#pragma once

#include <functional>

// How the cursor travels over the selectable cells of a grid. Horizontal moves win over
// vertical ones; each unit step looks along the current line, and when that line holds no
// selectable cell the following lines are searched for the one nearest the preferred column
// (or row). A drop-down list wraps around at its edges instead.
class cuiCursorMove {
public:
    using Selectable = std::function<bool(int column, int row)>;

    struct Position {
        int column = 0;
        int row = 0;
    };

    cuiCursorMove(int columns, int rows, Selectable selectable, bool wraps);

    // The cell reached from `from` by |dx| or |dy| selectable steps; `from` when none.
    Position move(Position from, int dx, int dy) const;

private:
    bool step(Position& at, int dx, int dy) const;
    bool alongLine(Position& at, int dx, int dy) const;
    bool onFollowingLines(Position& at, int dx, int dy, int preferred) const;
    bool nearestOnLine(Position& at, bool lineIsColumn, int line, int preferred) const;

    int columns;
    int rows;
    Selectable selectable;
    bool wraps;
};
