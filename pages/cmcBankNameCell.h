#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcPageData;

// The name of the bank the cell's index numbers: six characters, stored as channel names are,
// after which the tree node of the bank takes the new caption.
class cmcBankNameCell : public cmcCellHandler {
public:
    explicit cmcBankNameCell(cmcPageData& data) : data(data) {}

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    QByteArray name(int bank) const;

    cmcPageData& data;
};
