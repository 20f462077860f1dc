#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

class cmcPageData;

// The receiver's address on the remote control port: two hexadecimal digits, 01 to DF.
class cmcRemoteAddressCell : public cmcCellHandler {
public:
    static constexpr int Lowest = 0x01;
    static constexpr int Highest = 0xDF;

    cmcRemoteAddressCell(cmcPageData& data, int address) : data(data), address(address) {}

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    // The typed hexadecimal digits (small letters as capitals, other characters dropped)
    // limited to 01 to DF; none when no digit was typed.
    static std::optional<int> typedAddress(QByteArrayView typed);
    QByteArray text() const;

    cmcPageData& data;
    int address;
};
