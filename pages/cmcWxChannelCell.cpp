#include "cmcWxChannelCell.h"

#include "cmcEeprom.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

#include <algorithm>

QByteArray cmcWxChannelCell::shownText(datCellReq& request) {
    if (data.image().getByte(alertAddress) == 0)
        request.textColour = Grey;
    return text();
}

int cmcWxChannelCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return Nothing;
    if (!request.hasInput)
        return cmcTextEntry::startEditor(request, text(), 0);
    const std::optional<qint64> typed = cmcTextEntry::decimal(request.input);
    if (!typed)
        return Nothing;
    const auto channel = std::clamp<qint64>(*typed, Lowest, Highest);
    data.image().setByte(address, static_cast<uint8_t>(channel - 1));
    return Repaint;
}

QByteArray cmcWxChannelCell::text() const {
    return QByteArray::number(data.image().getByte(address) + 1);
}
