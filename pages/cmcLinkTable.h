#pragma once

#include "cmcCellHandler.h"

#include <map>
#include <memory>

// One family of link behaviours: a table from each link the family knows to the handler that
// carries it out. Every other link, and the flags of menu and toolbar cells, go on to the
// fallback handler.
class cmcLinkTable : public cmcCellHandler {
public:
    explicit cmcLinkTable(cmcCellHandler& fallback) : fallback(fallback) {}

    void add(int link, std::unique_ptr<cmcCellHandler> behaviour);
    bool knows(int link) const { return behaviours.count(link) != 0; }

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;
    void refresh(cmcCellObj& cell) override { fallback.refresh(cell); }

private:
    cmcCellHandler& handlerFor(const datCellReq& request);
    static void clearAnswers(datCellReq& request);

    std::map<int, std::unique_ptr<cmcCellHandler>> behaviours;
    cmcCellHandler& fallback;
};
