#include "cmcRecordRules.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"

namespace {

constexpr int NoDestination = 16;
constexpr int BroadcastBand = 1;
constexpr int AirBand = 5;

// The record codecs bind to a mutable image, but loading only reads it.
datCh reader(const cmcEeprom& image) {
    return datCh(const_cast<cmcEeprom*>(&image));
}

} // namespace

bool cmcRecordRules::warning(uint32_t f) const {
    if (dest.destination() == NoDestination)
        return false;
    if (!indDestination::validFrequency(f))
        return true;
    if (dest.cellularRestriction() && indDestination::inCellularSetA(f))
        return true;
    return dest.inListedRange(f) && !dest.expansionOn();
}

bool cmcRecordRules::aboveUpperLimit(uint32_t f) {
    return f >= indDestination::UpperLimit;
}

bool cmcRecordRules::stepOrBandError(uint32_t f, int step) const {
    if (!indDestination::validFrequency(f))
        return true;
    const int band = dest.bandOf(f);
    return (step == datCh::Step9k && band != BroadcastBand) ||
           (step == datCh::Step8_33k && band != AirBand);
}

bool cmcRecordRules::cellularWideError(uint32_t f, int mode) const {
    return dest.cellularRestriction() && indDestination::effectiveMode(f, mode) == datCh::ModeWFM &&
           indDestination::inCellularSetB(f) && !indDestination::inCellularSetA(f);
}

bool cmcRecordRules::bankConflict(const cmcEeprom& image, int bankGroup, int bankPosition) {
    return bankGroup >= 0 && bankGroup < mm::Banks && bankPosition >= 0 &&
           bankPosition < mm::BankPositions &&
           image.bankEntry(bankGroup, bankPosition) == mm::BankEntryConflict;
}

int cmcRecordRules::frequencyBits(uint32_t f, int step, int mode) const {
    int bits = warning(f) ? Warning : 0;
    if (aboveUpperLimit(f) || stepOrBandError(f, step) || cellularWideError(f, mode))
        bits |= Error;
    return bits;
}

int cmcRecordRules::channelBits(const datCh& record) const {
    return record.inUse() ? frequencyBits(record.frequency, record.step, record.mode) : 0;
}

int cmcRecordRules::memoryGroup(const cmcEeprom& image, int group) const {
    datCh record = reader(image);
    int bits = 0;
    for (int n = group * GroupSize; n < (group + 1) * GroupSize && n < mm::MemoryChannels; ++n) {
        record.load(datCh::KindMemory, n);
        bits |= channelBits(record);
        if (record.inUse() && bankConflict(image, record.bankGroup, record.bankPosition))
            bits |= Error;
    }
    return bits;
}

int cmcRecordRules::bank(const cmcEeprom& image, int bankNumber) const {
    datCh record = reader(image);
    int bits = 0;
    for (int p = 0; p < mm::BankPositions; ++p) {
        const uint16_t channel = image.bankEntry(bankNumber, p);
        if (channel >= mm::MemoryChannels)
            continue;
        record.load(datCh::KindMemory, channel);
        bits |= channelBits(record);
    }
    return bits;
}

int cmcRecordRules::scanEdges(const cmcEeprom& image) const {
    datCh record = reader(image);
    int bits = 0;
    for (int n = 0; n < mm::ScanEdges; ++n) {
        record.load(datCh::KindScanEdge, n);
        if (!record.inUse())
            continue;
        bits |= frequencyBits(record.lowEdge, record.step, record.mode);
        bits |= frequencyBits(record.frequency, record.step, record.mode);
    }
    return bits;
}

int cmcRecordRules::autoWrite(const cmcEeprom& image) const {
    datCh record = reader(image);
    int bits = 0;
    for (int n = 0; n < mm::AutoWriteChannels; ++n) {
        record.load(datCh::KindAutoWrite, n);
        bits |= channelBits(record);
    }
    return bits;
}
