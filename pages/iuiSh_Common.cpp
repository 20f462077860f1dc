#include "iuiSh_Common.h"

#include "cmcCommonCells.h"
#include "cmcDestinationDirective.h"
#include "cmcEvMan.h"
#include "cmcEvent.h"
#include "cmcGTex.h"
#include "cmcPageCall.h"
#include "cmcPageData.h"
#include "cmcPageIndex.h"
#include "cuiFBitsR.h"
#include "indDestination.h"

iuiSh_Common::iuiSh_Common(QWidget* owner, cuiDispatch* dispatch, cmcGTex& table,
                           const cmcPageCall& call, cmcPageData& pageData, cmcCellHandler& fallback)
    : cuiSheet(owner, dispatch, 0, 0, table, call.sheetKey), data(pageData),
      bankLinkDialog(std::make_unique<cuiFBitsR>(table, this)),
      cells(std::make_unique<cmcCommonCells>(pageData, fallback, bankLinkDialog.get())) {
    setCallArgument(call.identity);
    setValueProvider(cells.get());
}

iuiSh_Common::~iuiSh_Common() = default;

// The page's own title line, chosen by its index, stands over the style's title.
void iuiSh_Common::styleKey(QByteArrayView group) {
    cuiSheet::styleKey(group);
    const QByteArray title =
        definitions().GetText("GI_AppInd_CommonTitle", pageIndex() - cmcPageIndex::CommonPage);
    if (!title.isEmpty())
        setTitle(title);
}

void iuiSh_Common::directiveKey(QByteArrayView group) {
    const std::optional<int> skipped = cmcDestinationDirective::skippedLines(
        group, data.bandPlan().destination(), cmcPageIndex::CommonPage);
    if (skipped)
        skipCount = *skipped;
    else
        cuiSheet::directiveKey(group);
}

void iuiSh_Common::notification(cmcEvent& event) {
    cuiSheet::notification(event);
    if (event.mode != cmcEvent::Question)
        return;
    if (event.id() == cmcEventId::PageTitle) {
        const QByteArray title = sheetName();
        data.events().AnswerData(title.constData(), int32_t(title.size()));
    } else if (event.id() == cmcEventId::PageIndex) {
        data.events().Answer(cmcPageIndex::CommonPage);
    }
}
