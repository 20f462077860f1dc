#include "iuiPageFactory.h"

#include "cmcPageCall.h"
#include "cuiSheet.h"

std::unique_ptr<cuiSheet> iuiPageFactory::create(const cmcPageCall& call, QWidget* owner,
                                                 cuiDispatch* dispatch, cmcGTex& table) {
    auto page = std::make_unique<cuiSheet>(owner, dispatch, 0, 0, table, call.sheetKey);
    page->setCallArgument(call.identity);
    page->setIndexBase(call.firstRecord);
    return page;
}
