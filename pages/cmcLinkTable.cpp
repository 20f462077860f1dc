#include "cmcLinkTable.h"

#include "datCellReq.h"

void cmcLinkTable::add(int link, std::unique_ptr<cmcCellHandler> behaviour) {
    behaviours[link] = std::move(behaviour);
}

QByteArray cmcLinkTable::shownText(datCellReq& request) {
    return handlerFor(request).shownText(request);
}

int cmcLinkTable::act(datCellReq& request) {
    return handlerFor(request).act(request);
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
