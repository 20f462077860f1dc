#include "simServer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr uint32_t NormalBaud = 9600;
constexpr uint32_t HighBaud = 38400;
// A start bit, eight data bits and a stop bit.
constexpr double BitsPerByte = 10;
// A receiver left in high speed without an operation falls back after this long.
constexpr double HighSpeedIdleSeconds = 2;
// Output that the program does not take before a hang-up is dropped after this long.
constexpr double HangUpGraceSeconds = 2;
// Closing the line loses what the program has not read yet, so after its last operation the
// simulator waits this long for the program to close its end first.
constexpr double CloseGraceSeconds = 5;
constexpr int ReconnectPollMs = 10;
constexpr int IdlePollMs = 200;

double seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

simServer::simServer(simLine& line, simReceiver& receiver, const Options& options,
                     WrittenHandler written)
    : line(line), receiver(receiver), options(options), written(std::move(written)) {}

double simServer::doneAt(const WireByte& entry) const {
    return std::max(entry.arrival, wireFree) + BitsPerByte / std::max(entry.baud, 1u);
}

void simServer::carry(double now) {
    while (!wire.empty() && hangUpSince < 0) {
        if (options.pace) {
            const double done = doneAt(wire.front());
            if (done > now)
                return;
            wireFree = done;
        }
        const WireByte entry = wire.front();
        wire.pop_front();
        deliver(entry, now);
    }
}

void simServer::deliver(const WireByte& entry, double now) {
    if (!entry.echo) {
        out.append(char(entry.byte));
    } else {
        if (options.fault == simFault::BadEcho && entry.byte == cmcCloneFrame::Terminator)
            out.append(char(entry.byte - 1));
        else if (options.fault != simFault::NoEcho)
            out.append(char(entry.byte));
        hear(entry, now);
    }
    if (entry.hangUpAfter)
        hangUpSince = now;
    if (entry.finishedAfter && options.once && onceDoneAt < 0)
        onceDoneAt = now;
}

void simServer::hear(const WireByte& entry, double now) {
    const uint32_t receiverBaud = receiver.highSpeed() ? HighBaud : NormalBaud;
    // At another speed than the receiver's the byte arrives garbled and is not understood.
    if (entry.baud != receiverBaud)
        return;
    lastHeard = now;
    const simReceiver::Answer answer = receiver.hear(entry.byte);
    if (receiver.takeWritten() && written)
        written(receiver.memory());
    if (answer.bytes.isEmpty()) {
        hangUpSince = answer.hangUp ? now : hangUpSince;
        if (answer.finished && options.once && onceDoneAt < 0)
            onceDoneAt = now;
        return;
    }
    for (char byte : answer.bytes)
        wire.push_back({uint8_t(byte), false, receiverBaud, now, false, false});
    wire.back().hangUpAfter = answer.hangUp;
    wire.back().finishedAfter = answer.finished;
}

void simServer::flush() {
    if (!out.isEmpty())
        out.remove(0, line.write(out));
}

void simServer::lineDropped() {
    wire.clear();
    out.clear();
    receiver.abandon();
}

int simServer::pollTimeout(double now) const {
    if (!wire.empty()) {
        if (!options.pace)
            return 0;
        return std::max(1, int(std::ceil((doneAt(wire.front()) - now) * 1000)));
    }
    return receiver.highSpeed() ? ReconnectPollMs * 10 : IdlePollMs;
}

bool simServer::finishedServing(double now) const {
    if (hangUpSince >= 0)
        return out.isEmpty() || now - hangUpSince > HangUpGraceSeconds;
    return onceDoneAt >= 0 && out.isEmpty() && wire.empty() &&
           (dropped || now - onceDoneAt > CloseGraceSeconds);
}

void simServer::run(const volatile std::sig_atomic_t& stop) {
    lastHeard = seconds();
    while (!stop) {
        double now = seconds();
        carry(now);
        flush();
        if (finishedServing(now))
            break;
        if (receiver.highSpeed() && wire.empty() && now - lastHeard > HighSpeedIdleSeconds)
            receiver.dropHighSpeed();
        pollfd watch{line.handle(), short(POLLIN | (out.isEmpty() ? 0 : POLLOUT)), 0};
        if (dropped) {
            // A closed program end reports a hang-up on every poll; look again a little later.
            usleep(ReconnectPollMs * 1000);
        } else if (poll(&watch, 1, hangUpSince >= 0 ? ReconnectPollMs : pollTimeout(now)) <= 0) {
            continue;
        }
        QByteArray sent;
        dropped = !line.read(sent);
        if (dropped) {
            lineDropped();
            continue;
        }
        const uint32_t baud = line.programBaud();
        now = seconds();
        for (char byte : sent)
            wire.push_back({uint8_t(byte), true, baud, now, false, false});
    }
    if (hangUpSince >= 0)
        line.hangUp();
}
