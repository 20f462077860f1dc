#include "iuiSh_ColCutBank.h"

#include "MemoryMap.h"
#include "cmcBankCaption.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcEvent.h"
#include "cmcGTex.h"
#include "cmcPageCall.h"
#include "cmcPageContent.h"
#include "cmcPageData.h"
#include "datCh.h"

namespace {

enum Event { PageShown = 41, PageIndex = 44 };

} // namespace

iuiSh_ColCutBank::iuiSh_ColCutBank(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table,
                                   const cmcPageCall& call, cmcPageData& pageData)
    : iuiSh_ColCut_A(owner, dispatch, table, call, pageData),
      bank(call.pageIndex >= cmcPageContent::FirstBankPage &&
                   call.pageIndex <= cmcPageContent::LastBankPage
               ? call.pageIndex - cmcPageContent::FirstBankPage
               : NoBank) {
    // Rows are positions, not records.
    setIndexBase(0);
}

QByteArray iuiSh_ColCutBank::caption() const {
    if (bank == NoBank)
        return {};
    return ' ' + cmcBankCaption::text(data.image(), data.table(), bank);
}

int iuiSh_ColCutBank::freeChannels() const {
    datCh channel(&data.image());
    int free = 0;
    for (int number = 0; number < mm::MemoryChannels; ++number) {
        channel.load(datCh::KindMemory, number);
        free += channel.inUse() ? 0 : 1;
    }
    return free;
}

void iuiSh_ColCutBank::Show() {
    iuiSh_ColCut_A::Show();
    data.events().Send(PageShown);
}

QByteArray iuiSh_ColCutBank::sheetName() const {
    return caption();
}

void iuiSh_ColCutBank::styleKey(QByteArrayView group) {
    iuiSh_ColCut_A::styleKey(group);
    const QByteArray title = caption();
    if (!title.trimmed().isEmpty())
        setTitle(title);
}

QByteArray iuiSh_ColCutBank::titleText() const {
    return caption() + "      " +
           cmcGTex::formatted(data.table().GetText("GI_Bank_RemainCH"), freeChannels());
}

void iuiSh_ColCutBank::refreshTitle() {
    const QByteArray now = caption();
    const int free = freeChannels();
    if (now == shownCaption && free == shownFree)
        return;
    shownCaption = now;
    shownFree = free;
    setTitleText(titleText());
}

void iuiSh_ColCutBank::notification(cmcEvent& event) {
    iuiSh_ColCut_A::notification(event);
    if (event.number == PageShown || event.number == PageIndex)
        refreshTitle();
}
