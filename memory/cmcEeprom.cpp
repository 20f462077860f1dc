#include "cmcEeprom.h"

#include "MemoryMap.h"
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
