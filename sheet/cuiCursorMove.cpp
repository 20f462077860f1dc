#include "cuiCursorMove.h"

#include <cstdlib>

cuiCursorMove::cuiCursorMove(int columns, int rows, Selectable selectable, bool wraps)
    : columns(columns), rows(rows), selectable(std::move(selectable)), wraps(wraps) {}

cuiCursorMove::Position cuiCursorMove::move(Position from, int dx, int dy) const {
    if (dx != 0)
        dy = 0;
    const int count = std::abs(dx != 0 ? dx : dy);
    const int unitX = dx > 0 ? 1 : (dx < 0 ? -1 : 0);
    const int unitY = dy > 0 ? 1 : (dy < 0 ? -1 : 0);
    Position at = from;
    for (int i = 0; i < count; ++i) {
        if (!step(at, unitX, unitY))
            break;
    }
    return at;
}

// One selectable step; the position after each step is the preferred one for the next.
bool cuiCursorMove::step(Position& at, int dx, int dy) const {
    if (dx == 0 && dy == 0)
        return false;
    if (alongLine(at, dx, dy))
        return true;
    return !wraps && onFollowingLines(at, dx, dy, dx != 0 ? at.row : at.column);
}

bool cuiCursorMove::alongLine(Position& at, int dx, int dy) const {
    Position probe = at;
    const int limit = dx != 0 ? columns : rows;
    for (int i = 1; i < limit + (wraps ? 0 : 1); ++i) {
        probe.column += dx;
        probe.row += dy;
        if (wraps) {
            probe.column = (probe.column + columns) % columns;
            probe.row = (probe.row + rows) % rows;
        }
        if (probe.column < 0 || probe.column >= columns || probe.row < 0 || probe.row >= rows)
            return false;
        if (selectable(probe.column, probe.row)) {
            at = probe;
            return true;
        }
    }
    return false;
}

bool cuiCursorMove::onFollowingLines(Position& at, int dx, int dy, int preferred) const {
    if (dx != 0) {
        for (int column = at.column + dx; column >= 0 && column < columns; column += dx) {
            if (nearestOnLine(at, true, column, preferred))
                return true;
        }
        return false;
    }
    for (int row = at.row + dy; row >= 0 && row < rows; row += dy) {
        if (nearestOnLine(at, false, row, preferred))
            return true;
    }
    return false;
}

// The selectable cell of one column (or row) nearest the preferred row (or column); a tie
// goes to the lower number.
bool cuiCursorMove::nearestOnLine(Position& at, bool lineIsColumn, int line, int preferred) const {
    const int length = lineIsColumn ? rows : columns;
    for (int distance = 0; distance < length; ++distance) {
        for (const int place : {preferred - distance, preferred + distance}) {
            if (place < 0 || place >= length)
                continue;
            const int column = lineIsColumn ? line : place;
            const int row = lineIsColumn ? place : line;
            if (selectable(column, row)) {
                at = {column, row};
                return true;
            }
        }
    }
    return false;
}
