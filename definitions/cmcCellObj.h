#pragma once

#include "cmcCellNames.h"
#include "cmcCellSyntax.h"
#include "cmcFont.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

// One visible item (grid cell, menu item, tree node, toolbar button) as the definitions
// describe it: look, command link and literal text.
//
// A definition line holds cells separated by unescaped '|'. Parse a whole line with
// parseLine(), or cell by cell with parse(), which returns the rest of the line after the cell.
// Loop variables exist only while a sheet's cell list is parsed; elsewhere pass none. A cell
// keeps a reference to its parent, which must outlive it. Errors in the definitions end the
// program.
class cmcCellObj {
public:
    using LoopVariables = cmcCellSyntax::LoopVariables;
    enum HAlign { AlignLeft, AlignCentre, AlignRight };
    enum VAlign { AlignTop, AlignMiddle, AlignBottom };
    enum RightRule { RuleNone, RuleFull, RuleLower };

    // Parses the first cell of `line` (all of it when it holds no '|'), inheriting from
    // `parent`; with `splitOnly` the cell is only reset. Returns the text after the cell's '|'.
    QByteArrayView parse(QByteArrayView line, LoopVariables* loopVariables,
                         const cmcCellObj* parent, bool splitOnly = false);
    static std::vector<cmcCellObj> parseLine(QByteArrayView line, LoopVariables* loopVariables,
                                             const cmcCellObj* parent);
    static int countCells(QByteArrayView line);
    // Applies flags and groups, as in a cell's {...} part or a cell model's value.
    void applyAttributes(QByteArrayView attributes);
    // Back to the parent's look and link (own font and popup menus dropped), or to the
    // defaults without a parent.
    void reset();

    const cmcCellObj* parent() const { return parentCell; }
    void setParent(const cmcCellObj* parent) { parentCell = parent; }

    int category() const { return categoryNumber; }
    int link() const { return linkNumber; }
    int index() const { return indexValue; }
    void setIndex(int index) { indexValue = index; }
    const std::optional<QByteArray>& argument() const { return argumentText; }
    int imageIndex() const { return image; }

    int horizontalAlignment() const { return look & 3; }
    int verticalAlignment() const { return (look >> 2) & 3; }
    bool widens() const { return look & LookW; }
    bool heightens() const { return look & LookH; }
    bool span() const { return look & LookSpan; }
    bool bottomRule() const { return look & LookB; }
    int rightRule() const { return state & 3; }
    bool selectable() const { return state & StateS; }
    void setSelectable(bool on) { state = on ? (state | StateS) : (state & ~StateS); }
    bool trailer() const { return state & StateT; }
    bool flag(int n) const { return state & (StateFlag0 << n); }
    void setFlag(int n, bool on);
    quint8 lookFlags() const { return look; }
    quint8 stateFlags() const { return state; }

    quint32 colour() const { return colourValue; }
    // The cell's own font; none means it draws with its parent's or the grid's.
    const std::optional<cmcFont>& font() const { return ownFont; }
    // The cell's own font, else the nearest parent's; nullptr when none has one.
    const cmcFont* effectiveFont() const;
    // Own popup-menu key when present and not empty, else the parent's; empty when none.
    QByteArray popupMenu() const;
    QByteArray colCutPopupMenu() const;

    bool hasText() const { return textValue.has_value(); }
    QByteArray text() const { return textValue.value_or(QByteArray()); }
    void setText(const QByteArray& text) { textValue = text; }

private:
    enum : quint8 { LookW = 0x10, LookH = 0x20, LookSpan = 0x40, LookB = 0x80 };
    enum : quint8 { StateS = 0x04, StateT = 0x08, StateFlag0 = 0x10 };

    void applyFlag(char flag, bool negated);
    void applyGroup(QByteArrayView group);
    void applyLink(QByteArrayView group);
    void applyLoopStatement(QByteArrayView group);
    void applyFont(QByteArrayView specification);
    void applyFlagGroup(QByteArrayView group);
    static void setName(std::optional<QByteArray>& name, QByteArrayView group);
    static QByteArray inheritedName(const cmcCellObj* cell,
                                    std::optional<QByteArray> cmcCellObj::*name);

    const cmcCellObj* parentCell = nullptr;
    LoopVariables* loopVars = nullptr;
    int categoryNumber = cmcCellNames::CategoryNone;
    int linkNumber = cmcCellNames::LinkNone;
    int indexValue = 0;
    std::optional<QByteArray> argumentText;
    int image = -1;
    quint8 look = 0;
    quint8 state = 0;
    quint32 colourValue = cmcCellNames::clWindow;
    std::optional<cmcFont> ownFont;
    std::optional<QByteArray> popupMenuName;
    std::optional<QByteArray> colCutPopupMenuName;
    std::optional<QByteArray> textValue;
};
