#pragma once

class cmcCellObj;
struct datCellReq;

// What a sheet tells the window that owns it: the main window keeps its menus, toolbar,
// status bar and edit countdown in step through these.
class cuiDispatch {
public:
    virtual ~cuiDispatch() = default;

    // The cursor now stands on this cell.
    virtual void currentCellChanged(const cmcCellObj& cell) { (void)cell; }
    // An action ended: menus and toolbar refresh their states.
    virtual void updateCommands() {}
    // What a key pressed on the grid or in its editor does: it moves the cursor, or it edits.
    enum class KeyKind { Move, Edit };
    // A key was pressed: the information line is cleared, except that a line telling what
    // became of an entry stays while the cursor moves, until the next edit.
    virtual void clearInformation(KeyKind kind) { (void)kind; }
    // The context menu of the current cell was rebuilt from another body.
    virtual void popupMenuChanged() {}
    // A key, a popup command or an edit is about to reach the cell's handler, and has.
    virtual void cellActing(const datCellReq& request) { (void)request; }
    virtual void cellActed(const datCellReq& request) { (void)request; }
};
