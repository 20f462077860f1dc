#pragma once

class cmcEeprom;

// The order in which the receiver wrote its auto-write slots: the run of slot numbers that
// ends the order list, shown from its first entry on.
class cmcAutoWriteOrder {
public:
    static constexpr int NoSlot = -1;

    // The slot that row `row` of the auto-write page shows, or NoSlot past the end of the run.
    static int slotAt(const cmcEeprom& image, int row);
    // How many slots the run holds.
    static int length(const cmcEeprom& image);
};
