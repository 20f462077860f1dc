#include "cmcTextEntry.h"

#include "cmcCellHandler.h"
#include "cmcEeprom.h"
#include "datCellReq.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr QByteArrayView NameSigns = "()*+-./:=";

char nameCharacter(char c) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool kept = (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') ||
                      upper == ' ' || NameSigns.contains(upper);
    return kept ? upper : ' ';
}

} // namespace

int cmcTextEntry::startEditor(datCellReq& request, const QByteArray& current, int length) {
    request.editorLength = length;
    if (request.key == datCellReq::KeyEnter || request.key == datCellReq::KeyMouse) {
        request.editorText = current;
        request.selectionStart = 0;
        request.selectionLength = static_cast<int>(current.size());
        return cmcCellHandler::OpenEditor;
    }
    if (!printable(request.key))
        return cmcCellHandler::Nothing;
    request.editorText = QByteArray(1, static_cast<char>(request.key));
    request.selectionStart = 1;
    request.selectionLength = 0;
    return cmcCellHandler::OpenEditor;
}

std::optional<qint64> cmcTextEntry::decimal(QByteArrayView text) {
    text = text.trimmed();
    const bool negative = text.startsWith('-');
    if (negative || text.startsWith('+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), Saturation);
    }
    return negative ? -value : value;
}

QByteArray cmcTextEntry::shownCharacters(QByteArrayView bytes) {
    QByteArray text = bytes.toByteArray();
    for (char& c : text) {
        if (!printable(static_cast<unsigned char>(c)))
            c = ' ';
    }
    return text;
}

QByteArray cmcTextEntry::fixedText(QByteArrayView typed, int size) {
    return shownCharacters(typed.first(std::min<qsizetype>(size, typed.size())))
        .leftJustified(size, ' ');
}

QByteArray cmcTextEntry::channelName(QByteArrayView typed, int size) {
    QByteArray name = fixedText(typed, size);
    std::transform(name.begin(), name.end(), name.begin(), nameCharacter);
    return name;
}

QByteArray cmcTextEntry::withoutTrailingBlanks(QByteArray text) {
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

QByteArray cmcTextEntry::imageText(const cmcEeprom& image, int address, int size) {
    QByteArray text(size, ' ');
    for (int i = 0; i < size; ++i)
        text[i] = static_cast<char>(image.getByte(address + i));
    return shownCharacters(text);
}

void cmcTextEntry::storeText(cmcEeprom& image, int address, const QByteArray& text) {
    for (qsizetype i = 0; i < text.size(); ++i)
        image.setByte(address + static_cast<int>(i), static_cast<uint8_t>(text[i]));
}
