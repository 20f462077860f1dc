#pragma once

#include "cmcCellObj.h"

#include <vector>

// The cells of a sheet, row-major, each with its selection bits, and the row table that says
// which definition line made each row.
class cuiCellMatrix {
public:
    struct Slot {
        cmcCellObj cell;
        bool multiSelect = false;
        bool inCellRange = false;
        bool inLineRange = false;
    };
    struct Row {
        int line = 0;
        bool select = true;
    };

    void reset(int columns, int rows);
    int columnCount() const { return columns; }
    int rowCount() const { return rows; }
    bool contains(int column, int row) const {
        return column >= 0 && row >= 0 && column < columns && row < rows;
    }
    // Fatal outside the matrix.
    Slot& slot(int column, int row);
    const Slot& slot(int column, int row) const;
    cmcCellObj& cell(int column, int row) { return slot(column, row).cell; }
    const cmcCellObj& cell(int column, int row) const { return slot(column, row).cell; }

    std::vector<Row>& rowTable() { return table; }
    const std::vector<Row>& rowTable() const { return table; }

    bool selectable(int column, int row) const {
        return contains(column, row) && cell(column, row).selectable();
    }
    // The selectable cell that a trailer cell belongs to: the nearest one to its left, over
    // trailers without S; the cell itself when it is selectable; -1 when there is none.
    int ownerColumn(int column, int row) const;
    bool anyMarked() const;
    // For each row, whether any of its cells is marked.
    std::vector<bool> markedRows() const;
    void clearMarks();
    // In line mode: rows holding a cell of the range get their line marked from `firstColumn`.
    void markLines(int firstColumn);

private:
    int columns = 0;
    int rows = 0;
    std::vector<Slot> entries;
    std::vector<Row> table;
};
