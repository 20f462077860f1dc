#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcPageData;

// The weather channel, stored 0 to 9 and shown and typed 1 to 10. It is drawn grey while the
// weather alert is off, since the receiver then ignores it.
class cmcWxChannelCell : public cmcCellHandler {
public:
    static constexpr int Lowest = 1;
    static constexpr int Highest = 10;
    static constexpr quint32 Grey = 0x00C0C0C0;

    cmcWxChannelCell(cmcPageData& data, int address, int alertAddress)
        : data(data), address(address), alertAddress(alertAddress) {}

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    QByteArray text() const;

    cmcPageData& data;
    int address;
    int alertAddress;
};
