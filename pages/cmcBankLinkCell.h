#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>
#include <cstdint>

class cmcFBitsDialog;
class cmcFCache;
class cmcPageData;

// One group of bank link flags: bit n of the byte stands for the n-th letter of the group.
// The cell shows the letter of each linked bank and "_" for the others; a letter of the group
// toggles its bank, blank links all banks or none, backspace inverts the group, and Enter
// opens the bank link dialog on it.
class cmcBankLinkCell : public cmcCellHandler {
public:
    // Without a dialog, Enter does nothing.
    cmcBankLinkCell(cmcPageData& data, cmcFCache& lists, int address, const QByteArray& letters,
                    cmcFBitsDialog* dialog);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    uint8_t bits() const;
    int store(uint8_t bits);
    int runDialog();
    uint8_t mask() const { return static_cast<uint8_t>((1u << letters.size()) - 1); }

    cmcPageData& data;
    cmcFCache& lists;
    int address;
    QByteArray letters;
    cmcFBitsDialog* dialog;
};
