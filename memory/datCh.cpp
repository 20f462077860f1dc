#include "datCh.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"

#include <algorithm>

namespace {

constexpr uint32_t LowerLimit = 100000;
constexpr uint32_t UpperLimit = 1310000000;
constexpr int VscNibble = 4;
constexpr int RasterOrder[] = {datCh::Raster9k, datCh::Raster5k, datCh::Raster6_25k,
                               datCh::Raster8_33k};

uint32_t saturated(uint64_t value) {
    return static_cast<uint32_t>(std::min<uint64_t>(value, 0xFFFFFFFFu));
}

bool fits(uint32_t value, int raster) {
    switch (raster) {
    case datCh::Raster9k:
        return value % 9000 == 0;
    case datCh::Raster5k:
        return value % 5000 == 0;
    case datCh::Raster6_25k:
        return value % 6250 == 0;
    default: // 8.33 kHz channels are written with a last digit of 3 or 6
        return value % 8333 == 0 || value % 10 == 3 || value % 10 == 6;
    }
}

int firstFit(uint32_t value) {
    for (int raster : RasterOrder)
        if (fits(value, raster))
            return raster;
    return datCh::Raster5k;
}

// Only blank to "_" can be stored; small letters become capitals, anything else a blank.
uint8_t nameCode(char c) {
    if (c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 'a' + 'A');
    if (c < ' ' || c > '_')
        c = ' ';
    return static_cast<uint8_t>(c - ' ');
}

bool numberValid(int kind, int number) {
    int highest = -1;
    switch (kind) {
    case datCh::KindMemory:
    case datCh::KindBank:
        highest = mm::MemoryChannels - 1;
        break;
    case datCh::KindScanEdge:
        highest = mm::ScanEdges - 1;
        break;
    case datCh::KindScanLink:
        highest = mm::ScanLinks * datCh::ScanLinkRows - 1;
        break;
    case datCh::KindAutoWrite:
        highest = mm::AutoWriteChannels - 1;
        break;
    case datCh::KindBandDefault:
        highest = mm::BandLayoutRecords - 1;
        break;
    }
    return number >= 0 && number <= highest;
}

} // namespace

void datCh::reset() {
    cmcEeprom* keep = image;
    *this = datCh(keep);
}

void datCh::load(int loadKind, int loadNumber) {
    reset();
    kind = loadKind;
    number = loadNumber;
    if (!image || !numberValid(kind, number))
        return;
    switch (kind) {
    case KindMemory:
    case KindBank:
        loadChannel(mm::memoryChannel(number));
        loadChannelFlags(number);
        break;
    case KindScanEdge:
        loadScanEdge(number);
        break;
    case KindScanLink:
        loadScanLink(number);
        break;
    case KindAutoWrite:
        loadAutoWrite(number);
        break;
    case KindBandDefault:
        loadBandDefault(number);
        break;
    }
}

void datCh::store(int storeKind, int storeNumber) {
    if (storeKind == KindNone) {
        storeKind = kind;
        storeNumber = number;
    }
    if (!image || !numberValid(storeKind, storeNumber))
        return;
    switch (storeKind) {
    case KindMemory:
    case KindBank:
        storeChannel(mm::memoryChannel(storeNumber));
        storeChannelFlags(storeNumber);
        break;
    case KindScanEdge:
        storeScanEdge(storeNumber);
        break;
    case KindScanLink:
        storeScanLink(storeNumber);
        break;
    case KindAutoWrite:
        storeAutoWrite(storeNumber);
        break;
    }
}

uint32_t datCh::word32(int address) const {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | image->getByte(address + i);
    return value;
}

void datCh::setWord32(int address, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        image->setByte(address + i, static_cast<uint8_t>(value >> (8 * i)));
}

void datCh::loadChannel(int base) {
    uint8_t b[11];
    for (int i = 0; i < 11; ++i)
        b[i] = image->getByte(base + i);
    frequencyRaster = (b[2] >> 4) & 3;
    offsetRaster = b[2] >> 6;
    frequency = decode(b[0] | b[1] << 8 | (b[2] & 0x0F) << 16, frequencyRaster);
    offset = decode(b[5] | b[6] << 8, offsetRaster);
    step = b[3] & 0x0F;
    mode = (b[3] >> 4) & 3;
    attenuator = (b[3] >> 6) & 1;
    afFilter = b[3] >> 7;
    toneMode = b[4] & 0x0F;
    duplex = (b[4] >> 4) & 3;
    toneIndex = b[7];
    dtcsIndex = b[8] & 0x7F;
    dtcsPolarity = b[8] >> 7;
    const int nibble = b[10] & 0x0F;
    vsc = nibble == VscNibble;
    canceller = vsc ? 0 : nibble;
    trainFrequency = ((b[9] * 2u) + (b[10] >> 7)) * 10;
}

