#include "cmcBankTitle.h"

#include "MemoryMap.h"
#include "cmcBankCaption.h"
#include "cmcGTex.h"
#include "datCh.h"

namespace {

constexpr int GapToCount = 6;

} // namespace

// A page without a bank has no caption, and keeps the title of its definition.
QByteArray cmcBankTitle::title(const cmcEeprom& image, cmcGTex& table, int bank) {
    if (bank < 0 || bank >= mm::Banks)
        return {};
    return ' ' + cmcBankCaption::text(image, table, bank);
}

QByteArray cmcBankTitle::label(const cmcEeprom& image, cmcGTex& table, int bank, int freeChannels) {
    return title(image, table, bank) + QByteArray(GapToCount, ' ') +
           cmcGTex::formatted(table.GetText("GI_Bank_RemainCH"), freeChannels);
}

int cmcBankTitle::freeChannels(const cmcEeprom& image) {
    return datCh::emptyChannelCount(image);
}
