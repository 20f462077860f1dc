#include "indLinkHandler.h"

#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "datCellReq.h"
#include "indMain.h"
#include "indMenuLinks.h"

namespace {

QByteArray text(const char* key) {
    return cmcGTex::app().GetText(key);
}

} // namespace

QByteArray indLinkHandler::shownText(datCellReq& request) {
    switch (request.cell->link()) {
    case cmcCellNames::CL_CloneTop_Revision:
        return cmcGTex::formatted(text("GI_Sheet_Top_Revision"), text("GI_Sys_AppRev").constData());
    case cmcCellNames::CL_CloneTop_Copyright:
        return cmcGTex::formatted(text("GI_Sheet_Top_Copyright"),
                                  text("GI_Sys_AppYear").constData());
    case cmcCellNames::Flex0:
        // The entries of selection lists are their own text.
        return request.cell->text();
    case cmcCellNames::CL_Misc_ChNo_0Base:
        return QByteArray::number(request.cell->index());
    case cmcCellNames::CL_Misc_ChNo_1Base:
        return QByteArray::number(request.cell->index() + 1);
    default:
        // A link whose behaviour has not been built shows its number.
        return cmcGTex::formatted(text("GI_AppInd_Yet"), request.cell->link());
    }
}

int indLinkHandler::act(datCellReq& request) {
    const cmcCellObj& cell = *request.cell;
    const bool helpCommand =
        request.key == datCellReq::KeyCommand && request.commandLink == cmcCellNames::CL_PMenu_Help;
    if (request.key == datCellReq::KeyF1 || helpCommand) {
        main.showCellHelp(cell);
        return Nothing;
    }
    if (request.key == datCellReq::KeyEnter && cell.link() == cmcCellNames::CallSheet) {
        main.openPage(cell.argument().value_or(QByteArray()));
        return Nothing;
    }
    if (request.key == datCellReq::KeyEnter)
        indMenuLinks::run(main, cell);
    return Nothing;
}

void indLinkHandler::refresh(cmcCellObj& cell) {
    indMenuLinks::refresh(main, cell);
}
