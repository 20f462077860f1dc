#include "cmcLinkEntry.h"

#include "MemoryMap.h"
#include "cmcPageData.h"

bool cmcLinkEntry::valid(int record) {
    return record >= 0 && record < mm::ScanLinks * datCh::ScanLinkRows;
}

datCh cmcLinkEntry::load(cmcPageData& data, int record) {
    datCh entry(&data.image());
    entry.load(datCh::KindScanLink, record);
    return entry;
}
