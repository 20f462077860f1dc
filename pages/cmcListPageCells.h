#pragma once

#include "cmcCellHandler.h"

#include <memory>

class cmcPageData;

// The family of link behaviours behind the cells of a list page, by page index: memory
// channels, bank channels, scan edges, scan links, auto-write channels and scan link names.
// Links outside the family, popup commands and function keys go to the fallback handler.
class cmcListPageCells {
public:
    // None for a page index without a list family (the common settings page, for one).
    static std::unique_ptr<cmcCellHandler> create(int pageIndex, cmcPageData& data,
                                                  cmcCellHandler& fallback);
};
