#include "cmcBankCaption.h"

#include "MemoryMap.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcPageIndex.h"
#include "cmcTextEntry.h"

char cmcBankCaption::letter(cmcGTex& table, int bank) {
    const QByteArray letters = table.GetText("GI_Sys_UsableBank");
    return bank >= 0 && bank < letters.size() ? letters[bank] : ' ';
}

QByteArray cmcBankCaption::text(const cmcEeprom& image, cmcGTex& table, int bank) {
    QByteArray caption(1, letter(table, bank));
    return caption.append(": ").append(
        cmcTextEntry::imageText(image, mm::bankName(bank), mm::NameSize));
}

void cmcBankCaption::send(cmcEvMan& events, const cmcEeprom& image, cmcGTex& table, int bank) {
    events.SendText(cmcEventId::TreeCaption, 0, cmcPageIndex::FirstBankPage + bank,
                    text(image, table, bank).constData());
}

void cmcBankCaption::sendAll(cmcEvMan& events, const cmcEeprom& image, cmcGTex& table) {
    for (int bank = 0; bank < mm::Banks; ++bank)
        send(events, image, table, bank);
}
