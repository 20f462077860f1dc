#include "cmcMemInput.h"

#include <algorithm>
#include <cstring>

namespace {

// Far beyond any field's range, and safe from overflow while digits are added.
constexpr int64_t Saturation = 1'000'000'000'000'000;
constexpr uint32_t LowestTrain = 300;
constexpr uint32_t HighestTrain = 3000;
constexpr char NameSigns[] = " ()*+-./:=";

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int64_t withDigit(int64_t value, char digit) {
    return std::min(value * 10 + (digit - '0'), Saturation);
}

bool shownInName(char c) {
    return isDigit(c) || (c >= 'A' && c <= 'Z') || (c != '\0' && std::strchr(NameSigns, c));
}

} // namespace

std::optional<int64_t> cmcMemInput::number(QByteArrayView text, int decimals) {
    const QByteArray trimmed = text.toByteArray().trimmed();
    qsizetype at = 0;
    const bool negative = !trimmed.isEmpty() && trimmed[0] == '-';
    if (!trimmed.isEmpty() && (trimmed[0] == '-' || trimmed[0] == '+'))
        ++at;
    int64_t value = 0;
    bool digits = false;
    for (; at < trimmed.size() && isDigit(trimmed[at]); ++at, digits = true)
        value = withDigit(value, trimmed[at]);
    int places = 0;
    if (at < trimmed.size() && trimmed[at] == '.') {
        for (++at; at < trimmed.size() && isDigit(trimmed[at]); ++at, digits = true) {
            if (places < decimals) {
                value = withDigit(value, trimmed[at]);
                ++places;
            }
        }
    }
    if (!digits || at != trimmed.size())
        return std::nullopt;
    for (; places < decimals; ++places)
        value = std::min(value * 10, Saturation);
    return negative ? -value : value;
}

std::optional<uint32_t> cmcMemInput::hertz(QByteArrayView text, uint32_t low, uint32_t high) {
    const std::optional<int64_t> value = number(text, 6);
    if (!value)
        return std::nullopt;
    return static_cast<uint32_t>(std::clamp<int64_t>(*value, low, high));
}

QByteArray cmcMemInput::megahertz(uint32_t hz) {
    return QByteArray::number(hz / 1000000) + '.' +
           QByteArray::number(hz % 1000000).rightJustified(6, '0');
}

std::array<char, cmcMemInput::NameLength> cmcMemInput::name(QByteArrayView text) {
    std::array<char, NameLength> result;
    result.fill(' ');
    for (qsizetype i = 0; i < std::min<qsizetype>(text.size(), NameLength); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        result[i] = shownInName(c) ? c : ' ';
    }
    return result;
}

uint32_t cmcMemInput::trainFrequency(int64_t hz) {
    const int64_t limited = std::clamp<int64_t>(hz, 0, HighestTrain + 10);
    const auto rounded = static_cast<uint32_t>((limited + 5) / 10 * 10);
    return std::clamp(rounded, LowestTrain, HighestTrain);
}