void datCh::storeChannel(int base) {
    chooseRasters(frequency, offset, frequencyRaster, offsetRaster);
    const uint32_t count = encode(frequency, frequencyRaster) & 0xFFFFF;
    // An offset beyond the 16-bit count keeps the largest count rather than wrapping to a
    // small one.
    const uint32_t offsetCount = std::min<uint32_t>(encode(offset, offsetRaster), 0xFFFF);
    const int storedTone = (!vsc && canceller != 0) ? 0 : toneMode;
    const uint32_t train = trainFrequency / 10;
    uint8_t b[11];
    b[0] = count & 0xFF;
    b[1] = (count >> 8) & 0xFF;
    b[2] = static_cast<uint8_t>((count >> 16) | frequencyRaster << 4 | offsetRaster << 6);
    b[3] = static_cast<uint8_t>((step & 0x0F) | (mode & 3) << 4 | (attenuator & 1) << 6 |
                                (afFilter & 1) << 7);
    b[4] = static_cast<uint8_t>((storedTone & 0x0F) | (duplex & 3) << 4);
    b[5] = offsetCount & 0xFF;
    b[6] = offsetCount >> 8;
    b[7] = static_cast<uint8_t>(toneIndex);
    b[8] = static_cast<uint8_t>((dtcsIndex & 0x7F) | (dtcsPolarity & 1) << 7);
    b[9] = static_cast<uint8_t>(train >> 1);
    b[10] = static_cast<uint8_t>((vsc ? VscNibble : canceller & 0x0F) | (train & 1) << 7);
    image->writeBlock(base, b, 11);
}

void datCh::loadChannelFlags(int n) {
    const uint8_t first = image->getByte(mm::channelFlags(n));
    setInUse(!(first & 0x80));
    skip = (first & 0x40) ? 3 : (first & 0x20) ? 1 : 0;
    bankGroup = first & 0x1F;
    bankPosition = image->getByte(mm::channelFlags(n) + 1);
    if (bankGroup >= mm::Banks || !inUse()) {
        bankGroup = NoBank;
        bankPosition = 0;
    }
    const int base = mm::memoryChannel(n) + 11;
    uint64_t bits = 0;
    for (int i = 0; i < 5; ++i)
        bits = bits << 8 | image->getByte(base + i);
    for (int i = 0; i < 6; ++i)
        name[i] = static_cast<char>(((bits >> (6 * (5 - i))) & 0x3F) + ' ');
}

void datCh::storeChannelFlags(int n) {
    uint64_t bits = 0;
    for (char c : name)
        bits = bits << 6 | nameCode(c);
    const int base = mm::memoryChannel(n) + 11;
    for (int i = 0; i < 5; ++i)
        image->setByte(base + i, static_cast<uint8_t>(bits >> (8 * (4 - i))));
    const int position = bankGroup >= mm::Banks ? 0 : bankPosition;
    const uint8_t first = static_cast<uint8_t>((bankGroup & 0x1F) | (inUse() ? 0 : 0x80) |
                                               (skip & 1) << 5 | ((skip >> 1) & 1) << 6);
    image->setByte(mm::channelFlags(n), first);
    image->setByte(mm::channelFlags(n) + 1, static_cast<uint8_t>(position));
}

// An edge counts only when its value lies within the limits and its not-set flag is clear.
bool datCh::edgeSet(uint32_t stored, int flagAddress) const {
    return stored >= 3 * LowerLimit && stored < 3 * UpperLimit &&
           !(image->getByte(flagAddress) & 0x80);
}

void datCh::loadScanEdge(int n) {
    const int base = mm::scanEdge(n);
    const uint32_t low = word32(base);
    const uint32_t high = word32(base + 4);
    lowEdge = low / 3;
    frequency = high / 3;
    const int flagBase = mm::scanEdgeFlags(n);
    setInUse(edgeSet(low, flagBase) && edgeSet(high, flagBase + 2));
    const uint8_t b8 = image->getByte(base + 8);
    const uint8_t b9 = image->getByte(base + 9);
    step = b8 & 0x0F;
    mode = b8 >> 4;
    lowEdgeRaster = b9 & 3;
    frequencyRaster = (b9 >> 2) & 3;
    attenuator = (b9 >> 4) & 3;
    for (int i = 0; i < 6; ++i)
        name[i] = static_cast<char>(image->getByte(base + 10 + i));
}

