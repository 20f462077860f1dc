#include "cmcCsvPage.h"

#include "MemoryMap.h"
#include "cmcAutoWriteOrder.h"
#include "cmcEeprom.h"
#include "cmcMemFieldTable.h"
#include "cmcPageIndex.h"

namespace {

using P = cmcPageIndex;

datCh emptyRecord(cmcEeprom& image, int kind) {
    datCh record(&image);
    record.reset();
    record.kind = kind;
    record.setInUse(false);
    return record;
}

} // namespace

std::optional<cmcCsvPage> cmcCsvPage::of(int pageIndex, int firstRecord) {
    if (pageIndex >= P::FirstMemoryPage && pageIndex <= P::LastMemoryPage && firstRecord >= 0 &&
        firstRecord <= mm::MemoryChannels - mm::BankPositions)
        return cmcCsvPage(datCh::KindMemory, firstRecord, datCh::NoBank);
    if (pageIndex >= P::FirstBankPage && pageIndex <= P::LastBankPage)
        return cmcCsvPage(datCh::KindBank, 0, pageIndex - P::FirstBankPage);
    if (pageIndex == P::ScanEdgePage)
        return cmcCsvPage(datCh::KindScanEdge, 0, datCh::NoBank);
    if (pageIndex == P::AutoWritePage)
        return cmcCsvPage(datCh::KindAutoWrite, 0, datCh::NoBank);
    return std::nullopt;
}

cmcCsvLayout::Kind cmcCsvPage::layout() const {
    return recordKind == datCh::KindScanEdge ? cmcCsvLayout::ScanEdges : cmcCsvLayout::Channels;
}

int cmcCsvPage::rowCount() const {
    switch (recordKind) {
    case datCh::KindScanEdge:
        return mm::ScanEdges;
    case datCh::KindAutoWrite:
        return mm::AutoWriteChannels;
    default:
        return mm::BankPositions;
    }
}

datCh cmcCsvPage::record(cmcEeprom& image, int row) const {
    int number = first + row;
    if (recordKind == datCh::KindBank) {
        const uint16_t entry = image.bankEntry(bankNumber, row);
        number = entry < mm::MemoryChannels ? entry : -1;
    } else if (recordKind == datCh::KindAutoWrite) {
        number = cmcAutoWriteOrder::slotAt(image, row);
    }
    if (number < 0)
        return emptyRecord(image, recordKind);
    datCh record(&image);
    record.load(recordKind, number);
    // A channel whose frequency no receiver takes shows as an empty row.
    if (layout() == cmcCsvLayout::Channels && !cmcMemFieldTable::shown(record))
        record.setInUse(false);
    return record;
}

void cmcCsvPage::clear(cmcEeprom& image) const {
    datCh record(&image);
    if (recordKind == datCh::KindBank) {
        // Every claimant of a position counts, not only the one the bank index shows.
        for (int n = 0; n < mm::MemoryChannels; ++n) {
            record.load(datCh::KindBank, n);
            if (record.inUse() && record.bankGroup == bankNumber)
                clearChannel(record);
        }
        return;
    }
    // The auto-write page lists its slots through the order list, which an import rewrites:
    // every slot is cleared, not only the listed ones.
    const int count = recordKind == datCh::KindAutoWrite ? mm::AutoWriteChannels : rowCount();
    const int base = recordKind == datCh::KindAutoWrite ? 0 : first;
    for (int n = base; n < base + count; ++n) {
        record.load(recordKind, n);
        if (record.inUse())
            clearChannel(record);
    }
}

void cmcCsvPage::clearChannel(datCh& record) const {
    record.setInUse(false);
    record.bankGroup = datCh::NoBank;
    record.bankPosition = datCh::NoBank;
    record.store();
}
