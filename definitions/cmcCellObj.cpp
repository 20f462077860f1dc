#include "cmcCellObj.h"

#include "cmcGTex.h"

namespace {

QByteArrayView afterEquals(QByteArrayView group, bool& found) {
    const qsizetype at = group.indexOf('=');
    found = at >= 0;
    return found ? group.sliced(at + 1) : QByteArrayView();
}

} // namespace

QByteArrayView cmcCellObj::parse(QByteArrayView line, LoopVariables* loopVariables,
                                 const cmcCellObj* parent, bool splitOnly) {
    parentCell = parent;
    const qsizetype end = cmcCellSyntax::cellEnd(line);
    reset();
    if (!splitOnly) {
        loopVars = loopVariables;
        QByteArray attributes;
        QByteArray text;
        cmcCellSyntax::splitParts(line.first(end), attributes, text);
        applyAttributes(attributes);
        const QByteArray decoded = cmcCellSyntax::decodedText(text, loopVars);
        textValue = decoded.isEmpty() ? std::nullopt : std::optional<QByteArray>(decoded);
        loopVars = nullptr;
    }
    return end < line.size() ? line.sliced(end + 1) : QByteArrayView();
}

std::vector<cmcCellObj> cmcCellObj::parseLine(QByteArrayView line, LoopVariables* loopVariables,
                                              const cmcCellObj* parent) {
    std::vector<cmcCellObj> cells;
    while (!line.isEmpty()) {
        cells.emplace_back();
        line = cells.back().parse(line, loopVariables, parent);
    }
    return cells;
}

int cmcCellObj::countCells(QByteArrayView line) {
    int count = 0;
    for (; !line.isEmpty(); ++count) {
        const qsizetype end = cmcCellSyntax::cellEnd(line);
        line = end < line.size() ? line.sliced(end + 1) : QByteArrayView();
    }
    return count;
}

void cmcCellObj::reset() {
    if (parentCell) {
        const cmcCellObj* parent = parentCell;
        *this = *parent;
        parentCell = parent;
        ownFont.reset();
        popupMenuName.reset();
        colCutPopupMenuName.reset();
        return;
    }
    linkNumber = cmcCellNames::LinkNone;
    image = -1;
    look = 0;
    state = 0;
    colourValue = cmcCellNames::clWindow;
    argumentText.reset();
    textValue.reset();
    ownFont.reset();
    popupMenuName.reset();
    colCutPopupMenuName.reset();
}

void cmcCellObj::applyAttributes(QByteArrayView attributes) {
    bool negated = false;
    for (qsizetype i = 0; i < attributes.size();) {
        const bool negate = negated;
        negated = false;
        const char byte = attributes[i];
        if (byte == '(') {
            const qsizetype end = cmcCellSyntax::groupEnd(attributes, i + 1);
            applyGroup(attributes.sliced(i + 1, end - i - 1));
            i = end + 1;
        } else if (byte == '\\') {
            i += i + 1 < attributes.size() ? 1 + cmcCellSyntax::charLength(attributes, i + 1) : 1;
        } else if (cmcCellSyntax::charLength(attributes, i) == 2) {
            i += 2;
        } else {
            negated = byte == '!' && !negate;
            if (byte != '!')
                applyFlag(byte, negate);
            ++i;
        }
    }
}

void cmcCellObj::applyFlag(char flag, bool negated) {
    const auto setLook = [&](quint8 bit) { look = negated ? look & ~bit : look | bit; };
    const auto setState = [&](quint8 bit) { state = negated ? state & ~bit : state | bit; };
    const auto align = [&](int shift, int value) {
        look = static_cast<quint8>((look & ~(3 << shift)) | (value << shift));
    };
    const auto rule = [&](int value) {
        state = static_cast<quint8>((state & ~3) | (negated ? RuleNone : value));
    };
    switch (flag) {
    case '<':
        align(0, AlignLeft);
        break;
    case '^':
        align(0, AlignCentre);
        break;
    case '>':
        align(0, AlignRight);
        break;
    case '~':
        align(2, AlignTop);
        break;
    case '-':
        align(2, AlignMiddle);
        break;
    case '_':
        align(2, AlignBottom);
        break;
    case 'W':
        setLook(LookW);
        break;
    case 'H':
        setLook(LookH);
        break;
    case '+':
        setLook(LookSpan);
        break;
    case 'B':
        setLook(LookB);
        break;
    case 'X':
        rule(RuleFull);
        break;
    case 'Q':
        rule(RuleLower);
        break;
    case 'S':
        setState(StateS);
        break;
    case 'T':
        setState(StateT);
        break;
    default:
        break;
    }
}