void datCh::storeScanEdge(int n) {
    const int base = mm::scanEdge(n);
    const bool used = inUse();
    const uint32_t low = used ? lowEdge : 0;
    const uint32_t high = used ? frequency : 0;
    const int flagBase = mm::scanEdgeFlags(n);
    for (int i : {0, 2}) {
        const uint8_t flag = image->getByte(flagBase + i);
        image->setByte(flagBase + i, static_cast<uint8_t>(used ? flag & 0x7F : flag | 0x80));
    }
    int unusedRaster = 0;
    chooseRasters(low, 0, lowEdgeRaster, unusedRaster);
    chooseRasters(high, 0, frequencyRaster, unusedRaster);
    setWord32(base, saturated(3ull * low));
    setWord32(base + 4, saturated(3ull * high));
    image->setByte(base + 8, static_cast<uint8_t>((step & 0x0F) | (mode & 0x0F) << 4));
    image->setByte(base + 9, static_cast<uint8_t>(lowEdgeRaster | frequencyRaster << 2 |
                                                  (attenuator & 3) << 4));
    for (int i = 0; i < 6; ++i)
        image->setByte(base + 10 + i, static_cast<uint8_t>(used ? name[i] : ' '));
}

void datCh::loadScanLink(int entry) {
    flags = 0;
    memberEdge = NoEdge;
    const int row = entry % ScanLinkRows;
    if (row == 0)
        return;
    const uint32_t members = word32(mm::scanLinkMembers(entry / ScanLinkRows));
    int seen = 0;
    for (int edge = 0; edge < mm::ScanEdges; ++edge) {
        if (!(members >> edge & 1) || ++seen < row)
            continue;
        const int base = mm::scanEdge(edge);
        const uint32_t low = word32(base);
        const uint32_t high = word32(base + 4);
        memberEdge = edge;
        memberFlag = 1;
        lowEdge = low / 3;
        frequency = high / 3;
        const int flagBase = mm::scanEdgeFlags(edge);
        flags = InUse | (edgeSet(low, flagBase) ? LowEdgeValid : 0) |
                (edgeSet(high, flagBase + 2) ? HighEdgeValid : 0);
        for (int i = 0; i < 6; ++i)
            name[i] = static_cast<char>(image->getByte(base + 10 + i));
        return;
    }
}

void datCh::storeScanLink(int entry) {
    if (memberEdge < 0 || memberEdge >= mm::ScanEdges)
        return;
    const int address = mm::scanLinkMembers(entry / ScanLinkRows);
    uint32_t members = word32(address);
    const uint32_t bit = 1u << memberEdge;
    members = memberFlag == 1 ? members | bit : members & ~bit;
    setWord32(address, members);
}

void datCh::loadAutoWrite(int n) {
    loadChannel(mm::autoWrite(n));
    const uint8_t map = image->getByte(mm::AutoWriteEmptyMap + n / 8);
    setInUse(!(map >> (n % 8) & 1));
    bankGroup = NoBank;
    bankPosition = 0;
}

void datCh::storeAutoWrite(int n) {
    storeChannel(mm::autoWrite(n));
    const int address = mm::AutoWriteEmptyMap + n / 8;
    const uint8_t bit = static_cast<uint8_t>(1 << (n % 8));
    const uint8_t map = image->getByte(address);
    image->setByte(address, static_cast<uint8_t>(inUse() ? map & ~bit : map | bit));
}

void datCh::loadBandDefault(int n) {
    const int base = mm::bandDefault(n);
    frequency = word32(base) / 3;
    offset = word32(base + 4) / 3;
    uint8_t b[16];
    image->readBlock(base, b, 16);
    step = b[8];
    toneIndex = b[9];
    dtcsIndex = b[10];
    frequencyRaster = b[11] & 0x0F;
    offsetRaster = b[11] >> 4;
    toneMode = b[12] & 0x0F;
    mode = (b[12] >> 4) & 3;
    duplex = b[12] >> 6;
    attenuator = b[13] & 1;
    dtcsPolarity = (b[13] >> 1) & 1;
    afFilter = (b[13] >> 2) & 1;
    vsc = (b[13] >> 4) == VscNibble;
    canceller = vsc ? 0 : b[13] >> 4;
    trainFrequency = b[14] | b[15] << 8;
    bankGroup = NoBank;
    bankPosition = 0;
}

