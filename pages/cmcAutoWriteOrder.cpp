#include "cmcAutoWriteOrder.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"

#include <cstddef>
#include <vector>

int cmcAutoWriteOrder::length(const cmcEeprom& image) {
    int count = 0;
    while (count < mm::AutoWriteChannels &&
           image.getByte(mm::AutoWriteOrderEnd - count) < mm::AutoWriteChannels)
        ++count;
    return count;
}

int cmcAutoWriteOrder::slotAt(const cmcEeprom& image, int row) {
    const int count = length(image);
    if (row < 0 || row >= count)
        return NoSlot;
    return image.getByte(mm::AutoWriteOrderEnd - count + 1 + row);
}

void cmcAutoWriteOrder::listUsedSlots(cmcEeprom& image) {
    std::vector<uint8_t> used;
    datCh slot(&image);
    for (int n = 0; n < mm::AutoWriteChannels; ++n) {
        slot.load(datCh::KindAutoWrite, n);
        if (slot.inUse())
            used.push_back(static_cast<uint8_t>(n));
    }
    const int start = mm::AutoWriteOrderEnd + 1 - int(used.size());
    for (int at = mm::AutoWriteOrder; at <= mm::AutoWriteOrderEnd; ++at)
        image.setByte(at, at < start ? NoEntry : used[std::size_t(at - start)]);
    image.setByte(mm::FreeAutoWriteCount,
                  static_cast<uint8_t>(mm::AutoWriteChannels - used.size()));
}
