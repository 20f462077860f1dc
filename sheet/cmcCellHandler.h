#pragma once

#include <QByteArray>

class cmcCellObj;
struct datCellReq;

// What a cell's link means: the text a linked cell shows, the flags of a menu or toolbar
// item, and what an action on a cell does. Pages answer for their own cells; the program-wide
// handler answers for everything else (menus, toolbar, tree and cells of plain sheets).
class cmcCellHandler {
public:
    enum Result { Nothing = 0, Repaint = 1, OpenEditor = 2 };

    virtual ~cmcCellHandler() = default;

    // The text the cell shows; may grey its text or mark it through the request.
    virtual QByteArray shownText(datCellReq& request) = 0;
    // Carries out a key, a click, a committed edit or a command on the cell.
    virtual int act(datCellReq& request) = 0;
    // Sets the check, hidden, disabled and caption flags of a menu or toolbar cell (Flag0 to
    // Flag3, already cleared) and may rewrite its text.
    virtual void refresh(cmcCellObj& cell) { (void)cell; }

    // The program-wide handler, or none while no controller has installed one.
    static cmcCellHandler* app();
    static void install(cmcCellHandler* handler);
};
