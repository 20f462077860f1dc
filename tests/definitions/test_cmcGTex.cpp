#include "cmcGTex.h"

#include <gtest/gtest.h>

namespace {

const char* const smallTable[] = {"#A", "a0", "a1", "#", "#B", "#", "#End_Of_Ovl", "#C", "c0",
                                  nullptr};

TEST(cmcGTex, ReadsLinesOfAValue) {
    cmcGTex reader;
    ASSERT_TRUE(reader.setSource(smallTable));
    EXPECT_FALSE(reader.setSource(smallTable));
    EXPECT_EQ(reader.GetText("A", 1), "a1");
    EXPECT_EQ(reader.GetText("A"), "a0");
    EXPECT_EQ(reader.multiLineText("A"), "a0\na1");
}

TEST(cmcGTexDeath, MissingKeyAfterEndOfTableEndsTheProgram) {
    cmcGTex reader;
    reader.setSource(smallTable);
    EXPECT_EXIT(reader.GetText("C"), testing::ExitedWithCode(3),
                "GTEX Error !\nThe index 'C' was not found.");
}

} // namespace
