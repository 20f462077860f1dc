#pragma once

#include <cstdint>

// A millisecond countdown on the steady tick count, which wraps around after 2^32 ms.
class cmcTick {
public:
    using Clock = uint32_t (*)();

    explicit cmcTick(Clock clock = steadyMilliseconds) : now(clock) {}

    void Start(uint32_t milliseconds);
    void Stop() { running = false; }
    // 0 when stopped or run out; running out stops the countdown.
    uint32_t Remaining();
    bool isRunning() const { return running; }

    static uint32_t steadyMilliseconds();

private:
    Clock now;
    uint32_t duration = 0;
    uint32_t start = 0;
    bool running = false;
};
