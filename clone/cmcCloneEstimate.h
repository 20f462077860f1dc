#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

class cmcGTex;

// How long a read or write has run, and how long it will still take at the byte rate measured
// so far (done bytes over elapsed time).
class cmcCloneEstimate {
public:
    // Seconds still to go; none while too little is done for the rate to mean anything.
    static std::optional<int64_t> secondsLeft(int64_t done, int64_t total, int64_t elapsedMs);
    // A duration as minutes and two-digit seconds in the table's time format.
    static QByteArray clock(int64_t seconds, cmcGTex& table);
    // The line shown under the progress bar.
    static QByteArray text(int64_t done, int64_t total, int64_t elapsedMs, cmcGTex& table);
    // Whole percent done, 0 .. 100.
    static int percent(int64_t done, int64_t total);
    // The progress line of the command line: the percentage, then the time left once known.
    static QByteArray percentText(int64_t done, int64_t total, int64_t elapsedMs, cmcGTex& table);

    // An estimate needs one bar segment's share of the bytes and a second of measuring.
    static constexpr int64_t MinimumShare = 32;
    static constexpr int64_t MinimumElapsedMs = 1000;
};
