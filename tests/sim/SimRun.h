#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <termios.h>

// One run of the simulator with the test holding the program's end of its line.
class SimRun {
public:
    explicit SimRun(const QStringList& arguments);
    ~SimRun();

    bool started() const { return fd >= 0; }
    const QByteArray& device() const { return devicePath; }
    void setSpeed(speed_t speed);
    void send(const QByteArray& bytes);
    // What arrives until `terminators` frame ends have come, the line hangs up or the time
    // runs out.
    QByteArray receive(int terminators, int timeoutMs = 5000, bool untilEndOfData = false);
    // Sends a frame and collects its echo and the answer frames.
    QByteArray exchange(const QByteArray& frame, int answerFrames, int timeoutMs = 5000);
    // Sends a read request and collects what arrives up to the end-of-data frame.
    QByteArray read(const QByteArray& request, int timeoutMs = 5000);
    bool hungUp() const { return lineDown; }
    // Closes the program's end, as the program does after an operation.
    void closeLine();
    // Waits for the simulator to end; its exit code, or -1 while it still runs.
    int waitForExit(int timeoutMs);

    static QList<QByteArray> framesOf(const QByteArray& bytes);

private:
    QProcess process;
    QByteArray devicePath;
    int fd = -1;
    bool lineDown = false;
};
