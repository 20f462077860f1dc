#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcPageData;

// The comment kept in the receiver: 16 characters, blank-padded, in the receiver's character
// set; small letters stay small.
class cmcCommentCell : public cmcCellHandler {
public:
    explicit cmcCommentCell(cmcPageData& data) : data(data) {}

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    QByteArray text() const;

    cmcPageData& data;
};
