#include "iuiSh_ColCutBank.h"

#include "cmcBankTitle.h"
#include "cmcEvMan.h"
#include "cmcEvent.h"
#include "cmcPageCall.h"
#include "cmcPageData.h"
#include "cmcPageIndex.h"

iuiSh_ColCutBank::iuiSh_ColCutBank(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table,
                                   const cmcPageCall& call, cmcPageData& pageData)
    : iuiSh_ColCut_A(owner, dispatch, table, call, pageData),
      bank(call.pageIndex >= cmcPageIndex::FirstBankPage &&
                   call.pageIndex <= cmcPageIndex::LastBankPage
               ? call.pageIndex - cmcPageIndex::FirstBankPage
               : NoBank) {
    // Rows are positions, not records.
    setIndexBase(0);
}

QByteArray iuiSh_ColCutBank::caption() const {
    return cmcBankTitle::title(data.image(), data.table(), bank);
}

void iuiSh_ColCutBank::Show() {
    iuiSh_ColCut_A::Show();
    data.events().Send(cmcEventId::PageShown);
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
    return cmcBankTitle::label(data.image(), data.table(), bank,
                               cmcBankTitle::freeChannels(data.image()));
}

void iuiSh_ColCutBank::refreshTitle() {
    const QByteArray now = caption();
    const int free = cmcBankTitle::freeChannels(data.image());
    if (now == shownCaption && free == shownFree)
        return;
    shownCaption = now;
    shownFree = free;
    setTitleText(titleText());
}

void iuiSh_ColCutBank::notification(cmcEvent& event) {
    iuiSh_ColCut_A::notification(event);
    if (event.id() == cmcEventId::PageShown || event.id() == cmcEventId::PageIndex)
        refreshTitle();
}
