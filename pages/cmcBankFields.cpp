#include "cmcBankFields.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageData.h"
#include "cmcPrompt.h"
#include "datCh.h"

namespace {

constexpr int NoChannel = -1;

} // namespace

cmcBankFields::cmcBankFields(cmcPageData& data, int bank, cmcCellHandler& fallback)
    : cmcMemFields(data, fallback), bank(bank) {}

int cmcBankFields::category() const {
    return cmcCellNames::CT_BankCh;
}

int cmcBankFields::rowCount() const {
    return mm::BankPositions;
}

datCh cmcBankFields::record(int row) {
    datCh channel(&data.image());
    const uint16_t entry = data.image().bankEntry(bank, row);
    if (entry < mm::MemoryChannels) {
        channel.load(datCh::KindBank, entry);
        return channel;
    }
    channel.reset();
    channel.kind = datCh::KindBank;
    channel.number = NoChannel;
    channel.setInUse(false);
    channel.bankGroup = bank;
    channel.bankPosition = row;
    return channel;
}

// A position that several channels claim shows none of them; it is set right by choosing its
// channel, not by creating yet another claimant.
bool cmcBankFields::editable(int row) const {
    return bank >= 0 && bank < mm::Banks &&
           data.image().bankEntry(bank, row) != mm::BankEntryConflict;
}

bool cmcBankFields::place(datCh& channel) {
    if (channel.number != NoChannel)
        return true;
    const int empty = datCh::firstEmptyChannel(data.image(), 0);
    if (empty == NoChannel) {
        tellNoSpace();
        return false;
    }
    channel.number = empty;
    return true;
}

void cmcBankFields::tellNoSpace() {
    cmcEvMan& events = data.events();
    events.Post(cmcEventId::MessageBoxShown, 1);
    data.prompt().message(
        cmcPrompt::titled(data.table().multiLineText("GI_AppMess_BankChErr_NoChSpace"),
                          cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Stop));
    events.Post(cmcEventId::MessageBoxShown, 0);
}
