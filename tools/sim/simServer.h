#pragma once

#include "simLine.h"
#include "simReceiver.h"

#include <csignal>
#include <deque>
#include <functional>

// Carries bytes between the program and the simulated receiver as a single-wire cable would:
// every byte the program sends comes back to it, and the receiver hears it at the same moment.
// Paced, each byte holds the wire for the time it needs at the line's speed.
class simServer {
public:
    struct Options {
        bool pace = false;
        bool once = false;
        simFault fault = simFault::None;
    };
    using WrittenHandler = std::function<void(const cmcEeprom&)>;

    simServer(simLine& line, simReceiver& receiver, const Options& options, WrittenHandler written);

    // Serves until stop is raised, the line is hung up, or with once until one operation has
    // ended.
    void run(const volatile std::sig_atomic_t& stop);

private:
    struct WireByte {
        uint8_t byte;
        bool echo;
        uint32_t baud;
        double arrival;
        bool hangUpAfter;
        bool finishedAfter;
    };

    void carry(double now);
    void deliver(const WireByte& entry, double now);
    void hear(const WireByte& entry, double now);
    void flush();
    void lineDropped();
    int pollTimeout(double now) const;
    double doneAt(const WireByte& entry) const;
    bool finishedServing(double now) const;

    simLine& line;
    simReceiver& receiver;
    Options options;
    WrittenHandler written;
    std::deque<WireByte> wire;
    QByteArray out;
    double wireFree = 0;
    double lastHeard = 0;
    double hangUpSince = -1;
    bool dropped = false;
    double onceDoneAt = -1;
};
