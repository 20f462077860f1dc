#include "cmcLinkTable.h"

#include "datCellReq.h"

void cmcLinkTable::add(int link, std::unique_ptr<cmcCellHandler> behaviour) {
    behaviours[link] = std::move(behaviour);
}

QByteArray cmcLinkTable::shownText(datCellReq& request) {
    return handlerFor(request).shownText(request);
}

int cmcLinkTable::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        clearAnswers(request);
    return handlerFor(request).act(request);
}

// A choice is made on a copy of the request that opened the list, answers included; left
// there, they would open the list again.
void cmcLinkTable::clearAnswers(datCellReq& request) {
    request.editorText.clear();
    request.selectionStart = request.selectionLength = 0;
    request.moveRequested = request.rangeRequested = request.repeatRequested = false;
    request.listSheet.clear();
    request.listChoice = 0;
}

// A choice made in a selection list belongs to the cell that opened the list.
cmcCellHandler& cmcLinkTable::handlerFor(const datCellReq& request) {
    const bool listChoice = request.mode == datCellReq::ListChoice && request.owner;
    const cmcCellObj* cell = listChoice ? request.owner->cell : request.cell;
    if (!cell)
        return fallback;
    const auto found = behaviours.find(cell->link());
    return found == behaviours.end() ? fallback : *found->second;
}
