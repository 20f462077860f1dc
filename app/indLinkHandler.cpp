#include "indLinkHandler.h"

#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cmcMiscLinks.h"
#include "datCellReq.h"
#include "indMain.h"
#include "indMenuLinks.h"

QByteArray indLinkHandler::shownText(datCellReq& request) {
    QByteArray shown;
    if (cmcMiscLinks::shown(request, shown))
        return shown;
    // A link whose behaviour has not been built shows its number.
    return cmcGTex::formatted(cmcGTex::app().GetText("GI_AppInd_Yet"), request.cell->link());
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
        main.runCommand(cell);
    return Nothing;
}

void indLinkHandler::refresh(cmcCellObj& cell) {
    indMenuLinks::refresh(main, cell);
}
