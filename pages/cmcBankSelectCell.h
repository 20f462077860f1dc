#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>
#include <optional>

class cmcPageData;

// "CH Select" of a bank page: the memory channel a position holds, typed as its number. A
// number puts that channel at the position, an empty entry empties the position; whatever sat
// there leaves the bank.
class cmcBankSelectCell : public cmcCellHandler {
public:
    cmcBankSelectCell(cmcPageData& data, int bank, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    bool isPosition(int position) const;
    int startEditor(datCellReq& request, int position);
    int commit(const QByteArray& input, int position);
    // Every used channel that claims the position leaves the bank; true when one did.
    bool vacate(int position, std::optional<int> staying);
    void seat(int channel, int position);
    int changed();

    cmcPageData& data;
    cmcCellHandler& fallback;
    int bank;
};
