#include "simLine.h"

#include <cerrno>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

simLine::~simLine() {
    hangUp();
}

bool simLine::open() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return false;
    const char* name = ptsname(master);
    termios settings{};
    if (!name || tcgetattr(master, &settings) != 0)
        return false;
    // Raw from the start, so that nothing sent before the program opens its end is echoed or
    // translated by the terminal itself.
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    if (tcsetattr(master, TCSANOW, &settings) != 0)
        return false;
    device = name;
    return true;
}

bool simLine::link(const QByteArray& path) {
    ::unlink(path.constData());
    if (::symlink(device.constData(), path.constData()) != 0)
        return false;
    linkPath = path;
    return true;
}

bool simLine::read(QByteArray& into) {
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(master, chunk, sizeof chunk);
        if (got > 0) {
            into.append(chunk, got);
            continue;
        }
        return got == 0 || errno != EIO;
    }
}

int simLine::write(const QByteArray& bytes) {
    const ssize_t taken = ::write(master, bytes.constData(), size_t(bytes.size()));
    return taken > 0 ? int(taken) : 0;
}

uint32_t simLine::programBaud() const {
    struct Speed {
        speed_t code;
        uint32_t baud;
    };
    static constexpr Speed speeds[] = {{B1200, 1200},   {B2400, 2400},    {B4800, 4800},
                                       {B9600, 9600},   {B19200, 19200},  {B38400, 38400},
                                       {B57600, 57600}, {B115200, 115200}};
    termios settings{};
    if (tcgetattr(master, &settings) != 0)
        return 9600;
    const speed_t code = cfgetospeed(&settings);
    for (const Speed& speed : speeds)
        if (speed.code == code)
            return speed.baud;
    return 0;
}

void simLine::hangUp() {
    if (master >= 0)
        ::close(master);
    master = -1;
    if (!linkPath.isEmpty())
        ::unlink(linkPath.constData());
    linkPath.clear();
}
