#include "cmcGTex.h"
#include "indCloneMan.h"

#include <gtest/gtest.h>

namespace {

QByteArray check(int line) {
    return cmcGTex::app().GetText("GI_Mess_CloneErr_Check", line);
}

TEST(indCloneMan, ErrorMessagesCarryTheirCheckLines) {
    EXPECT_EQ(indCloneMan::errorMessage(0, 3), QByteArray());
    EXPECT_EQ(indCloneMan::errorMessage(5, 3), "No answer from receiver.\n\n" + check(0) + "\n" +
                                                   check(1) + "\n" + check(2) + "\n" + check(3));
    EXPECT_EQ(indCloneMan::errorMessage(2, 7), "Cannot access COM 7.\n\n" + check(0) + "\n" +
                                                   check(1) + "\n" + check(2) + "\n" + check(3));
    EXPECT_EQ(indCloneMan::errorMessage(10, 1),
              "Cannot write cloning data.\n\n" + check(0) + "\n" + check(2) + "\n" + check(3));
    EXPECT_EQ(indCloneMan::errorMessage(11, 1), "Illegal information.\n\n" + check(0) + "\n" +
                                                    check(1) + "\n" + check(2) + "\n" + check(3) +
                                                    "\n" + check(4) + "\n" + check(5));
    EXPECT_EQ(indCloneMan::errorMessage(13, 1), "receiver version does not match.\n\n" + check(6));
    EXPECT_EQ(indCloneMan::errorMessage(14, 1), "Connected receiver is not compatible model.\n\n" +
                                                    check(0) + "\n" + check(4) + "\n" + check(5));
    EXPECT_EQ(indCloneMan::errorMessage(16, 1), "Please update to the latest version.\n\n");
}

TEST(indCloneMan, ProgressBarFillsInThirtyThirds) {
    EXPECT_EQ(indCloneMan::filledSegments(16, 33), 16);
    EXPECT_EQ(indCloneMan::filledSegments(28255, 28256), 32);
    EXPECT_EQ(indCloneMan::filledSegments(28256, 28256), 33);
    EXPECT_EQ(indCloneMan::filledSegments(0, 28256), 0);
    EXPECT_EQ(indCloneMan::filledSegments(5, 0), 0);
}

} // namespace
