#include "cmcAutoWriteOrder.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"

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
