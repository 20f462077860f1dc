#include "SimRun.h"

#include <QElapsedTimer>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

SimRun::SimRun(const QStringList& arguments) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(MAVIK_SIM_PROGRAM, arguments);
    if (!process.waitForStarted(5000))
        return;
    while (!process.canReadLine() && process.waitForReadyRead(5000)) {
    }
    devicePath = process.readLine().trimmed();
    if (devicePath.isEmpty())
        return;
    fd = ::open(devicePath.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios settings{};
    if (fd >= 0 && tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
    setSpeed(B9600);
}

SimRun::~SimRun() {
    closeLine();
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(1000);
    }
}

void SimRun::closeLine() {
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

void SimRun::setSpeed(speed_t speed) {
    termios settings{};
    if (fd < 0 || tcgetattr(fd, &settings) != 0)
        return;
    cfsetispeed(&settings, speed);
    cfsetospeed(&settings, speed);
    tcsetattr(fd, TCSANOW, &settings);
}

void SimRun::send(const QByteArray& bytes) {
    qsizetype sent = 0;
    while (fd >= 0 && sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + sent, size_t(bytes.size() - sent));
        if (n > 0)
            sent += n;
        else if (errno == EAGAIN)
            usleep(1000);
        else
            return;
    }
}

QByteArray SimRun::receive(int terminators, int timeoutMs, bool untilEndOfData) {
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    const QByteArray endOfData = "\xEF\xEE\xE5Vemo Inc.";
    while (fd >= 0 && got.count(char(0xFD)) < terminators && clock.elapsed() < timeoutMs) {
        if (untilEndOfData && got.endsWith(char(0xFD)) &&
            got.lastIndexOf(endOfData) == got.size() - endOfData.size() - 3)
            break;
        pollfd watch{fd, POLLIN, 0};
        poll(&watch, 1, 20);
        char chunk[4096];
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n > 0)
            got.append(chunk, n);
        else if (n == 0 || (n < 0 && errno == EIO)) {
            lineDown = true;
            break;
        }
    }
    return got;
}

QByteArray SimRun::exchange(const QByteArray& frame, int answerFrames, int timeoutMs) {
    send(frame);
    return receive(frame.count(char(0xFD)) + answerFrames, timeoutMs);
}

QByteArray SimRun::read(const QByteArray& request, int timeoutMs) {
    send(request);
    return receive(INT_MAX, timeoutMs, true);
}

int SimRun::waitForExit(int timeoutMs) {
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(timeoutMs))
        return -1;
    return process.exitCode();
}

QList<QByteArray> SimRun::framesOf(const QByteArray& bytes) {
    QList<QByteArray> frames = bytes.split(char(0xFD));
    frames.removeLast();
    return frames;
}
