#include "iuiPageFactory.h"

#include "cmcPageCall.h"
#include "cuiSheet.h"
#include "iuiSh_ColCut_A.h"

namespace {

bool listPage(const QByteArray& type) {
    return type == "St_ColCut" || type == "St_PLink" || type == "St_CCBank";
}

} // namespace

std::unique_ptr<cuiSheet> iuiPageFactory::create(const cmcPageCall& call, QWidget* owner,
                                                 cuiDispatch* dispatch, cmcGTex& table,
                                                 cmcPageData* data) {
    if (data && listPage(call.pageType))
        return std::make_unique<iuiSh_ColCut_A>(owner, dispatch, table, call, *data);
    auto page = std::make_unique<cuiSheet>(owner, dispatch, 0, 0, table, call.sheetKey);
    page->setCallArgument(call.identity);
    page->setIndexBase(call.firstRecord);
    return page;
}
