#pragma once

#include "cmcCellHandler.h"

// The links every sheet may hold whatever page it is on: row numbers, the entries of selection
// lists, and the top page's revision and copyright lines. The program's handler answers them
// through this, and so does a page built without the program (printing from the command line).
class cmcMiscLinks : public cmcCellHandler {
public:
    // The text of a link this family knows; false for any other link.
    static bool shown(const datCellReq& request, QByteArray& text);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;
};
