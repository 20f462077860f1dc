#include "cmcBuff.h"
#include "cmcFatal.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcBuff, TakesBytesInArrivalOrderThenReportsEmpty) {
    cmcBuff queue;
    const uint8_t bytes[] = {0xFE, 0x00, 0xFD};
    queue.append(bytes, 3);
    EXPECT_EQ(queue.takeFront(), 0xFE);
    EXPECT_EQ(queue.takeFront(), 0x00);
    EXPECT_EQ(queue.takeFront(), 0xFD);
    EXPECT_EQ(queue.takeFront(), -1);
    EXPECT_TRUE(queue.isEmpty());
}

TEST(cmcBuff, CompactsOnceTheHeadHasMovedFarAndKeepsTheRest) {
    cmcBuff queue;
    for (int i = 0; i < 5000; ++i)
        queue.append(static_cast<uint8_t>(i));
    for (int i = 0; i < cmcBuff::CompactAfter - 1; ++i)
        queue.takeFront();
    EXPECT_EQ(queue.headOffset(), cmcBuff::CompactAfter - 1);
    queue.takeFront();
    EXPECT_EQ(queue.headOffset(), 0);
    ASSERT_EQ(queue.size(), 5000 - cmcBuff::CompactAfter);
    EXPECT_EQ(queue[0], static_cast<uint8_t>(cmcBuff::CompactAfter));
    EXPECT_EQ(queue[queue.size() - 1], static_cast<uint8_t>(4999));
}

TEST(cmcBuff, GrownBytesTakeTheFillValueEvenWithinTheBlock) {
    cmcBuff queue;
    queue.appendCopies(8, 0xAA);
    queue.setSize(2);
    queue.setFillValue(0x55);
    queue.setSize(6);
    EXPECT_EQ(queue[1], 0xAA);
    for (int i = 2; i < 6; ++i)
        EXPECT_EQ(queue[i], 0x55) << i;
}

TEST(cmcBuff, AppendingItselfDoublesTheContent) {
    cmcBuff queue;
    const uint8_t bytes[] = {1, 2, 3};
    queue.assign(bytes, 3);
    queue.append(queue);
    queue.append(queue.data() + 1, 2);
    ASSERT_EQ(queue.size(), 8);
    const uint8_t expected[] = {1, 2, 3, 1, 2, 3, 2, 3};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(queue[i], expected[i]) << i;
}

TEST(cmcBuffDeathTest, IndexBeyondTheBytesEndsTheProgram) {
    cmcBuff queue;
    queue.append(7);
    EXPECT_EXIT(queue[1], testing::ExitedWithCode(cmcFatal::ExitStatus),
                "Out of cmcBuff element !");
    EXPECT_EXIT(queue[-1], testing::ExitedWithCode(cmcFatal::ExitStatus), "");
}

} // namespace
