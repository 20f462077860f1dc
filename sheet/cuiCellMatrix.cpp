#include "cuiCellMatrix.h"

#include "cmcFatal.h"

void cuiCellMatrix::reset(int columnCount, int rowCount) {
    columns = columnCount;
    rows = rowCount;
    entries.assign(size_t(columns) * size_t(rows), Slot());
}

cuiCellMatrix::Slot& cuiCellMatrix::slot(int column, int row) {
    if (!contains(column, row))
        cmcFatal::stop("Illegal Cell selection");
    return entries[size_t(row) * size_t(columns) + size_t(column)];
}

const cuiCellMatrix::Slot& cuiCellMatrix::slot(int column, int row) const {
    return const_cast<cuiCellMatrix*>(this)->slot(column, row);
}

int cuiCellMatrix::ownerColumn(int column, int row) const {
    if (!contains(column, row))
        return -1;
    for (int c = column; c >= 0; --c) {
        const cmcCellObj& candidate = cell(c, row);
        if (candidate.selectable())
            return c;
        if (!candidate.trailer())
            return -1;
    }
    return -1;
}

bool cuiCellMatrix::anyMarked() const {
    for (const Slot& each : entries) {
        if (each.inCellRange || each.inLineRange)
            return true;
    }
    return false;
}

std::vector<bool> cuiCellMatrix::markedRows() const {
    std::vector<bool> marked(size_t(rows), false);
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].inCellRange || entries[i].inLineRange)
            marked[i / size_t(columns)] = true;
    }
    return marked;
}

void cuiCellMatrix::clearMarks() {
    for (Slot& each : entries)
        each.inCellRange = each.inLineRange = false;
}

void cuiCellMatrix::markLines(int firstColumn) {
    for (int row = 0; row < rows; ++row) {
        bool holdsRange = false;
        for (int column = 0; column < columns && !holdsRange; ++column)
            holdsRange = slot(column, row).inCellRange;
        for (int column = 0; column < columns; ++column)
            slot(column, row).inLineRange = holdsRange && column >= firstColumn;
    }
}
