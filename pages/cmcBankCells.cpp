#include "cmcBankCells.h"

#include "MemoryMap.h"
#include "cmcBankCaption.h"
#include "cmcBankSelectCell.h"
#include "cmcCellNames.h"
#include "cmcPageIndex.h"
#include "datCh.h"

cmcBankCells::cmcBankCells(cmcPageData& data, int pageIndex, cmcCellHandler& fallback)
    : fields(data, bankOf(pageIndex), fallback), links(fields) {
    links.add(cmcCellNames::CL_Mch_Select_ChNo,
              std::make_unique<cmcBankSelectCell>(data, bankOf(pageIndex), fallback));
}

int cmcBankCells::bankOf(int pageIndex) {
    const int bank = pageIndex - cmcPageIndex::FirstBankPage;
    return bank >= 0 && bank < mm::Banks ? bank : datCh::NoBank;
}
