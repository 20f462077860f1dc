#pragma once

#include "cmcLinkTable.h"

class cmcPageData;

// The links of a program scan link page (cmcPageIndex::FirstLinkPage + link): the row titles, the
// member edge numbers and what the rows show of their member edges.
class cmcScanLinkCells : public cmcLinkTable {
public:
    cmcScanLinkCells(cmcPageData& data, cmcCellHandler& fallback);
};
