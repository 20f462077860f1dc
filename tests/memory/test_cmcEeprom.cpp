#include "MemoryMap.h"
#include "cmcEeprom.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcEeprom, ResizeToTheSameSizeClears) {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    image.fill(0x5A);
    image.resize(mm::ImageSize);
    EXPECT_EQ(image.getByte(0), 0);
    EXPECT_EQ(image.getByte(mm::ImageSize - 1), 0);
}

TEST(cmcEeprom, ImagesOfDifferentSizesDiffer) {
    cmcEeprom small, large;
    small.resize(4);
    large.resize(5);
    EXPECT_FALSE(small == large);
    large.resize(4);
    EXPECT_TRUE(small == large);
}

TEST(cmcEeprom, BlockCopiesStayInsideTheImage) {
    cmcEeprom image;
    image.resize(8);
    const uint8_t source[4] = {1, 2, 3, 4};
    image.writeBlock(5, source, 4); // one byte beyond the end
    image.writeBlock(-1, source, 2);
    image.writeBlock(0, source, 0);
    for (int a = 0; a < 8; ++a)
        EXPECT_EQ(image.getByte(a), 0) << a;
    image.writeBlock(4, source, 4); // ends exactly at the last byte
    EXPECT_EQ(image.getByte(7), 4);
}

TEST(cmcEepromDeath, AddressOutsideTheImageEndsTheProgram) {
    cmcEeprom image;
    image.resize(8);
    EXPECT_EXIT(image.setByte(8, 0), testing::ExitedWithCode(3),
                "Out of EEPROM image address \\(SetByte\\)\\.");
    EXPECT_EXIT(image.getByte(-1), testing::ExitedWithCode(3),
                "Out of EEPROM image address \\(GetByte\\)\\.");
}

} // namespace
