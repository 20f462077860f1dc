#include "iuiSh_ColCut_A.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcPageCall.h"
#include "cmcPageContent.h"
#include "cmcPageData.h"
#include "cmcPageIndex.h"
#include "indDestination.h"

namespace {

constexpr int CancellerDestination = 0;

} // namespace

iuiSh_ColCut_A::iuiSh_ColCut_A(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table,
                               const cmcPageCall& call, cmcPageData& pageData)
    : iuiSh_ColCut(owner, dispatch, 0, 0, table, call.sheetKey), data(pageData),
      index(call.pageIndex), first(call.firstRecord) {
    setCallArgument(call.identity);
    setIndexBase(call.firstRecord);
}

// A link page is titled with its link's name, as the receiver shows it.
void iuiSh_ColCut_A::styleKey(QByteArrayView group) {
    iuiSh_ColCut::styleKey(group);
    if (index < cmcPageIndex::FirstLinkPage || index > cmcPageIndex::LastLinkPage)
        return;
    const int address =
        mm::ScanLinkNameBase + (index - cmcPageIndex::FirstLinkPage) * mm::NameSlotSize;
    QByteArray title(" ");
    for (int i = 0; i < mm::NameSize; ++i) {
        const uint8_t c = data.image().getByte(address + i);
        title.append(c >= 32 && c <= 126 ? char(c) : ' ');
    }
    setTitle(title);
}

bool iuiSh_ColCut_A::hiddenCell(const cmcCellObj& cell) const {
    const bool cancellerColumn = cell.link() == cmcCellNames::CL_Mch_Canceller ||
                                 cell.link() == cmcCellNames::CL_Mch_TrainFreq;
    return cancellerColumn && data.bandPlan().destination() != CancellerDestination;
}

bool iuiSh_ColCut_A::printable() const {
    return iuiSh_ColCut::printable() && cmcPageContent::hasContent(data.image(), index);
}

bool iuiSh_ColCut_A::printHook(bool memoryChannels, bool bankChannels) const {
    if (!printable())
        return false;
    if (index >= cmcPageIndex::FirstMemoryPage && index <= cmcPageIndex::LastMemoryPage)
        return memoryChannels;
    if (index >= cmcPageIndex::FirstBankPage && index <= cmcPageIndex::LastBankPage)
        return bankChannels;
    return true;
}

void iuiSh_ColCut_A::notification(cmcEvent& event) {
    iuiSh_ColCut::notification(event);
    if (event.mode != cmcEvent::Question)
        return;
    if (event.id() == cmcEventId::PageTitle) {
        const QByteArray title = sheetName();
        data.events().AnswerData(title.constData(), int32_t(title.size()));
    } else if (event.id() == cmcEventId::PageIndex || event.id() == indexQuestion()) {
        data.events().Answer(index);
    }
}
