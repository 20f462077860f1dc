#include "cmcBankNameCells.h"

#include "cmcBankNameCell.h"
#include "cmcCellNames.h"

cmcBankNameCells::cmcBankNameCells(cmcPageData& data, cmcCellHandler& fallback)
    : cmcLinkTable(fallback) {
    add(cmcCellNames::CL_Bank_Name, std::make_unique<cmcBankNameCell>(data));
}
