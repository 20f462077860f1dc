#include "cmcComm.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

cmcComm::DeviceMap deviceMap = nullptr;
void* deviceMapContext = nullptr;

struct Speed {
    uint32_t rate;
    speed_t code;
};

constexpr Speed speeds[] = {{300, B300},     {600, B600},       {1200, B1200},    {2400, B2400},
                            {4800, B4800},   {9600, B9600},     {19200, B19200},  {38400, B38400},
                            {57600, B57600}, {115200, B115200}, {230400, B230400}};

std::optional<speed_t> speedCode(uint32_t rate) {
    for (const Speed& speed : speeds)
        if (speed.rate == rate)
            return speed.code;
    return std::nullopt;
}

std::optional<tcflag_t> sizeFlag(uint8_t byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return std::nullopt; // a terminal cannot frame four data bits
    }
}

bool isLeadByte(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace

cmcComm::cmcComm() {
    transmitTimer.setInterval(PumpIntervalMs);
    QObject::connect(&transmitTimer, &QTimer::timeout, [this] { pump(); });
}

cmcComm::~cmcComm() {
    close();
}

cmcComm::LineSettings cmcComm::parseSettings(const QByteArray& settings) {
    LineSettings parsed;
    if (const auto baud = fieldOfText(settings, ',', 0))
        parsed.baudRate = baud->trimmed().toUInt();
    if (const auto parity = fieldOfText(settings, ',', 1))
        parsed.parityCheck = parity->trimmed() != "N" && parity->trimmed() != "n";
    if (const auto bits = fieldOfText(settings, ',', 2))
        parsed.byteSize = static_cast<uint8_t>(std::clamp(bits->trimmed().toInt(), 4, 8));
    if (const auto stop = fieldOfText(settings, ',', 3)) {
        const QByteArray value = stop->trimmed();
        parsed.stopBits = value == "1.5" ? OneAndHalfStopBits
                          : value == "2" ? TwoStopBits
                                         : OneStopBit;
    }
    return parsed;
}

std::optional<QByteArray> cmcComm::fieldOfText(const QByteArray& text, char separator, int index) {
    int field = 0;
    qsizetype start = 0;
    for (qsizetype i = 0;; ++i) {
        const bool end = i >= text.size();
        if (!end && isLeadByte(static_cast<uint8_t>(text[i])) && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (!end && text[i] != separator)
            continue;
        if (field == index)
            return text.mid(start, i - start);
        if (end)
            return std::nullopt;
        ++field;
        start = i + 1;
    }
}

QByteArray cmcComm::devicePath(int port, const QByteArray& configured) {
    if (!configured.isEmpty())
        return configured;
    if (port < 1)
        return {};
    return "/dev/ttyS" + QByteArray::number(port - 1);
}

void cmcComm::setDeviceMap(DeviceMap map, void* context) {
    deviceMap = map;
    deviceMapContext = context;
}

QByteArray cmcComm::deviceOfPort(int port) {
    return devicePath(port, deviceMap ? deviceMap(deviceMapContext, port) : QByteArray());
}

bool cmcComm::open(int portNumber, const QByteArray& settings) {
    if (isOpen())
        return false;
    port = portNumber;
    return openDevice(deviceOfPort(portNumber), settings);
}

bool cmcComm::openDevice(const QByteArray& path, const QByteArray& settings) {
    if (isOpen())
        return false;
    failure = {path, 0};
    if (path.isEmpty())
        return refuse(ENOENT);
    failed = false;
    line = parseSettings(settings);
    handle = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (handle < 0)
        return refuse(errno);
    if (!isatty(handle))
        return refuse(errno);
    if (const int error = claim())
        return refuse(error);
    if (tcflush(handle, TCIOFLUSH) != 0 || !configure())
        return refuse(errno);
    return true;
}

// Closes what was opened and keeps the reason.
bool cmcComm::refuse(int error) {
    close();
    failure.error = error;
    return false;
}

// 0 once the line is this port's alone, else EBUSY or the system's error. Terminal programs
// mark their line exclusive or lock it; root passes the kernel's own check of the exclusive
// mark, so the mark is asked for rather than relied on.
int cmcComm::claim() {
    int exclusive = 0;
    if (ioctl(handle, TIOCGEXCL, &exclusive) == 0 && exclusive != 0)
        return EBUSY;
    if (flock(handle, LOCK_EX | LOCK_NB) != 0)
        return errno == EWOULDBLOCK ? EBUSY : errno;
    claimed = ioctl(handle, TIOCEXCL) == 0;
    return 0;
}

bool cmcComm::configure() {
    const auto speed = speedCode(line.baudRate);
    const auto size = sizeFlag(line.byteSize);
    termios settings{};
    if (!speed || !size) {
        errno = EINVAL;
        return false;
    }
    if (tcgetattr(handle, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | CSTOPB | PARENB | PARODD | CRTSCTS);
    settings.c_cflag |= *size | CLOCAL | CREAD;
    // One and a half stop bits exist only as the two-stop-bit setting of short characters.
    if (line.stopBits != OneStopBit)
        settings.c_cflag |= CSTOPB;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    if (line.parityCheck)
        settings.c_iflag |= INPCK;
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (cfsetispeed(&settings, *speed) != 0 || cfsetospeed(&settings, *speed) != 0 ||
        tcsetattr(handle, TCSANOW, &settings) != 0)
        return false;
    // DTR low and RTS high, as cloning cables expect; lines a terminal lacks are left alone.
    int dtr = TIOCM_DTR;
    int rts = TIOCM_RTS;
    ioctl(handle, TIOCMBIC, &dtr);
    ioctl(handle, TIOCMBIS, &rts);
    return true;
}

void cmcComm::close() {
    transmitTimer.stop();
    // A pseudo-terminal keeps the mark after its last close while its other side stays open.
    if (claimed)
        ioctl(handle, TIOCNXCL);
    claimed = false;
    if (handle >= 0)
        ::close(handle);
    handle = -1;
    transmitQueue.clear();
    failed = false;
    sliceClock.invalidate();
}

void cmcComm::write(const uint8_t* bytes, int32_t count) {
    if (!isOpen())
        return;
    transmitTimer.stop();
    transmitQueue.append(bytes, count);
    pump();
}

int32_t cmcComm::read(uint8_t* buffer, int32_t maximum) {
    const int32_t wanted = std::min(maximum, inputQueued());
    if (wanted <= 0)
        return 0;
    const ssize_t got = ::read(handle, buffer, static_cast<size_t>(wanted));
    return got > 0 ? static_cast<int32_t>(got) : 0;
}

int32_t cmcComm::inputQueued() const {
    int count = 0;
    if (!isOpen() || ioctl(handle, FIONREAD, &count) != 0)
        return 0;
    return std::max(count, 0);
}

int32_t cmcComm::outputQueued() const {
    int count = 0;
    if (!isOpen() || ioctl(handle, TIOCOUTQ, &count) != 0)
        return 0;
    return std::max(count, 0);
}

void cmcComm::scheduleOrStop(bool again) {
    if (again)
        transmitTimer.start();
    else
        transmitTimer.stop();
}

void cmcComm::pump() {
    const int32_t waiting = transmitQueue.size();
    if (!isOpen() || waiting == 0) {
        transmitTimer.stop();
        return;
    }
    if (outputQueued() > 0) {
        scheduleOrStop(true);
        return;
    }
    const int32_t slice = std::min(OutputQueueSize, waiting);
    const ssize_t taken = ::write(handle, transmitQueue.data(), static_cast<size_t>(slice));
    const bool busy = taken < 0 && (errno == EAGAIN || errno == EINTR);
    if (taken < 0 && !busy) {
        failed = true;
        scheduleOrStop(false);
        return;
    }
    transmitQueue.dropFront(static_cast<int32_t>(std::max<ssize_t>(taken, 0)));
    if (taken == slice) {
        sliceClock.invalidate();
        scheduleOrStop(!transmitQueue.isEmpty());
        return;
    }
    // The driver took less than offered: it gets the line's write time-out to take the rest.
    if (!sliceClock.isValid())
        sliceClock.start();
    const int64_t timeout =
        WriteTimeoutConstantMs + int64_t(100000 / std::max(line.baudRate, 1u)) * slice;
    failed = sliceClock.elapsed() > timeout;
    scheduleOrStop(!failed);
}
