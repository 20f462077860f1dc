#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>
#include <cstdint>

class cmcEeprom;
class cmcFCache;

// The bank link dialog's logic: a copy of one group's bank link bits, edited on the cells of
// the dialog's sheet, and written back to the image only when the dialog ends with OK. Bit n
// belongs to the n-th letter of the group, from bit 0 up; the byte's other bits are kept.
class cmcFBitsR : public cmcCellHandler {
public:
    cmcFBitsR(cmcEeprom& image, int address, const QByteArray& letters, cmcFCache& lists);

    int count() const { return static_cast<int>(groupLetters.size()); }
    const QByteArray& letters() const { return groupLetters; }
    bool bit(int n) const { return inGroup(n) && (edited >> n & 1); }
    void toggle(int n);
    // OK: the edited bits replace the group's bits in the image.
    void accept();

    // Header cells (argument "Letter") show the bank's letter, the others its bit as the
    // on/off list names it; cells beyond the group show nothing.
    QByteArray shownText(datCellReq& request) override;
    // Enter, a click or blank toggles the bit of a cell.
    int act(datCellReq& request) override;

private:
    bool inGroup(int n) const { return n >= 0 && n < count(); }
    uint8_t mask() const { return static_cast<uint8_t>((1u << count()) - 1); }
    static bool isHeader(const datCellReq& request);

    cmcEeprom& image;
    int address;
    QByteArray groupLetters;
    cmcFCache& lists;
    uint8_t edited;
};
