#pragma once

#include "cuiSheet.h"

// A list page whose columns can vanish: a column with a hidden cell is 0 wide (with a 0-wide
// neighbour on its left kept so) and the cursor skips it.
class iuiSh_ColCut : public cuiSheet {
    Q_OBJECT
public:
    using cuiSheet::cuiSheet;

protected:
    void fillPass() override;
    virtual bool hiddenCell(const cmcCellObj& cell) const {
        (void)cell;
        return false;
    }

private:
    bool columnHidden(int column) const;
};
