#include "cmcComm.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The far end of a port: the master side of a pseudo-terminal.
struct Line {
    Line() {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master >= 0 && grantpt(master) == 0 && unlockpt(master) == 0)
            path = ptsname(master);
    }
    ~Line() { hangUp(); }
    void hangUp() {
        if (master >= 0)
            ::close(master);
        master = -1;
    }
    QByteArray readAll() {
        QByteArray got;
        char chunk[4096];
        for (ssize_t n; (n = ::read(master, chunk, sizeof chunk)) > 0;)
            got.append(chunk, n);
        return got;
    }
    int master = -1;
    QByteArray path;
};

QByteArray mappedDevice = "";
QByteArray mapPort(void*, int port) {
    return port == 5 ? mappedDevice : QByteArray();
}

class cmcCommTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance())
            app = new QCoreApplication(argc, argv);
    }
    void SetUp() override {
        ASSERT_FALSE(line.path.isEmpty());
        mappedDevice = line.path;
        cmcComm::setDeviceMap(mapPort, nullptr);
    }
    void TearDown() override { cmcComm::setDeviceMap(nullptr, nullptr); }

    // Lets the transmit timer run until the far end has received count bytes.
    QByteArray receive(cmcComm& comm, int count) {
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        while (got.size() < count && clock.elapsed() < 3000) {
            if (comm.pendingOutput() > 0)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            got += line.readAll();
        }
        return got;
    }

    Line line;
    static inline int argc = 1;
    static inline char arg0[] = "test";
    static inline char* argv[] = {arg0, nullptr};
    static inline QCoreApplication* app = nullptr;
};

TEST(cmcCommSettings, SettingsTextGivesTheLine) {
    struct Case {
        const char* text;
        uint32_t baud;
        bool parityCheck;
        uint8_t bits;
        uint8_t stop;
    };
    const Case cases[] = {
        {"9600,N,8,1", 9600, false, 8, cmcComm::OneStopBit},
        {"38400,N,8,1", 38400, false, 8, cmcComm::OneStopBit},
        {"9600,n,9,1.5", 9600, false, 8, cmcComm::OneAndHalfStopBits},
        {"4800,E,3,2", 4800, true, 4, cmcComm::TwoStopBits},
        {"1200,O,7,3", 1200, true, 7, cmcComm::OneStopBit},
    };
    for (const Case& c : cases) {
        const cmcComm::LineSettings line = cmcComm::parseSettings(c.text);
        EXPECT_EQ(line.baudRate, c.baud) << c.text;
        EXPECT_EQ(line.parityCheck, c.parityCheck) << c.text;
        EXPECT_EQ(line.byteSize, c.bits) << c.text;
        EXPECT_EQ(line.stopBits, c.stop) << c.text;
    }
}

TEST(cmcCommSettings, FieldsSplitOnlyAtSingleByteSeparators) {
    EXPECT_EQ(cmcComm::fieldOfText("a,b,,c", ',', 2), QByteArray(""));
    EXPECT_EQ(cmcComm::fieldOfText("a,b,,c", ',', 3), QByteArray("c"));
    EXPECT_EQ(cmcComm::fieldOfText("a,b,,c", ',', 4), std::nullopt);
    // 0x81 opens a double-byte character whose second byte happens to be the separator.
    EXPECT_EQ(cmcComm::fieldOfText("\x81,x,y", ',', 0), QByteArray("\x81,x"));
    EXPECT_EQ(cmcComm::fieldOfText("x,\x81", ',', 1), QByteArray("\x81"));
}

TEST(cmcCommSettings, PortNumbersResolveThroughTheMap) {
    EXPECT_EQ(cmcComm::devicePath(1, ""), "/dev/ttyS0");
    EXPECT_EQ(cmcComm::devicePath(12, ""), "/dev/ttyS11");
    EXPECT_EQ(cmcComm::devicePath(3, "/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(cmcComm::devicePath(0, ""), "");
}

TEST_F(cmcCommTest, OpensARawLineAtTheGivenSpeed) {
    cmcComm comm;
    ASSERT_TRUE(comm.open(5, "38400,N,8,1"));
    EXPECT_EQ(comm.portNumber(), 5);
    termios settings{};
    ASSERT_EQ(tcgetattr(line.master, &settings), 0);
    EXPECT_EQ(cfgetospeed(&settings), B38400);
    EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL), 0u);
}

TEST_F(cmcCommTest, OpeningAnOpenPortFailsAndKeepsTheFirstOpening) {
    cmcComm comm;
    ASSERT_TRUE(comm.open(5, "9600,N,8,1"));
    EXPECT_FALSE(comm.open(5, "38400,N,8,1"));
    EXPECT_TRUE(comm.isOpen());
    const uint8_t byte = 0x42;
    comm.write(&byte, 1);
    EXPECT_EQ(receive(comm, 1), QByteArray("B"));
}

