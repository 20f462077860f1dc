#pragma once

#include <cstdint>

class cmcEeprom;

// The order in which the receiver wrote its auto-write slots: the run of slot numbers that
// ends the order list, shown from its first entry on.
class cmcAutoWriteOrder {
public:
    static constexpr int NoSlot = -1;
    static constexpr uint8_t NoEntry = 0xFF;

    // The slot that row `row` of the auto-write page shows, or NoSlot past the end of the run.
    static int slotAt(const cmcEeprom& image, int row);
    // How many slots the run holds.
    static int length(const cmcEeprom& image);
    // Makes the run the used slots in ascending order, so that row r shows the r-th of them,
    // and the free count what is left.
    static void listUsedSlots(cmcEeprom& image);
};
