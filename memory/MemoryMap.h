#pragma once

#include <cstdint>

// Addresses and sizes of the EEPROM image. The receiver area is exactly the receiver's
// configuration memory; the bank index above it is the program's own and is never cloned.
namespace mm {

constexpr int ImageSize = 0x9130;
constexpr int ReceiverSize = 0x6E60;
constexpr int ReceiverEnd = 0x6E5F;

constexpr int MemoryChannels = 1300;
constexpr int AutoWriteChannels = 200;
constexpr int ScanEdges = 25;
constexpr int ScanLinks = 10;
constexpr int Banks = 22;
constexpr int BankPositions = 100;
constexpr int BandRecords = 11;
// Band default records 0 .. 10, then the two records in band-default layout that open the
// common settings block: thirteen records at consecutive addresses.
constexpr int BandLayoutRecords = 13;
constexpr int RecordSize = 16;

constexpr int MemoryChannelBase = 0x0000;
constexpr int AutoWriteBase = 0x5140;
constexpr int ScanEdgeBase = 0x5DC0;
constexpr int ChannelFlagBase = 0x5F80;
constexpr int ScanEdgeFlagBase = 0x69A8;
constexpr int AutoWriteEmptyMap = 0x6A10;
constexpr int AutoWriteOrder = 0x6A30;
constexpr int AutoWriteOrderEnd = 0x6AF7;
constexpr int BandDefaultBase = 0x6B00;
constexpr int CommonBase = 0x6BB0;
constexpr int CommonSize = 124;
constexpr int FreeAutoWriteCount = CommonBase + 118;
constexpr int BankLinkFlags = CommonBase + 120;
constexpr int ScanLinkMemberBase = 0x6C2C;
constexpr int ConversionKeptBase = 0x6C54;
constexpr int Comment = 0x6D00;
constexpr int CommentSize = 16;
constexpr int BankNameBase = 0x6D10;
constexpr int ScanLinkNameBase = 0x6DC0;
constexpr int NameSlotSize = 8;
constexpr int NameSize = 6;
constexpr int FormatRevision = 0x6E40;
constexpr int Signature = 0x6E50;
constexpr char SignatureText[] = "VemoCloneFormat3";
constexpr int SignatureSize = 16;

constexpr int BankIndexBase = 0x8000;
constexpr uint16_t BankEntryFree = 0xFFFF;
constexpr uint16_t BankEntryConflict = 0xFFFE;

constexpr int memoryChannel(int n) {
    return MemoryChannelBase + RecordSize * n;
}
constexpr int channelFlags(int n) {
    return ChannelFlagBase + 2 * n;
}
constexpr int autoWrite(int n) {
    return AutoWriteBase + RecordSize * n;
}
constexpr int scanEdge(int n) {
    return ScanEdgeBase + RecordSize * n;
}
constexpr int scanEdgeFlags(int n) {
    return ScanEdgeFlagBase + 4 * n;
}
constexpr int bandDefault(int n) {
    return BandDefaultBase + RecordSize * n;
}
constexpr int scanLinkMembers(int k) {
    return ScanLinkMemberBase + 4 * k;
}
constexpr int bankName(int b) {
    return BankNameBase + NameSlotSize * b;
}
constexpr int scanLinkName(int k) {
    return ScanLinkNameBase + NameSlotSize * k;
}
constexpr int bankIndexEntry(int bank, int position) {
    return BankIndexBase + 2 * (BankPositions * bank + position);
}

// A range table ends at the first pair whose end is below its start.
struct Range {
    int32_t start;
    int32_t end;
};

// The order in which a write sends the receiver area.
constexpr Range WriteRanges[] = {{0x0000, 0x5F7F}, {0x5F80, 0x6AFF}, {0x6B00, 0x6CFF},
                                 {0x6D00, 0x6E3F}, {0x6E40, 0x6E5F}, {1, 0}};
// What a read from the receiver and a clone file must cover.
constexpr Range ReadRanges[] = {{0x0000, 0x6E5F}, {1, 0}};

// Sum of end - start + 1 over the pairs of a range table.
constexpr int rangeByteCount(const Range* table) {
    int count = 0;
    for (; table->end >= table->start; ++table)
        count += table->end - table->start + 1;
    return count;
}

} // namespace mm