TEST_F(cmcCommTest, PortsThatCannotBeOpenedFailWithTheSystemsReason) {
    QTemporaryDir dir;
    const QByteArray file = dir.filePath("plain").toLocal8Bit();
    ASSERT_EQ(::close(::open(file.constData(), O_CREAT | O_WRONLY, 0600)), 0);
    const std::pair<QByteArray, int> devices[] = {
        {"/dev/nonexistent-port", ENOENT}, {dir.path().toLocal8Bit(), EISDIR}, {file, ENOTTY}};
    for (const auto& [device, error] : devices) {
        mappedDevice = device;
        cmcComm comm;
        EXPECT_FALSE(comm.open(5, "9600,N,8,1")) << device.constData();
        EXPECT_FALSE(comm.isOpen());
        EXPECT_EQ(comm.openFailure().device, device);
        EXPECT_EQ(comm.openFailure().error, error) << device.constData();
    }
    cmcComm comm;
    EXPECT_FALSE(comm.open(0, "9600,N,8,1"));
}

// Root opens any file, so the open runs in a child that has given root up.
void openWithoutRoot(const QByteArray& device) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        std::_Exit(255);
    cmcComm comm;
    comm.openDevice(device, "9600,N,8,1");
    std::_Exit(comm.openFailure().error);
}

TEST(cmcCommAccess, ADeviceTheUserMayNotOpenIsRefusedForPermission) {
    QTemporaryDir dir;
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
    const QByteArray file = dir.filePath("locked").toLocal8Bit();
    ASSERT_EQ(::close(::open(file.constData(), O_CREAT | O_WRONLY, 0)), 0);
    EXPECT_EXIT(openWithoutRoot(file), testing::ExitedWithCode(EACCES), "");
}

// Terminal programs mark the line they use as exclusive.
TEST_F(cmcCommTest, ALineAnotherProgramHoldsIsBusy) {
    const int held = ::open(line.path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(held, 0);
    ASSERT_EQ(ioctl(held, TIOCEXCL), 0);
    cmcComm comm;
    EXPECT_FALSE(comm.open(5, "9600,N,8,1"));
    EXPECT_EQ(comm.openFailure().error, EBUSY);
    ioctl(held, TIOCNXCL);
    ::close(held);
    EXPECT_TRUE(comm.open(5, "9600,N,8,1"));
    EXPECT_EQ(comm.openFailure().error, 0);
}

TEST_F(cmcCommTest, AnOpenPortKeepsOthersOutUntilItCloses) {
    cmcComm first;
    cmcComm second;
    ASSERT_TRUE(first.open(5, "9600,N,8,1"));
    EXPECT_FALSE(second.open(5, "9600,N,8,1"));
    EXPECT_EQ(second.openFailure().error, EBUSY);
    first.close();
    EXPECT_TRUE(second.open(5, "9600,N,8,1"));
}

TEST_F(cmcCommTest, SettingsTheTerminalCannotTakeFailTheOpen) {
    for (const char* settings : {"1234,N,8,1", "9600,N,4,1", "fast,N,8,1"}) {
        cmcComm comm;
        EXPECT_FALSE(comm.open(5, settings)) << settings;
        EXPECT_FALSE(comm.isOpen());
    }
}

TEST_F(cmcCommTest, ReadTakesOnlyWhatHasArrived) {
    cmcComm comm;
    ASSERT_TRUE(comm.open(5, "9600,N,8,1"));
    uint8_t buffer[256];
    EXPECT_EQ(comm.read(buffer, 256), 0);
    ASSERT_EQ(::write(line.master, "0123456789", 10), 10);
    QElapsedTimer clock;
    clock.start();
    while (comm.inputQueued() < 10 && clock.elapsed() < 1000)
        usleep(1000);
    EXPECT_EQ(comm.read(buffer, 4), 4);
    EXPECT_EQ(comm.read(buffer, 256), 6);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(buffer), 6), "456789");
}

TEST_F(cmcCommTest, LongWritesLeaveInSlicesAndCountAsPendingUntilSent) {
    cmcComm comm;
    ASSERT_TRUE(comm.open(5, "9600,N,8,1"));
    QByteArray sent;
    for (int i = 0; i < 3000; ++i)
        sent.append(char(i * 7));
    comm.write(reinterpret_cast<const uint8_t*>(sent.constData()), 3000);
    // Only one slice has been handed over; the rest waits in the transmit queue for the timer.
    EXPECT_EQ(comm.pendingOutput(), 3000 - cmcComm::OutputQueueSize);
    usleep(20000);
    const QByteArray first = line.readAll();
    EXPECT_EQ(first, sent.left(cmcComm::OutputQueueSize));
    EXPECT_EQ(first + receive(comm, 3000 - first.size()), sent);
    EXPECT_EQ(comm.pendingOutput(), 0);
    EXPECT_FALSE(comm.writeFailed());
}

TEST_F(cmcCommTest, AHungUpLineRaisesWriteFailedUntilClosed) {
    cmcComm comm;
    ASSERT_TRUE(comm.open(5, "9600,N,8,1"));
    line.hangUp();
    const uint8_t bytes[] = {1, 2, 3};
    comm.write(bytes, 3);
    EXPECT_TRUE(comm.writeFailed());
    uint8_t buffer[16];
    EXPECT_EQ(comm.read(buffer, 16), 0);
    comm.close();
    EXPECT_FALSE(comm.writeFailed());
    EXPECT_EQ(comm.pendingOutput(), 0);
    comm.write(bytes, 3);
    EXPECT_FALSE(comm.writeFailed());
}

} // namespace
