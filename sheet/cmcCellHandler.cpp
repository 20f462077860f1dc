#include "cmcCellHandler.h"

namespace {

cmcCellHandler* installed = nullptr;

} // namespace

cmcCellHandler* cmcCellHandler::app() {
    return installed;
}

void cmcCellHandler::install(cmcCellHandler* handler) {
    installed = handler;
}
