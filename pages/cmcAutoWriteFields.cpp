#include "cmcAutoWriteFields.h"

#include "MemoryMap.h"
#include "cmcAutoWriteOrder.h"
#include "cmcCellNames.h"
#include "cmcPageData.h"
#include "datCh.h"

cmcAutoWriteFields::cmcAutoWriteFields(cmcPageData& data, cmcCellHandler& fallback)
    : cmcMemFields(data, fallback) {}

int cmcAutoWriteFields::category() const {
    return cmcCellNames::CT_Amw;
}

int cmcAutoWriteFields::rowCount() const {
    return mm::AutoWriteChannels;
}

datCh cmcAutoWriteFields::record(int row) {
    datCh slot(&data.image());
    const int number = cmcAutoWriteOrder::slotAt(data.image(), row);
    if (number == cmcAutoWriteOrder::NoSlot) {
        slot.reset();
        slot.setInUse(false);
    } else {
        slot.load(datCh::KindAutoWrite, number);
    }
    return slot;
}

bool cmcAutoWriteFields::editable(int) const {
    return false;
}
