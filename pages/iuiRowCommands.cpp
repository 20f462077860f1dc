#include "iuiRowCommands.h"

#include "cmcCellNames.h"
#include "cmcRowOps.h"
#include "cuiGrid.h"
#include "datCellReq.h"
#include "datRowContext.h"
#include "iuiSh_ColCut_A.h"

#include <algorithm>

iuiRowCommands::iuiRowCommands(iuiSh_ColCut_A& owner, cmcPageData& pageData,
                               std::unique_ptr<cmcCellHandler> pageCells)
    : page(owner), data(pageData), cells(std::move(pageCells)) {}

// The rows marked with the mouse, as record numbers of the cursor's column.
datRowContext iuiRowCommands::context(const datCellReq& request) const {
    const int kind = cmcCellNames::recordKind(page.basicCell().category());
    datRowContext row = datRowContext::forPage(kind, request.cell->index(), page.rowBank());
    const std::vector<bool> marked = page.matrix().markedRows();
    int first = -1;
    int last = -1;
    for (int r = 0; r < int(marked.size()); ++r) {
        if (!marked[size_t(r)] || !page.matrix().contains(request.column, r))
            continue;
        const int index = page.cellAt(request.column, r).index();
        first = first < 0 ? index : std::min(first, index);
        last = std::max(last, index);
    }
    if (first >= 0)
        row.select(first, last);
    return row;
}

// The cell answers the selection it wants afterwards: the sheet clears every range that a cell
// does not ask for once the action is over.
void iuiRowCommands::follow(const datRowContext& row, datCellReq& request) {
    page.clearRange();
    int column = -1;
    int r = -1;
    if (page.findCell(request.cell->link(), row.cursor, column, r))
        page.putCursor(column, r);
    request.rangeRequested = row.reselect && !row.dropSelection;
    request.rangeFirst = row.reselectFirst;
    request.rangeLast = row.reselectLast;
}

int iuiRowCommands::act(datCellReq& request) {
    if (request.key != datCellReq::KeyCommand || request.hasInput ||
        request.mode == datCellReq::ListChoice)
        return cells->act(request);
    datRowContext row = context(request);
    if (!cmcRowOps::command(data, request.commandLink, row))
        return cells->act(request);
    follow(row, request);
    return Repaint;
}
