#pragma once

#include "indDestination.h"

#include <cstdint>

class cmcEeprom;
class datCh;

// The record rules behind the setting checks: which channels the receiver would refuse
// (errors) or treat differently from what the user sees (warnings). They read an image only,
// so a write can be judged before any page exists. Empty records raise nothing.
class cmcRecordRules {
public:
    enum Bit { Warning = 1, Error = 2 };

    explicit cmcRecordRules(const indDestination& destination) : dest(destination) {}

    // W: outside the limits, in a barred cellular block, or in a listed range the receiver
    // only takes with its reception expanded. Never on destination 16.
    bool warning(uint32_t frequency) const;
    // E1: at or above the upper limit.
    static bool aboveUpperLimit(uint32_t frequency);
    // E2: in no band, or a tuning step that only one band offers.
    bool stepOrBandError(uint32_t frequency, int step) const;
    // E3: a wide FM channel next to a barred cellular block.
    bool cellularWideError(uint32_t frequency, int mode) const;
    // E4: the bank position the channel claims is claimed by another channel too.
    static bool bankConflict(const cmcEeprom& image, int bankGroup, int bankPosition);

    // Warning and error bits of one check line.
    int memoryGroup(const cmcEeprom& image, int group) const;
    int bank(const cmcEeprom& image, int bank) const;
    int scanEdges(const cmcEeprom& image) const;
    int autoWrite(const cmcEeprom& image) const;

    static constexpr int GroupSize = 100;

private:
    int frequencyBits(uint32_t frequency, int step, int mode) const;
    int channelBits(const datCh& record) const;

    indDestination dest;
};