void datCh::storeBandDefault(int n) {
    if (!image || !numberValid(KindBandDefault, n))
        return;
    chooseRasters(frequency, offset, frequencyRaster, offsetRaster);
    const int base = mm::bandDefault(n);
    setWord32(base, saturated(3ull * frequency));
    setWord32(base + 4, saturated(3ull * offset));
    uint8_t b[8];
    b[0] = static_cast<uint8_t>(step);
    b[1] = static_cast<uint8_t>(toneIndex);
    b[2] = static_cast<uint8_t>(dtcsIndex);
    b[3] = static_cast<uint8_t>(frequencyRaster | offsetRaster << 4);
    b[4] = static_cast<uint8_t>((toneMode & 0x0F) | (mode & 3) << 4 | (duplex & 3) << 6);
    b[5] = static_cast<uint8_t>((attenuator & 1) | (dtcsPolarity & 1) << 1 | (afFilter & 1) << 2 |
                                (vsc ? VscNibble : canceller & 0x0F) << 4);
    b[6] = trainFrequency & 0xFF;
    b[7] = (trainFrequency >> 8) & 0xFF;
    image->writeBlock(base + 8, b, 8);
}

datCh datCh::kindDefault(int kind, const datCh& bandDefault) {
    datCh record = bandDefault;
    record.kind = kind;
    if (kind == KindScanEdge) {
        record.step = StepUnset;
        record.mode = ModeUnset;
        record.attenuator = 2;
        record.lowEdge = 0;
        record.frequency = 0;
        record.setInUse(false);
    } else if (kind != KindAutoWrite) {
        record.lowEdge = record.frequency;
    }
    return record;
}

void datCh::chooseRasters(uint32_t frequency, uint32_t offset, int& frequencyRaster,
                          int& offsetRaster) {
    for (int raster : RasterOrder) {
        if (fits(frequency, raster) && fits(offset, raster)) {
            frequencyRaster = offsetRaster = raster;
            return;
        }
    }
    frequencyRaster = firstFit(frequency);
    offsetRaster = firstFit(offset);
}

uint32_t datCh::encode(uint32_t value, int raster) {
    switch (raster) {
    case Raster5k:
        return value / 5000;
    case Raster6_25k:
        return value / 6250;
    case Raster8_33k: {
        const uint64_t thirds = 3ull * value;
        return static_cast<uint32_t>(thirds / 25000 + (thirds % 25000 > 12500 ? 1 : 0));
    }
    default:
        return value / 9000;
    }
}

// Counts from outside the codec may exceed what a frequency can hold; such values saturate
// far above the upper limit instead of wrapping into a band.
uint32_t datCh::decode(uint32_t count, int raster) {
    switch (raster) {
    case Raster5k:
        return saturated(count * 5000ull);
    case Raster6_25k:
        return saturated(count * 6250ull);
    case Raster8_33k:
        return saturated(count * 25000ull / 3);
    default:
        return saturated(count * 9000ull);
    }
}

bool datCh::kindRange(int kind, int& lowest, int& highest) {
    lowest = 0;
    switch (kind) {
    case KindMemory:
        highest = mm::MemoryChannels - 1;
        return true;
    case KindBank:
        highest = mm::BankPositions - 1;
        return true;
    case KindScanEdge:
    case KindScanLink:
        highest = mm::ScanEdges - 1;
        return true;
    case KindAutoWrite:
        highest = mm::AutoWriteChannels - 1;
        return true;
    case KindBandDefault:
        highest = mm::BandLayoutRecords - 1;
        return true;
    default:
        highest = -1;
        return false;
    }
}

int datCh::firstEmptyChannel(const cmcEeprom& image, int from) {
    for (int n = std::max(from, 0); n < mm::MemoryChannels; ++n)
        if (image.getByte(mm::channelFlags(n)) & 0x80)
            return n;
    return -1;
}

int datCh::emptyChannelCount(const cmcEeprom& image) {
    int count = 0;
    for (int n = 0; n < mm::MemoryChannels; ++n)
        count += (image.getByte(mm::channelFlags(n)) & 0x80) != 0;
    return count;
}
