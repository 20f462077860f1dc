#include "cmcRemoteAddressCell.h"

#include "cmcEeprom.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int Digits = 2;

} // namespace

QByteArray cmcRemoteAddressCell::shownText(datCellReq& request) {
    (void)request;
    return text();
}

int cmcRemoteAddressCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return Nothing;
    if (!request.hasInput)
        return cmcTextEntry::startEditor(request, text(), 0);
    const std::optional<int> value = typedAddress(request.input);
    if (!value)
        return Nothing;
    data.image().setByte(address, static_cast<uint8_t>(*value));
    return Repaint;
}

std::optional<int> cmcRemoteAddressCell::typedAddress(QByteArrayView typed) {
    QByteArray digits;
    for (char c : typed) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits.append(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    if (digits.isEmpty())
        return std::nullopt;
    while (digits.size() > Digits && digits.startsWith('0'))
        digits.remove(0, 1);
    if (digits.size() > Digits)
        return Highest;
    return std::clamp(digits.toInt(nullptr, 16), Lowest, Highest);
}

QByteArray cmcRemoteAddressCell::text() const {
    return QByteArray::number(data.image().getByte(address), 16)
        .toUpper()
        .rightJustified(Digits, '0');
}