void cmcCellObj::applyGroup(QByteArrayView group) {
    bool hasValue = false;
    if (group.startsWith('$')) {
        const QByteArray key = "CellModel_" + group.sliced(1).toByteArray();
        applyAttributes(cmcGTex::app().GetText(key.constData()));
    } else if (group.startsWith("Color")) {
        const QByteArrayView name = afterEquals(group, hasValue);
        if (auto value = cmcCellNames::colour(cmcCellSyntax::blanksTrimmed(name)))
            colourValue = *value;
    } else if (group.startsWith("Font")) {
        const QByteArrayView specification = afterEquals(group, hasValue);
        if (hasValue)
            applyFont(specification);
    } else if (group.startsWith('%')) {
        applyLink(group.sliced(1));
    } else if (group.startsWith('@')) {
        applyLoopStatement(group);
    } else if (group.startsWith("ImageIndex")) {
        const QByteArrayView number = afterEquals(group, hasValue);
        if (hasValue)
            image = cmcCellSyntax::decimal(number);
    } else if (group.startsWith("PopupMenu")) {
        setName(popupMenuName, group);
    } else if (group.startsWith("ColCut_PopupMenu")) {
        setName(colCutPopupMenuName, group);
    } else if (group.startsWith("Flag")) {
        applyFlagGroup(group);
    }
}

void cmcCellObj::applyFont(QByteArrayView specification) {
    if (!ownFont) {
        const cmcFont* inherited = parentCell ? parentCell->effectiveFont() : nullptr;
        ownFont = inherited ? *inherited : cmcFont();
    }
    ownFont->apply(specification);
}

// %[category.][link][[index]][:argument]
void cmcCellObj::applyLink(QByteArrayView group) {
    // A dot after the index or argument has begun cannot end a category name.
    qsizetype dot = 0;
    while (dot < group.size() && group[dot] != '.' && group[dot] != '[' && group[dot] != ':')
        ++dot;
    if (dot < group.size() && group[dot] == '.' && (dot == 0 || group[dot - 1] != '\\')) {
        categoryNumber = cmcCellNames::categoryNumber(group.first(dot));
        group = group.sliced(dot + 1);
    }
    qsizetype end = 0;
    while (end < group.size() && group[end] != '[' && group[end] != ':')
        ++end;
    linkNumber = cmcCellNames::linkNumber(group.first(end));
    if (end < group.size() && group[end] == '[') {
        qsizetype close = group.indexOf(']', end + 1);
        if (close < 0)
            close = group.size();
        const QByteArrayView index = group.sliced(end + 1, close - end - 1);
        qsizetype pos = 0;
        indexValue = index.startsWith('@') ? cmcCellSyntax::loopVariable(index, pos, loopVars)
                                           : cmcCellSyntax::decimal(index);
        end = close < group.size() ? close + 1 : close;
    }
    if (end < group.size() && group[end] == ':')
        argumentText = cmcCellSyntax::unescaped(group.sliced(end + 1));
}

// @chN++ or @chN=value
void cmcCellObj::applyLoopStatement(QByteArrayView group) {
    qsizetype pos = 0;
    int& variable = cmcCellSyntax::loopVariable(group, pos, loopVars);
    while (pos < group.size() && (group[pos] == ' ' || group[pos] == '\t'))
        ++pos;
    const QByteArrayView rest = group.sliced(pos);
    if (rest.startsWith("++"))
        ++variable;
    else if (rest.startsWith('='))
        variable = cmcCellSyntax::decimal(rest.sliced(1));
}

// FlagN=0 or FlagN=1 with N from 0 to 3.
void cmcCellObj::applyFlagGroup(QByteArrayView group) {
    if (group.size() < 7 || group[5] != '=' || group[4] < '0' || group[4] > '3' ||
        (group[6] != '0' && group[6] != '1'))
        return;
    setFlag(group[4] - '0', group[6] == '1');
}

void cmcCellObj::setFlag(int n, bool on) {
    const auto bit = static_cast<quint8>(StateFlag0 << n);
    state = on ? state | bit : state & ~bit;
}

void cmcCellObj::setName(std::optional<QByteArray>& name, QByteArrayView group) {
    bool hasValue = false;
    const QByteArrayView value = afterEquals(group, hasValue);
    if (!hasValue)
        return;
    name = value.isEmpty() ? std::nullopt : std::optional<QByteArray>(value.toByteArray());
}

const cmcFont* cmcCellObj::effectiveFont() const {
    for (const cmcCellObj* cell = this; cell; cell = cell->parentCell) {
        if (cell->ownFont)
            return &*cell->ownFont;
    }
    return nullptr;
}

QByteArray cmcCellObj::inheritedName(const cmcCellObj* cell,
                                     std::optional<QByteArray> cmcCellObj::*name) {
    for (; cell; cell = cell->parentCell) {
        const std::optional<QByteArray>& own = cell->*name;
        if (own && !own->isEmpty())
            return *own;
    }
    return {};
}

QByteArray cmcCellObj::popupMenu() const {
    return inheritedName(this, &cmcCellObj::popupMenuName);
}

QByteArray cmcCellObj::colCutPopupMenu() const {
    return inheritedName(this, &cmcCellObj::colCutPopupMenuName);
}
