#include "cmcEeprom.h"

#include "MemoryMap.h"
#include "cmcDefaultImages.h"
#include "cmcFatal.h"

#include <algorithm>
#include <cstring>

void cmcEeprom::resize(int32_t n) {
    data.assign(static_cast<size_t>(std::max<int32_t>(n, 0)), 0);
}

void cmcEeprom::fill(uint8_t value) {
    std::fill(data.begin(), data.end(), value);
}

void cmcEeprom::setByte(int32_t address, uint8_t value) {
    if (!isValidAddress(address))
        cmcFatal::stop("Out of EEPROM image address (SetByte).");
    data[static_cast<size_t>(address)] = value;
}

uint8_t cmcEeprom::getByte(int32_t address) const {
    if (!isValidAddress(address))
        cmcFatal::stop("Out of EEPROM image address (GetByte).");
    return data[static_cast<size_t>(address)];
}

bool cmcEeprom::blockFits(int32_t address, int32_t count) const {
    return address >= 0 && address < size() && count >= 1 &&
           static_cast<int64_t>(address) + count <= size();
}

void cmcEeprom::writeBlock(int32_t address, const uint8_t* source, int32_t count) {
    if (blockFits(address, count))
        std::memcpy(data.data() + address, source, static_cast<size_t>(count));
}

void cmcEeprom::readBlock(int32_t address, uint8_t* destination, int32_t count) const {
    if (blockFits(address, count))
        std::memcpy(destination, data.data() + address, static_cast<size_t>(count));
}

bool cmcEeprom::formatAccepted(bool checkSignature) const {
    if (size() < mm::ReceiverSize || data[mm::FormatRevision] >= 2)
        return false;
    return !checkSignature ||
           std::memcmp(data.data() + mm::Signature, mm::SignatureText, mm::SignatureSize) == 0;
}

void cmcEeprom::loadTemplate(int destination) {
    if (size() < mm::ImageSize)
        resize(mm::ImageSize);
    writeBlock(0, cmcDefaultImages::image(destination).bytes(), mm::ReceiverSize);
    const int indexBytes = 2 * mm::Banks * mm::BankPositions;
    std::fill_n(data.begin() + mm::BankIndexBase, indexBytes, uint8_t{0xFF});
}

void cmcEeprom::rebuildBankIndex() {
    const auto setEntry = [this](int address, uint16_t value) {
        setByte(address, static_cast<uint8_t>(value & 0xFF));
        setByte(address + 1, static_cast<uint8_t>(value >> 8));
    };
    for (int b = 0; b < mm::Banks; ++b)
        for (int p = 0; p < mm::BankPositions; ++p)
            setEntry(mm::bankIndexEntry(b, p), mm::BankEntryFree);
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        const uint8_t group = getByte(mm::channelFlags(n));
        const uint8_t position = getByte(mm::channelFlags(n) + 1);
        if ((group & 0x80) || (group & 0x1F) >= mm::Banks || position >= mm::BankPositions)
            continue;
        const int address = mm::bankIndexEntry(group & 0x1F, position);
        const uint16_t held = getByte(address) | getByte(address + 1) << 8;
        setEntry(address, held < mm::BankEntryFree ? mm::BankEntryConflict : uint16_t(n));
    }
}

uint16_t cmcEeprom::bankEntry(int bank, int position) const {
    if (bank < 0 || bank >= mm::Banks || position < 0 || position >= mm::BankPositions)
        return mm::BankEntryFree;
    const int address = mm::bankIndexEntry(bank, position);
    const uint16_t value = getByte(address) | getByte(address + 1) << 8;
    return value == mm::BankEntryConflict || value < mm::MemoryChannels ? value : mm::BankEntryFree;
}
