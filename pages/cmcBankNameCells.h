#pragma once

#include "cmcLinkTable.h"

class cmcPageData;

// The links of the bank name page.
class cmcBankNameCells : public cmcLinkTable {
public:
    cmcBankNameCells(cmcPageData& data, cmcCellHandler& fallback);
};
