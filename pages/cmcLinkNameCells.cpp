#include "cmcLinkNameCells.h"

#include "cmcCellNames.h"
#include "cmcLinkNameCell.h"

cmcLinkNameCells::cmcLinkNameCells(cmcPageData& data, cmcCellHandler& fallback)
    : cmcLinkTable(fallback) {
    add(cmcCellNames::CL_PgLink_Name, std::make_unique<cmcLinkNameCell>(data, fallback));
}
