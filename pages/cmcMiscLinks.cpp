#include "cmcMiscLinks.h"

#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "datCellReq.h"

namespace {

QByteArray text(const char* key) {
    return cmcGTex::app().GetText(key);
}

} // namespace

bool cmcMiscLinks::shown(const datCellReq& request, QByteArray& shownText) {
    switch (request.cell->link()) {
    case cmcCellNames::Flex0:
        // The entries of selection lists are their own text.
        shownText = request.cell->text();
        return true;
    case cmcCellNames::CL_Misc_ChNo_0Base:
        shownText = QByteArray::number(request.cell->index());
        return true;
    case cmcCellNames::CL_Misc_ChNo_1Base:
        shownText = QByteArray::number(request.cell->index() + 1);
        return true;
    case cmcCellNames::CL_CloneTop_Revision:
        shownText =
            cmcGTex::formatted(text("GI_Sheet_Top_Revision"), text("GI_Sys_AppRev").constData());
        return true;
    case cmcCellNames::CL_CloneTop_Copyright:
        shownText =
            cmcGTex::formatted(text("GI_Sheet_Top_Copyright"), text("GI_Sys_AppYear").constData());
        return true;
    default:
        return false;
    }
}

QByteArray cmcMiscLinks::shownText(datCellReq& request) {
    QByteArray result;
    shown(request, result);
    return result;
}

int cmcMiscLinks::act(datCellReq&) {
    return Nothing;
}
