#include "cmcGTex.h"
#include "indCloneMan.h"

#include <cerrno>
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

TEST(indCloneMan, APortThatDidNotOpenIsNamedWithTheSystemsReason) {
    const struct {
        int error;
        QByteArray line;
    } cases[] = {
        {ENOENT, "/dev/ttyUSB0: no such device. Is the cloning cable plugged in?"},
        {ENXIO, "/dev/ttyUSB0: no such device. Is the cloning cable plugged in?"},
        {EACCES, "/dev/ttyUSB0: permission denied. Add your user to the 'dialout' group, then "
                 "log in again."},
        {EPERM, "/dev/ttyUSB0: permission denied. Add your user to the 'dialout' group, then "
                "log in again."},
        {EBUSY, "/dev/ttyUSB0: busy. Another program is using it; close that program first."},
        {EIO, "/dev/ttyUSB0: Input/output error."},
        {ENOTTY, "/dev/ttyUSB0: Inappropriate ioctl for device."},
        {0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(indCloneMan::portFailureLine({"/dev/ttyUSB0", c.error}), c.line) << c.error;
    EXPECT_EQ(indCloneMan::errorMessage(2, 7, {"/dev/ttyACM0", EBUSY}),
              "Cannot access COM 7.\n/dev/ttyACM0: busy. Another program is using it; close that "
              "program first.\n\n" +
                  check(0) + "\n" + check(1) + "\n" + check(2) + "\n" + check(3));
}

TEST(indCloneMan, ProgressBarFillsInThirtyThirds) {
    EXPECT_EQ(indCloneMan::filledSegments(16, 33), 16);
    EXPECT_EQ(indCloneMan::filledSegments(28255, 28256), 32);
    EXPECT_EQ(indCloneMan::filledSegments(28256, 28256), 33);
    EXPECT_EQ(indCloneMan::filledSegments(0, 28256), 0);
    EXPECT_EQ(indCloneMan::filledSegments(5, 0), 0);
}

} // namespace
