#include "cmcHash.h"
#include "cmcHash2.h"

#include <gtest/gtest.h>

namespace {

TEST(cmcHash, OneByteKeyLandsInHalfTheBucketCountPlusTheByte) {
    const struct {
        quint32 buckets;
        char byte;
        quint32 bucket;
    } cases[] = {{1031, 'A', (515 + 65) % 1031},
                 {101, 'z', (50 + 122) % 101},
                 {1031, '\x80', 515 - 128},
                 {7, '\x01', 4}};
    for (const auto& c : cases)
        EXPECT_EQ(cmcHash::bucketOf(QByteArrayView(&c.byte, 1), c.buckets), c.bucket)
            << c.buckets << " " << int(c.byte);
}

TEST(cmcHash, ShiftHalvesBeforeAnOddByteAndComesBackWhenSpent) {
    // "ab": 0*2+5+97 = 102, 204+5+98 = 307.  "ac": 'c' is odd, so 204+2+99 = 305.
    EXPECT_EQ(cmcHash::bucketOf("ab", 10), 7u);
    EXPECT_EQ(cmcHash::bucketOf("ac", 10), 5u);
    // Shift 2, 1, then back to 2: 99, 296, 691.
    EXPECT_EQ(cmcHash::bucketOf("aaa", 4), 3u);
}

TEST(cmcHash, FindsEveryKeyOfASharedChain) {
    cmcHash table(1);
    table.insert("clRed", 1);
    table.insert("clBlue", 2);
    ASSERT_NE(table.find("clRed"), nullptr);
    EXPECT_EQ(table.find("clRed")->value, 1);
    EXPECT_EQ(table.find("clBlue")->value, 2);
    EXPECT_EQ(table.find("clRe"), nullptr);
    EXPECT_EQ(cmcHash().bucketCount(), 1031u);
}

TEST(cmcHashDeath, InsertingAKeyTwiceEndsTheProgram) {
    cmcHash names(101);
    names.insert("clRed", 1);
    EXPECT_EXIT(names.insert("clRed", 2), testing::ExitedWithCode(3), "Overlapped Hash table\\.");
    cmcHash2 records;
    records.insert("GI_Sheet_Sel_Mch_Dup#1", nullptr);
    EXPECT_EQ(records.find("GI_Sheet_Sel_Mch_Dup#2"), nullptr);
    EXPECT_NE(records.find("GI_Sheet_Sel_Mch_Dup#1"), nullptr);
    EXPECT_EXIT(records.insert("GI_Sheet_Sel_Mch_Dup#1", nullptr), testing::ExitedWithCode(3),
                "Overlapped Hash2 table\\.");
}

} // namespace
