#include "clsEtcData.h"

#include <bit>

namespace {

int bit(uint32_t value, int n) {
    return static_cast<int>((value >> n) & 1u);
}

} // namespace

int32_t clsEtcData::encode(int destination, int flagA, int flagB) {
    const uint32_t d = static_cast<uint32_t>(destination);
    const uint32_t a = static_cast<uint32_t>(flagA) & 1u;
    const uint32_t b = static_cast<uint32_t>(flagB) & 1u;
    const uint32_t s = (a + b + static_cast<uint32_t>(std::popcount(d & 0x3Fu))) % 8u;
    const uint32_t word = ((d >> 2) & 7u) << 7 | ((s >> 2) & 1u) << 6 | (d & 3u) << 4 |
                          ((s >> 1) & 1u) << 3 | a << 2 | b << 1 | (s & 1u);
    return static_cast<int32_t>(word);
}

clsEtcData::Decoded clsEtcData::decode(int32_t word) {
    const uint32_t w = static_cast<uint32_t>(word) & 0x3FFu;
    Decoded result;
    result.destination = static_cast<int>((w >> 7) & 7u) * 4 + static_cast<int>((w >> 4) & 3u);
    result.flagA = bit(w, 2);
    result.flagB = bit(w, 1);
    const int check = bit(w, 6) * 4 + bit(w, 3) * 2 + bit(w, 0);
    result.valid = check == std::popcount(w & 0x3B6u) % 8;
    return result;
}
