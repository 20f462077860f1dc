#pragma once

#include "cmcCellHandler.h"

#include <memory>

class cmcPageData;
class iuiSh_ColCut_A;
struct datRowContext;

// The row commands of a list page (Copy, Paste, Up, Down, Clear, Delete, Insert, Bank OFF)
// in front of the page's cells: the page's cursor and selected rows become the row context,
// and the cursor and selection follow the operation. Everything else goes to the cells.
class iuiRowCommands : public cmcCellHandler {
public:
    iuiRowCommands(iuiSh_ColCut_A& page, cmcPageData& data, std::unique_ptr<cmcCellHandler> cells);

    QByteArray shownText(datCellReq& request) override { return cells->shownText(request); }
    int act(datCellReq& request) override;
    void refresh(cmcCellObj& cell) override { cells->refresh(cell); }

private:
    datRowContext context(const datCellReq& request) const;
    void follow(const datRowContext& row, datCellReq& request);

    iuiSh_ColCut_A& page;
    cmcPageData& data;
    std::unique_ptr<cmcCellHandler> cells;
};
