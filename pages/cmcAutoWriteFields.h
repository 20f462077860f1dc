#pragma once

#include "cmcMemFields.h"

// The auto-write page (cmcPageIndex::AutoWritePage): the slots the receiver wrote, in the order it
// wrote them, with the memory channel fields. The page only shows them; copying is the way into
// memory.
class cmcAutoWriteFields : public cmcMemFields {
public:
    cmcAutoWriteFields(cmcPageData& data, cmcCellHandler& fallback);

protected:
    int category() const override;
    int rowCount() const override;
    datCh record(int row) override;
    bool editable(int row) const override;
};
