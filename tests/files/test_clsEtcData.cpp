#include "clsEtcData.h"

#include <gtest/gtest.h>

namespace {

TEST(clsEtcData, DestinationSixWithFlagBIs00AB) {
    EXPECT_EQ(clsEtcData::encode(6, 0, 1), 0x00AB);
}

TEST(clsEtcData, EveryDestinationAndFlagPairSurvivesTheRoundTrip) {
    for (int d = 0; d <= 16; ++d)
        for (int a = 0; a <= 1; ++a)
            for (int b = 0; b <= 1; ++b) {
                const auto word = clsEtcData::decode(clsEtcData::encode(d, a, b));
                EXPECT_TRUE(word.valid);
                EXPECT_EQ(word.destination, d);
                EXPECT_EQ(word.flagA, a);
                EXPECT_EQ(word.flagB, b);
            }
}

TEST(clsEtcData, AnySingleFlippedBitIsCaught) {
    for (int d = 0; d <= 16; ++d) {
        const int32_t word = clsEtcData::encode(d, d & 1, 1);
        for (int bit = 0; bit < 10; ++bit)
            EXPECT_FALSE(clsEtcData::decode(word ^ (1 << bit)).valid) << d << " bit " << bit;
    }
}

TEST(clsEtcData, BitsAboveTheWordAreIgnored) {
    const auto word = clsEtcData::decode(0x7C00 | 0x00AB);
    EXPECT_TRUE(word.valid);
    EXPECT_EQ(word.destination, 6);
}

} // namespace
