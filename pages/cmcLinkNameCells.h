#pragma once

#include "cmcLinkTable.h"

class cmcPageData;

// The links of the program scan link name page (page index 48).
class cmcLinkNameCells : public cmcLinkTable {
public:
    cmcLinkNameCells(cmcPageData& data, cmcCellHandler& fallback);
};
