#pragma once

#include "cmcCellHandler.h"
#include "cmcFCache.h"

#include <QByteArray>

class cmcPageData;
class datCh;
struct datMemField;

// The memory-field family: what the field cells of memory channel rows show and what an
// action on them does to the document image, through the record codecs. The channel is read
// afresh for every request. Links that are not memory channel fields, popup commands and
// function keys go to the fallback handler.
class cmcMemFields : public cmcCellHandler {
public:
    cmcMemFields(cmcPageData& data, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;
    void refresh(cmcCellObj& cell) override;

private:
    const datMemField* fieldOf(const cmcCellObj& cell) const;
    bool handles(const datCellReq& request) const;
    datCh channel(int number);
    QByteArray shownOf(const datMemField& field, const datCh& channel);
    void mark(datCellReq& request, const datMemField& field, const datCh& channel);

    int actOnEmpty(datCellReq& request, const datMemField& field);
    int actOnEntry(datCellReq& request, const datMemField& field, datCh& channel);
    int actOnList(datCellReq& request, const datMemField& field, datCh& channel);
    int listChoice(datCellReq& request);
    int choose(const datMemField& field, datCh& channel, int choice);
    int commit(const datMemField& field, datCh& channel, const QByteArray& input);
    int stored(const datMemField& field, datCh& channel);
    QByteArray offeredList(const datMemField& field) const;
    bool offers(const QByteArray& list, int choice);

    cmcPageData& data;
    cmcCellHandler& fallback;
    cmcFCache lists;
};
