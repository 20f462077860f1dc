#include "indDestination.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

using Range = indDestination::Range;

constexpr uint32_t MHz = 1000000;
constexpr int FM = datCh::ModeFM, WFM = datCh::ModeWFM, AM = datCh::ModeAM;

// Inclusive ranges written in whole kHz: lowKHz .. highKHz, the high end taken to its last Hz.
constexpr Range to(uint32_t lowKHz, uint32_t highKHz) {
    return {lowKHz * 1000, highKHz * 1000 + 999};
}
// Ranges that start one Hz above a whole kHz.
constexpr Range above(uint32_t lowKHz, uint32_t highKHz) {
    return {lowKHz * 1000 + 1, highKHz * 1000 + 999};
}

// The frequencies a destination may only receive with its reception expanded.
std::vector<Range> listedRangesOf(int destination) {
    switch (destination) {
    case 1:
        return {to(30000, 49999),      above(52000, 87999),    to(137000, 143999),
                above(146000, 429999), above(440000, 1239999), {1300000001, 1310000000}};
    case 2:
        return {to(30000, 49999),
                above(52000, 143999),
                above(146000, 429999),
                above(440000, 1239999),
                {1300000001, 1310000000}};
    case 3:
        return {to(30000, 49999),
                above(52000, 143999),
                above(146000, 431999),
                above(438000, 1239999),
                {1300000001, 1310000000}};
    case 4:
        return {to(30000, 49999),        above(51000, 87999),     to(108000, 143999),
                above(146000, 429999),   above(434000, 434999),   above(438000, 1239999),
                above(1245000, 1269999), {1298000001, 1310000000}};
    case 5:
        return {
            to(100, 143999), above(146000, 429999), above(434000, 434999), {438000001, 1310000000}};
    case 6:
    case 8:
        return {};
    case 7:
        return {to(54000, 107999),
                to(137000, 143999),
                above(148000, 419999),
                above(450000, 1239999),
                {1300000001, 1310000000}};
    case 9:
        return {to(100, 49999),        above(50200, 75999),    to(108000, 143999),
                above(146000, 429999), above(440000, 1259999), {1265000001, 1310000000}};
    case 10:
        return {to(30000, 49999),      to(54000, 87999),       to(108000, 143999),
                above(146000, 429999), above(440000, 1260099), {1300000001, 1310000000}};
    case 11:
        return {to(30000, 143999), {146000001, 1310000000}};
    case 12:
        return {to(100, 143999), above(146000, 429999), {440000001, 1310000000}};
    case 13:
        return {to(30000, 50199),      above(51200, 87499),    to(108000, 143999),
                above(146000, 429999), above(440000, 1239999), {1300000001, 1310000000}};
    default: // 0, 14, 15 and destinations without a plan of their own
        return {to(252900, 255099), to(261900, 266099), to(270900, 275099), to(379900, 382099),
                to(411900, 415099), to(809900, 834099), to(859900, 889099), to(914900, 960099)};
    }
}

struct ModeBound {
    uint32_t below;
    int mode;
};

const ModeBound AutomaticModes[] = {
    {290000, FM},     {495000, AM},      {1620000, AM},    {30000000, AM},  {35530000, FM},
    {51000000, AM},   {54000000, FM},    {76000000, FM},   {90000000, WFM}, {108000000, WFM},
    {136000000, AM},  {144000000, FM},   {146000000, FM},  {156000000, FM}, {175750000, FM},
    {221800000, WFM}, {251000000, AM},   {255000000, FM},  {262000000, AM}, {266000000, FM},
    {271000000, AM},  {275000000, FM},   {336000000, AM},  {430000000, FM}, {440000000, FM},
    {470000000, FM},  {769800000, WFM},  {860000000, FM},  {889000000, FM}, {915000000, FM},
    {940000000, FM},  {1260000000, WFM}, {0xFFFFFFFF, FM},
};

bool isOneOf(int value, std::initializer_list<int> set) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

uint32_t fmBroadcastEdge(int destination) {
    if (isOneOf(destination, {0, 6, 8, 9, 11, 14, 15}))
        return 76 * MHz;
    return destination == 13 ? 87500000 : 88 * MHz;
}

// Records read from the template are never written, so the binding may drop its constness.
datCh templateRecord(const cmcEeprom& templateImage, int kind, int number) {
    datCh record(const_cast<cmcEeprom*>(&templateImage));
    record.load(kind, number);
    return record;
}

void copyBytes(cmcEeprom& image, const cmcEeprom& from, int first, int last) {
    image.writeBlock(first, from.bytes() + first, last - first + 1);
}

