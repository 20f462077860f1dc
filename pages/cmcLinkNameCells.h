#pragma once

#include "cmcLinkTable.h"

class cmcPageData;

// The links of the program scan link name page (cmcPageIndex::LinkNamePage).
class cmcLinkNameCells : public cmcLinkTable {
public:
    cmcLinkNameCells(cmcPageData& data, cmcCellHandler& fallback);
};
