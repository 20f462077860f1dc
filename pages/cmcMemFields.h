#pragma once

#include "cmcCellHandler.h"
#include "cmcFCache.h"

#include <QByteArray>

class cmcPageData;
class datCh;
struct datMemField;

// The memory-field family: what the field cells of channel-like rows show and what an action
// on them does to the document image, through the record codecs. The record is read afresh
// for every request. Links that are not fields of the rows, popup commands and function keys
// go to the fallback handler.
//
// Without a subclass the rows are the memory channels of the memory pages; the other list
// pages say which record a row shows and how a new one comes into being.
class cmcMemFields : public cmcCellHandler {
public:
    cmcMemFields(cmcPageData& data, cmcCellHandler& fallback);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;
    void refresh(cmcCellObj& cell) override;

protected:
    // The category of the page's cells and its rows, 0 to rowCount() - 1 by cell index.
    virtual int category() const;
    virtual int rowCount() const;
    virtual const datMemField* field(int link) const;
    // The record of a row, not in use for an empty row.
    virtual datCh record(int row);
    // Whether a row takes edits at all.
    virtual bool editable(int row) const;
    // A record shows its fields only while this holds; any other takes a frequency first.
    virtual bool shown(const datCh& record) const;
    // The links whose edit can create the record of an empty row; the editor of an empty row
    // opens on the entry link.
    virtual bool creates(int link) const;
    virtual int entryLink() const;
    // Gives a record created in an empty row its place in the image; false when it has none.
    virtual bool place(datCh& record);

    cmcPageData& data;
    cmcCellHandler& fallback;

private:
    const datMemField* fieldOf(const cmcCellObj& cell) const;
    QByteArray shownOf(const datMemField& field, const datCh& record);
    void mark(datCellReq& request, const datMemField& field, const datCh& record);

    int actOnEmpty(datCellReq& request, const datMemField& field);
    int actOnEntry(datCellReq& request, const datMemField& field, const datCh& record);
    int actOnList(datCellReq& request, const datMemField& field, datCh& record, int row);
    int listChoice(datCellReq& request);
    int choose(const datMemField& field, datCh& record, int choice, int row);
    int commit(const datMemField& field, datCh& record, const QByteArray& input, int row);
    int stored(const datMemField& field, datCh& record, int row);
    void tell(const datMemField& field, const QByteArray& input, const QByteArray& shown,
              bool accepted);
    QByteArray offeredList(const datMemField& field) const;
    bool offers(const QByteArray& list, int choice);

    cmcFCache lists;
};
