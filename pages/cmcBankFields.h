#pragma once

#include "cmcMemFields.h"

// The memory channel fields of a bank page's positions: each row shows the channel that the
// bank index places there. A frequency typed into an empty position creates a channel in the
// lowest empty memory channel, at that position.
class cmcBankFields : public cmcMemFields {
public:
    cmcBankFields(cmcPageData& data, int bank, cmcCellHandler& fallback);

protected:
    int category() const override;
    int rowCount() const override;
    datCh record(int row) override;
    bool editable(int row) const override;
    bool place(datCh& record) override;

private:
    void tellNoSpace();

    int bank;
};
