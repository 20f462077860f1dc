#include "cmcListPageCells.h"

#include "cmcAutoWriteFields.h"
#include "cmcBankCells.h"
#include "cmcLinkNameCells.h"
#include "cmcMemFields.h"
#include "cmcPageIndex.h"
#include "cmcScanEdgeFields.h"
#include "cmcScanLinkCells.h"

std::unique_ptr<cmcCellHandler> cmcListPageCells::create(int pageIndex, cmcPageData& data,
                                                         cmcCellHandler& fallback) {
    using P = cmcPageIndex;
    if (pageIndex >= P::FirstMemoryPage && pageIndex <= P::LastMemoryPage)
        return std::make_unique<cmcMemFields>(data, fallback);
    if (pageIndex >= P::FirstBankPage && pageIndex <= P::LastBankPage)
        return std::make_unique<cmcBankCells>(data, pageIndex, fallback);
    if (pageIndex == P::ScanEdgePage)
        return std::make_unique<cmcScanEdgeFields>(data, fallback);
    if (pageIndex >= P::FirstLinkPage && pageIndex <= P::LastLinkPage)
        return std::make_unique<cmcScanLinkCells>(data, fallback);
    if (pageIndex == P::AutoWritePage)
        return std::make_unique<cmcAutoWriteFields>(data, fallback);
    if (pageIndex == P::LinkNamePage)
        return std::make_unique<cmcLinkNameCells>(data, fallback);
    return nullptr;
}
