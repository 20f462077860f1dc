#include "cmcPrintChoices.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"
#include "indDestination.h"

cmcPrintChoices cmcPrintChoices::initial(const cmcEeprom& image) {
    // The codec binds a mutable image; loading only reads it.
    datCh channel(const_cast<cmcEeprom*>(&image));
    bool banked = false;
    for (int number = 0; number < mm::MemoryChannels && !banked; ++number) {
        channel.load(datCh::KindMemory, number);
        banked = channel.inUse() && channel.frequency < indDestination::UpperLimit &&
                 channel.bankGroup < mm::Banks;
    }
    return {!banked, banked};
}
