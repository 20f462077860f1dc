#include "iuiPageFactory.h"

#include "cmcBankNameCells.h"
#include "cmcListPageCells.h"
#include "cmcMiscLinks.h"
#include "cmcPageCall.h"
#include "cuiSheet.h"
#include "iuiRowCommands.h"
#include "iuiSh_ColCutBank.h"
#include "iuiSh_ColCut_A.h"
#include "iuiSh_Common.h"

namespace {

bool listPage(const QByteArray& type) {
    return type == "St_ColCut" || type == "St_PLink";
}

// Without the program's handler (printing from the command line, tests of single pages) the
// links every sheet may hold are still answered.
cmcCellHandler& fallback() {
    static cmcMiscLinks common;
    cmcCellHandler* program = cmcCellHandler::app();
    return program ? *program : common;
}

} // namespace

std::unique_ptr<cuiSheet> iuiPageFactory::create(const cmcPageCall& call, QWidget* owner,
                                                 cuiDispatch* dispatch, cmcGTex& table,
                                                 cmcPageData* data) {
    if (data && (listPage(call.pageType) || call.pageType == "St_CCBank")) {
        std::unique_ptr<iuiSh_ColCut_A> page;
        if (call.pageType == "St_CCBank")
            page = std::make_unique<iuiSh_ColCutBank>(owner, dispatch, table, call, *data);
        else
            page = std::make_unique<iuiSh_ColCut_A>(owner, dispatch, table, call, *data);
        if (auto cells = cmcListPageCells::create(call.pageIndex, *data, fallback()))
            page->setValueProvider(
                std::make_unique<iuiRowCommands>(*page, *data, std::move(cells)));
        return page;
    }
    if (data && call.pageType == "St_Common")
        return std::make_unique<iuiSh_Common>(owner, dispatch, table, call, *data, fallback());
    auto page = std::make_unique<cuiSheet>(owner, dispatch, 0, 0, table, call.sheetKey);
    page->setCallArgument(call.identity);
    page->setIndexBase(call.firstRecord);
    if (data && call.sheetKey == "GI_Sheet_BankName")
        page->setValueProvider(std::make_unique<cmcBankNameCells>(*data, fallback()));
    return page;
}