// Takes an emptied auto-write entry out of the order list: the entries before it in the list
// in use move up by one place and the head of the list becomes free.
void dropFromAutoWriteOrder(cmcEeprom& image, int entry) {
    int head = mm::AutoWriteOrderEnd + 1;
    while (head > mm::AutoWriteOrder && image.getByte(head - 1) < mm::AutoWriteChannels)
        --head;
    for (int a = mm::AutoWriteOrderEnd; a >= head; --a) {
        if (image.getByte(a) != entry)
            continue;
        for (int b = a; b > head; --b)
            image.setByte(b, image.getByte(b - 1));
        image.setByte(head, 0xFF);
        return;
    }
}

} // namespace

indDestination::indDestination(int destination, bool cellularBlocked, bool expansionOn)
    : number(destination), cellular(cellularBlocked),
      expansion(expansionOn), edges{495000,    1625000,   30 * MHz,  fmBroadcastEdge(destination),
                                    108 * MHz, 137 * MHz, 255100000, 382100000,
                                    769800000, 960100000, 1310 * MHz} {
    listed.fill({UnusedBound, UnusedBound});
    const std::vector<Range> ranges = listedRangesOf(destination);
    std::copy(ranges.begin(), ranges.end(), listed.begin());
}

bool indDestination::inCellularSetA(uint32_t f) {
    return to(824000, 848999).contains(f) || to(869000, 893999).contains(f);
}

bool indDestination::inCellularSetB(uint32_t f) {
    return to(822000, 850999).contains(f) || to(867000, 895999).contains(f);
}

int indDestination::bandOf(uint32_t f) const {
    int band = 0;
    while (band < BandEdges - 1 && edges[band] <= f)
        ++band;
    return band;
}

int indDestination::effectiveMode(uint32_t f, int mode) {
    if (mode != datCh::ModeAuto)
        return mode;
    for (const ModeBound& row : AutomaticModes)
        if (row.below > f)
            return row.mode;
    return FM;
}

bool indDestination::automaticLists() const {
    return isOneOf(number, {0, 14, 15});
}

bool indDestination::cellularRestriction() const {
    return number == 6 && (cellular || !expansion);
}

bool indDestination::inListedRange(uint32_t f) const {
    for (const Range& range : listed)
        if (range.low != UnusedBound && range.contains(f))
            return true;
    return false;
}

int indDestination::frequencyClass(uint32_t f, int mode) const {
    if (!validFrequency(f))
        return 1;
    const bool isListed = inListedRange(f);
    if (cellularRestriction()) {
        const bool blocked = effectiveMode(f, mode) == WFM ? inCellularSetB(f) : inCellularSetA(f);
        if (blocked)
            return 1;
    }
    return isListed ? 0 : 2;
}

bool indDestination::flagged(uint32_t f, int mode) const {
    const int frequencyClass = this->frequencyClass(f, mode);
    return frequencyClass == 1 || (frequencyClass == 0 && !expansion);
}

