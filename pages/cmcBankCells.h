#pragma once

#include "cmcBankFields.h"
#include "cmcLinkTable.h"

// The cells of a bank page (cmcPageIndex::FirstBankPage + bank): "CH Select" and the memory channel
// fields of each position; anything else goes to the fallback handler.
class cmcBankCells : public cmcCellHandler {
public:
    cmcBankCells(cmcPageData& data, int pageIndex, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override { return links.shownText(request); }
    int act(datCellReq& request) override { return links.act(request); }
    void refresh(cmcCellObj& cell) override { links.refresh(cell); }

    // The bank a page index shows, or 255 for an index that is no bank page.
    static int bankOf(int pageIndex);

private:
    cmcBankFields fields;
    cmcLinkTable links;
};
