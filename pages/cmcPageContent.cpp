#include "cmcPageContent.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcPageIndex.h"
#include "datCh.h"

bool cmcPageContent::anyUsed(const cmcEeprom& image, int kind, int first, int last) {
    // The codec binds a mutable image; loading only reads it.
    datCh record(const_cast<cmcEeprom*>(&image));
    for (int number = first; number <= last; ++number) {
        record.load(kind, number);
        if (record.inUse())
            return true;
    }
    return false;
}

bool cmcPageContent::hasContent(const cmcEeprom& image, int pageIndex) {
    if (pageIndex >= cmcPageIndex::FirstMemoryPage && pageIndex <= cmcPageIndex::LastMemoryPage)
        return anyUsed(image, datCh::KindMemory, pageIndex * 100, pageIndex * 100 + 99);
    if (pageIndex >= cmcPageIndex::FirstBankPage && pageIndex <= cmcPageIndex::LastBankPage) {
        const int bank = pageIndex - cmcPageIndex::FirstBankPage;
        for (int position = 0; position < mm::BankPositions; ++position) {
            if (image.bankEntry(bank, position) != mm::BankEntryFree)
                return true;
        }
        return false;
    }
    if (pageIndex == cmcPageIndex::ScanEdgePage)
        return anyUsed(image, datCh::KindScanEdge, 0, mm::ScanEdges - 1);
    if (pageIndex >= cmcPageIndex::FirstLinkPage && pageIndex <= cmcPageIndex::LastLinkPage) {
        const int base = (pageIndex - cmcPageIndex::FirstLinkPage) * datCh::ScanLinkRows;
        return anyUsed(image, datCh::KindScanLink, base + 1, base + datCh::ScanLinkRows - 1);
    }
    if (pageIndex == cmcPageIndex::AutoWritePage)
        return image.getByte(mm::AutoWriteOrderEnd) < mm::AutoWriteChannels;
    return true;
}