uint32_t indDestination::placeOnGrid(uint32_t value, int band) {
    if (band == 1 && value % 9000 == 0)
        return value;
    const uint32_t remainder = value % 25000;
    const uint32_t base = value - remainder;
    uint32_t best = 0;
    uint32_t bestDistance = UINT32_MAX;
    for (uint32_t k : {3u, 4u, 5u}) {
        if (k == 3 && band != 5)
            continue;
        const uint32_t candidate = (remainder / (2500 / k) + 5) / 10 * (25000 / k);
        const uint32_t distance =
            candidate > remainder ? candidate - remainder : remainder - candidate;
        if (distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
        if (distance == 0)
            break;
    }
    return best > UINT32_MAX - base ? base : base + best;
}

uint32_t indDestination::placeFrequency(uint32_t f) const {
    f = std::clamp(f, LowerLimit, HighestTyped);
    return placeOnGrid(f, bandOf(f));
}

uint32_t indDestination::placeOffset(uint32_t offset, int band) {
    return std::min(placeOnGrid(offset, band), HighestOffset);
}

void indDestination::convert(cmcEeprom& image, const cmcEeprom& templateImage) const {
    copyBytes(image, templateImage, mm::bandDefault(0), mm::bandDefault(mm::BandRecords) - 1);
    convertCommonSettings(image, templateImage);
    copyBytes(image, templateImage, mm::FormatRevision, mm::FormatRevision);
    copyBytes(image, templateImage, mm::Signature, mm::Signature + mm::SignatureSize - 1);
    convertRecords(image, templateImage);
    image.rebuildBankIndex();
}

void indDestination::convertCommonSettings(cmcEeprom& image, const cmcEeprom& templateImage) const {
    // The user's memory display type, dial function and program skip scan survive.
    const int display = mm::CommonBase + 84, scan = mm::CommonBase + 85;
    const uint8_t keptDisplay = image.getByte(display) & 0x13;
    const uint8_t keptScan = image.getByte(scan) & 0x08;
    copyBytes(image, templateImage, 0x6BB0, 0x6BDB);
    copyBytes(image, templateImage, 0x6BFF, 0x6C09);
    copyBytes(image, templateImage, 0x6C0C, 0x6C25);
    for (int a : {0x6C27, 0x6C54, 0x6C55})
        copyBytes(image, templateImage, a, a);
    image.setByte(display, static_cast<uint8_t>((image.getByte(display) & ~0x13) | keptDisplay));
    image.setByte(scan, static_cast<uint8_t>((image.getByte(scan) & ~0x08) | keptScan));
    for (int a : {0x6BDC, 0x6BDE})
        copyBytes(image, templateImage, a, a);
    // Only destination 6 has weather alerts of its own to keep.
    if (number != 6)
        for (int a : {0x6BEE, 0x6C0B})
            copyBytes(image, templateImage, a, a);
    const uint8_t expanded = image.getByte(scan);
    image.setByte(scan, static_cast<uint8_t>(expansion ? expanded | 0x40 : expanded & ~0x40));
}

void indDestination::convertRecords(cmcEeprom& image, const cmcEeprom& templateImage) const {
    const bool keepAutomatic = automaticLists();
    const auto fit = [&](datCh& record) {
        const int band = bandOf(record.frequency);
        const datCh bandDefault = templateRecord(templateImage, datCh::KindBandDefault, band);
        record.frequency = placeOnGrid(record.frequency, band);
        if (record.kind != datCh::KindScanEdge)
            record.offset = placeOffset(record.offset, band);
        if (!keepAutomatic) {
            if (record.mode == datCh::ModeAuto)
                record.mode = bandDefault.mode;
            if (record.step == datCh::StepAuto)
                record.step = bandDefault.step;
            record.canceller = 0;
            record.trainFrequency = datCh::DefaultTrainFrequency;
        }
        record.store();
    };
    datCh record(&image);
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        record.load(datCh::KindMemory, n);
        if (record.inUse())
            fit(record);
    }
    for (int n = 0; n < mm::ScanEdges; ++n) {
        record.load(datCh::KindScanEdge, n);
        if (record.inUse())
            fit(record);
    }
    int freeEntries = templateImage.getByte(mm::FreeAutoWriteCount);
    for (int n = 0; n < mm::AutoWriteChannels; ++n) {
        record.load(datCh::KindAutoWrite, n);
        if (!record.inUse())
            continue;
        fit(record);
        freeEntries = std::max(freeEntries - 1, 0);
    }
    image.setByte(mm::FreeAutoWriteCount, static_cast<uint8_t>(freeEntries));
}

void indDestination::refit(cmcEeprom& image, const cmcEeprom& templateImage) const {
    datCh record(&image);
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        record.load(datCh::KindMemory, n);
        if (!record.inUse() || !flagged(record.frequency, record.mode))
            continue;
        copyBytes(image, templateImage, mm::memoryChannel(n), mm::memoryChannel(n + 1) - 1);
        copyBytes(image, templateImage, mm::channelFlags(n), mm::channelFlags(n) + 1);
    }
    const datCh emptyEdge = datCh::kindDefault(
        datCh::KindScanEdge, templateRecord(templateImage, datCh::KindBandDefault, 6));
    for (int n = 0; n < mm::ScanEdges; ++n) {
        record.load(datCh::KindScanEdge, n);
        if (!record.inUse() ||
            (!flagged(record.lowEdge, record.mode) && !flagged(record.frequency, record.mode)))
            continue;
        datCh replacement = emptyEdge;
        replacement.bind(&image);
        replacement.store(datCh::KindScanEdge, n);
    }
    for (int n = 0; n < mm::AutoWriteChannels; ++n) {
        record.load(datCh::KindAutoWrite, n);
        if (!record.inUse() || !flagged(record.frequency, record.mode))
            continue;
        record.setInUse(false);
        record.store();
        dropFromAutoWriteOrder(image, n);
        const uint8_t freeEntries = image.getByte(mm::FreeAutoWriteCount);
        if (freeEntries < mm::AutoWriteChannels)
            image.setByte(mm::FreeAutoWriteCount, freeEntries + 1);
    }
    image.rebuildBankIndex();
}
