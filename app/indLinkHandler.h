#pragma once

#include "cmcCellHandler.h"

class indMain;

// The program-wide link handler: what every link means outside the pages' own fields. Menu
// and toolbar commands, the tree's page calls, help on a cell and the cells of plain sheets.
class indLinkHandler : public cmcCellHandler {
public:
    explicit indLinkHandler(indMain& main) : main(main) {}

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;
    void refresh(cmcCellObj& cell) override;

private:
    indMain& main;
};
