#pragma once

#include "cmcCellHandler.h"

#include <QByteArray>

class cmcGTex;
class cmcPageData;
class datCh;

// A cell of a program scan link row that shows something of the row: its title, or a part of
// its member edge. Nothing can be typed into it.
class cmcLinkMemberView : public cmcCellHandler {
public:
    // The text of a valid row; `cell` carries the cell's literal text.
    using Text = QByteArray (*)(const datCh& entry, const cmcCellObj& cell, cmcGTex& table);

    cmcLinkMemberView(cmcPageData& data, cmcCellHandler& fallback, Text text);

    QByteArray shownText(datCellReq& request) override;
    int act(datCellReq& request) override;

private:
    cmcPageData& data;
    cmcCellHandler& fallback;
    Text text;
};
