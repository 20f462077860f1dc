#include "iuiSh_ColCut.h"

#include "cuiGrid.h"

bool iuiSh_ColCut::columnHidden(int column) const {
    const cuiCellMatrix& cells = matrix();
    for (int row = 0; row < cells.rowCount(); ++row) {
        if (hiddenCell(cells.cell(column, row)))
            return true;
    }
    return false;
}

void iuiSh_ColCut::fillPass() {
    cuiSheet::fillPass();
    cuiCellMatrix& cells = matrix();
    for (int column = 0; column < cells.columnCount(); ++column) {
        if (!columnHidden(column))
            continue;
        grid().setColumnWidth(column, 0);
        for (int row = 0; row < cells.rowCount(); ++row)
            cells.cell(column, row).setSelectable(false);
    }
}
