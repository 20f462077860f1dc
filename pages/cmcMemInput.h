#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cstdint>
#include <optional>

// What the user types into the memory channel cells, and the number texts the cells show.
class cmcMemInput {
public:
    static constexpr int NameLength = 6;

    // A decimal number, blanks around it, an optional sign and fraction, in units of
    // 10^-decimals; digits beyond those places are dropped and huge magnitudes saturate.
    // None for any other text, so that a typing slip changes nothing.
    static std::optional<int64_t> number(QByteArrayView text, int decimals);
    // A frequency typed in MHz, in Hz, limited to low .. high.
    static std::optional<uint32_t> hertz(QByteArrayView text, uint32_t low, uint32_t high);
    // Hz shown in MHz with six decimals.
    static QByteArray megahertz(uint32_t hz);

    // A channel name as the receiver can show it: capitals, digits, blank and ( ) * + - . / : =
    // only, other characters blank, filled with blanks to six.
    static std::array<char, NameLength> name(QByteArrayView text);
    // A train frequency on the receiver's 10 Hz steps within 300 .. 3000 Hz.
    static uint32_t trainFrequency(int64_t hz);
};
