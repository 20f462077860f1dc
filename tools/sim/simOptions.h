#pragma once

#include "simFault.h"

#include <QByteArray>
#include <optional>

// The simulator's command line.
struct simOptions {
    std::optional<int> destination;
    QByteArray image;
    QByteArray link;
    QByteArray saveWritten;
    bool expansion = false;
    bool cellular = false;
    simFault fault = simFault::None;
    bool pace = false;
    bool once = false;

    // None for a command line that does not fit the usage.
    static std::optional<simOptions> parse(int argc, const char* const* argv);
};
