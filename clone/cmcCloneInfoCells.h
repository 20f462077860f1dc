#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcGTex;

// What the cells of the clone information sheet show: the fields of the 35-byte record of the
// last information query, or the table's "unknown" text while there is none.
class cmcCloneInfoCells : public cmcCellHandler {
public:
    explicit cmcCloneInfoCells(cmcGTex& table) : table(table) {}

    // A record shorter than 35 bytes counts as none.
    void setRecord(const QByteArray& value) { record = value; }
    bool hasRecord() const;

    QByteArray shownText(datCellReq& request) override;
    // The cells only show; there is nothing to carry out.
    int act(datCellReq& request) override;

private:
    QByteArray field(int link) const;
    QByteArray comment() const;
    QByteArray destination() const;
    QByteArray flag(int bit) const;
    QByteArray revision() const;
    QByteArray serialNumber() const;
    uint8_t byte(int place) const { return uint8_t(record[place]); }

    cmcGTex& table;
    QByteArray record;
};
