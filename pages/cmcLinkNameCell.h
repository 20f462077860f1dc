#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcPageData;

// The name of the program scan link the cell's index numbers: six characters, stored as
// channel names are; the program then learns which link was renamed, so that its tree node
// takes the new caption.
class cmcLinkNameCell : public cmcCellHandler {
public:
    cmcLinkNameCell(cmcPageData& data, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    QByteArray name(int link) const;

    cmcPageData& data;
    cmcCellHandler& fallback;
};
