#include "cmcTick.h"

#include <chrono>

uint32_t cmcTick::steadyMilliseconds() {
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count());
}

void cmcTick::Start(uint32_t milliseconds) {
    duration = milliseconds;
    start = now();
    running = true;
}

uint32_t cmcTick::Remaining() {
    if (!running)
        return 0;
    const uint32_t current = now();
    // Unsigned subtraction gives the true distance across a wrap of the tick count.
    const uint32_t elapsed = current - start;
    if (elapsed < duration)
        return duration - elapsed;
    running = false;
    return 0;
}
