#include "datClipCh.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"

datClipCh& datClipCh::global() {
    static datClipCh clipboard;
    return clipboard;
}

void datClipCh::copy(cmcEeprom& image, int kind, int first, int count) {
    if (!isWriting)
        cmcClipCh::copy(image, kind, first, count);
}

int datClipCh::autoWriteSlot(const cmcEeprom& image, int row) {
    int start = mm::AutoWriteOrderEnd + 1;
    while (start > mm::AutoWriteOrder && image.getByte(start - 1) < mm::AutoWriteChannels)
        --start;
    const int address = start + row;
    if (row < 0 || address > mm::AutoWriteOrderEnd)
        return -1;
    return image.getByte(address);
}

void datClipCh::loadEmpty(cmcEeprom& image, int kind, int number, datCh& target) {
    target.bind(&image);
    target.load(datCh::KindNone, 0);
    target.kind = kind;
    target.number = number;
    target.setInUse(false);
}

void datClipCh::loadBankEntry(cmcEeprom& image, int number, datCh& target) {
    const uint16_t channel =
        image.bankEntry(number / mm::BankPositions, number % mm::BankPositions);
    if (channel >= mm::MemoryChannels) {
        loadEmpty(image, datCh::KindBank, number, target);
        return;
    }
    target.bind(&image);
    target.load(datCh::KindBank, channel);
    target.bankGroup = datCh::NoBank;
}

void datClipCh::loadOne(cmcEeprom& image, int kind, int number, datCh& target) {
    if (kind == datCh::KindBank) {
        loadBankEntry(image, number, target);
    } else if (kind == datCh::KindAutoWrite) {
        const int slot = autoWriteSlot(image, number);
        if (slot < 0)
            loadEmpty(image, kind, number, target);
        else
            cmcClipCh::loadOne(image, kind, slot, target);
    } else {
        cmcClipCh::loadOne(image, kind, number, target);
    }
}

int datClipCh::paste(cmcEeprom& image, int kind, int first, int count) {
    isWriting = true;
    const int pasted = cmcClipCh::paste(image, kind, first, count);
    isWriting = false;
    return pasted;
}

bool datClipCh::storeBankEntry(cmcEeprom& image, int number, const datCh& record) {
    const int bank = number / mm::BankPositions;
    const int position = number % mm::BankPositions;
    const uint16_t entry = image.bankEntry(bank, position);
    const bool placed = entry < mm::MemoryChannels;
    datCh target = record;
    target.bind(&image);
    if (!record.inUse()) {
        if (placed) {
            target.load(datCh::KindBank, entry);
            target.setInUse(false);
            target.store();
        }
        return true;
    }
    const int channel = placed ? entry : datCh::firstEmptyChannel(image, 0);
    if (channel < 0)
        return false;
    target.bankGroup = bank;
    target.bankPosition = position;
    target.store(datCh::KindBank, channel);
    return true;
}

bool datClipCh::storeOne(cmcEeprom& image, int kind, int number, const datCh& record) {
    loadOne(image, kind, number, scratch);
    if (kind == datCh::KindBank)
        return storeBankEntry(image, number, record);
    return cmcClipCh::storeOne(image, kind, number, record);
}
