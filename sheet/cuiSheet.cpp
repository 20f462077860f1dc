#include "cuiSheet.h"

#include "cmcCellHandler.h"
#include "cmcCellSyntax.h"
#include "cmcEvMan.h"
#include "cmcFatal.h"
#include "cmcGTex.h"
#include "cuiActiveCell.h"
#include "cuiColumnWidths.h"
#include "cuiCursorMove.h"
#include "cuiDispatch.h"
#include "cuiGrid.h"
#include "cuiGridInput.h"
#include "cuiLook.h"
#include "cuiTextLayout.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

int programFontPercentage = 100;

enum Criterion {
    SameLinkAndIndex = 1,
    SameCategory = 2,
    SameLink = 4,
    SameIndex = 8,
    NearIndex = 16,
    AnyLinked = 32,
    IndexAtLeast = 64,
    IndexAtMost = 128
};

template <typename Match>
bool matches(const cmcCellObj& cell, const Match& reference, int criteria) {
    const bool linked = cell.link() != cmcCellNames::LinkNone;
    const bool categorised = reference.category != cmcCellNames::CategoryNone;
    return ((criteria & SameLinkAndIndex) && cell.link() == reference.link &&
            cell.index() == reference.index) ||
           ((criteria & SameCategory) && cell.category() == reference.category) ||
           ((criteria & SameLink) && cell.link() == reference.link) ||
           ((criteria & SameIndex) && linked && categorised && cell.index() == reference.index) ||
           ((criteria & NearIndex) && linked && cell.category() == reference.category &&
            std::abs(cell.index() - reference.index) <= 1) ||
           ((criteria & AnyLinked) && linked) ||
           ((criteria & IndexAtLeast) && linked && categorised &&
            cell.index() >= reference.index) ||
           ((criteria & IndexAtMost) && linked && categorised && cell.index() <= reference.index);
}

// Each "(...)" group of a style or directive line; bytes of double-byte characters are never
// parentheses.
template <typename Each> void forEachGroup(QByteArrayView line, Each each) {
    qsizetype open = -1;
    for (qsizetype i = 0; i < line.size(); i += cmcCellSyntax::charLength(line, i)) {
        if (cmcCellSyntax::charLength(line, i) == 2)
            continue;
        if (line[i] == '(' && open < 0)
            open = i;
        else if (line[i] == ')' && open >= 0) {
            each(line.sliced(open + 1, i - open - 1));
            open = -1;
        }
    }
}

QByteArrayView valueOf(QByteArrayView group) {
    const qsizetype at = group.indexOf('=');
    return at < 0 ? QByteArrayView() : group.sliced(at + 1);
}

} // namespace

cuiSheet::cuiSheet(QWidget* owner, cuiDispatch* dispatch, int focusLink, int focusIndex,
                   cmcGTex& definitionTable, const QByteArray& key)
    : QWidget(owner), table(definitionTable), sink(dispatch), sheetKey(key), focusLink(focusLink),
      focusIndex(focusIndex), basic(std::make_unique<cmcCellObj>()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    titleBar = new QFrame(this);
    titleBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    titleBar->setLineWidth(2);
    titleBar->setAutoFillBackground(true);
    auto* titleLayout = new QVBoxLayout(titleBar);
    titleLayout->setContentsMargins(4, 0, 4, 0);
    titleLabel = new QLabel(titleBar);
    titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    titleLayout->addWidget(titleLabel);
    titleBar->hide();
    layout->addWidget(titleBar);
    gridView = new cuiGrid(*this, this);
    layout->addWidget(gridView, 1);
    setFocusProxy(gridView);
    active = std::make_unique<cuiActiveCell>(*this);
    gridInput = std::make_unique<cuiGridInput>(*this);
    if (cmcEvMan* events = cmcEvMan::app())
        events->AddListener(&cuiSheet::onEvent, this);
    paletteChanged();
}

cuiSheet::~cuiSheet() {
    if (cmcEvMan* events = cmcEvMan::app())
        events->RemoveListener(&cuiSheet::onEvent, this);
    // The grid reports focus changes while it goes; it must go while the sheet is whole.
    active->closeList();
    delete gridView;
}

void cuiSheet::setFontPercentage(int percentage) {
    programFontPercentage = percentage;
}

int cuiSheet::fontPercentage() {
    return programFontPercentage;
}

void cuiSheet::setPrintTarget(double scaleValue) {
    printScale = scaleValue;
}

void cuiSheet::setPreviewTarget(bool on) {
    preview = on;
    printScale = on ? 1.0 : 0;
}

cmcCellHandler* cuiSheet::handler() const {
    return provider ? provider : cmcCellHandler::app();
}

cmcCellObj& cuiSheet::cellAt(int column, int row) {
    return cells.cell(column, row);
}

bool cuiSheet::findCell(int link, int index, int& column, int& row) const {
    for (int r = 0; r < cells.rowCount(); ++r) {
        for (int c = 0; c < cells.columnCount(); ++c) {
            const cmcCellObj& cell = cells.cell(c, r);
            if (cell.selectable() && cell.link() == link && cell.index() == index) {
                column = c;
                row = r;
                return true;
            }
        }
    }
    return false;
}

cuiSheet::Position cuiSheet::position() const {
    return {gridView->currentColumn(), gridView->currentRow(), gridView->topRow(),
            gridView->leftColumn()};
}

// ---- Build ----------------------------------------------------------------------------------

void cuiSheet::Show() {
    building = true;
    active->closeEditor(false);
    readStyle();
    buildTitle();
    buildGrid();
    cells.reset(0, 0);
    buildBasicCell();
    buildCells();
    placeCursor();
    building = false;
}

void cuiSheet::readStyle() {
    sheetStyle = Style();
    const QByteArray line = table.GetText(QByteArray(sheetKey + "_Style").constData(), 0);
    if (line.startsWith('#'))
        return;
    forEachGroup(line, [this](QByteArrayView group) { styleKey(group); });
}

void cuiSheet::styleKey(QByteArrayView group) {
    const QByteArrayView value = valueOf(group);
    if (group.startsWith("TitleString")) {
        if (!value.isEmpty())
            sheetStyle.title = value.toByteArray();
    } else if (group.startsWith("TitleColor")) {
        if (auto colour = cmcCellNames::colour(cmcCellSyntax::blanksTrimmed(value)))
            sheetStyle.titleColour = *colour;
    } else if (group.startsWith("TitleFont")) {
        sheetStyle.titleFont = cmcFont();
        sheetStyle.titleFont->apply(value);
    } else if (group.startsWith("FixedCols")) {
        sheetStyle.fixedColumns = cmcCellSyntax::decimal(value);
    } else if (group.startsWith("FixedRows")) {
        sheetStyle.fixedRows = cmcCellSyntax::decimal(value);
    } else if (group == "NoPrint") {
        sheetStyle.noPrint = true;
    } else if (group.startsWith("PrintFontRatio")) {
        sheetStyle.printFontRatio = cmcCellSyntax::decimal(value);
    } else if (group.startsWith("MultiSelect")) {
        sheetStyle.multiSelect =
            value == "Cell" ? SelectCell : (value == "Line" ? SelectLine : SelectNone);
    } else if (group.startsWith("ColCutMenu")) {
        sheetStyle.columnCutMenu = true;
    } else if (group.startsWith("ColSizing")) {
        sheetStyle.columnSizing = true;
    } else if (group.startsWith("ColorSelectLine")) {
        sheetStyle.colourSelectLine = true;
    }
}

void cuiSheet::setTitleText(const QByteArray& text) {
    titleLabel->setText(table.display(text));
}

void cuiSheet::buildTitle() {
    if (sheetStyle.title.isEmpty()) {
        titleBar->hide();
        return;
    }
    const cmcFont font = sheetStyle.titleFont.value_or(cmcFont());
    QPalette colours = titleBar->palette();
    colours.setColor(QPalette::Window, cuiLook::colour(sheetStyle.titleColour, palette()));
    colours.setColor(QPalette::WindowText, cuiLook::fontColour(font, palette()));
    titleBar->setPalette(colours);
    titleLabel->setPalette(colours);
    titleLabel->setFont(cuiLook::font(font));
    titleLabel->setText(table.display(sheetStyle.title));
    titleBar->setFixedHeight(QFontMetrics(titleLabel->font()).height() +
                             2 * titleBar->frameWidth() + 8);
    titleBar->show();
}

void cuiSheet::buildGrid() {
    if (listMode) {
        gridView->setFrameStyle(QFrame::Panel | QFrame::Raised);
        gridView->setLineWidth(1);
        setContentsMargins(2, 2, 2, 2);
    } else {
        gridView->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        gridView->setLineWidth(2);
    }
    gridView->setColumnSizing(sheetStyle.columnSizing && !listMode);
}

void cuiSheet::buildBasicCell() {
    QByteArray line = table.GetText(QByteArray(sheetKey + "_BasicCell").constData(), 0);
    if (line.startsWith('#'))
        line.clear();
    if (fontHeight)
        line += "{(Font=,,," + QByteArray::number(fontHeight) + ",,,)}";
    else
        line += "{(Font=,,,%" + QByteArray::number(programFontPercentage) + ",,,)}";
    if (isPrinting() && sheetStyle.printFontRatio != 100)
        line += "{(Font=,,,%" + QByteArray::number(sheetStyle.printFontRatio) + ",,,)}";
    basic = std::make_unique<cmcCellObj>();
    basic->parse(line, nullptr, nullptr);
    QPalette colours = gridView->palette();
    colours.setColor(QPalette::Base, cuiLook::colour(basic->colour(), palette()));
    gridView->setPalette(colours);
    if (const cmcFont* font = basic->effectiveFont())
        gridView->setFont(cuiLook::font(*font, scale()));
}

void cuiSheet::buildCells() {
    rowPass();
    const int rowTotal = int(cells.rowTable().size());
    cells.reset(columnTotal, rowTotal);
    const int defaultSize = isPrinting() && !preview ? std::max(1, int(printScale)) : 1;
    gridView->setDimensions(columnTotal, rowTotal, defaultSize, defaultSize);
    fillPass();
    addIndexBase();
    gridView->setCurrent(firstColumn, firstRow);
    if (!isPrinting() && !listMode) {
        if (resetWidths)
            cuiColumnWidths::forgetAll(table);
        else
            loadColumnWidths();
        saveColumnWidths();
    } else if (isPrinting()) {
        loadColumnWidths();
    }
    resetWidths = false;
}

void cuiSheet::rowPass() {
    loop = Loop();
    loopVariables = {};
    currentSelect = true;
    skipCount = 0;
    columnTotal = 0;
    cells.rowTable().clear();
    const QList<QByteArray> lines = table.listLines(QByteArray(sheetKey + "_Cells").constData());
    for (int line = 0; line < lines.size(); ++line) {
        const QByteArray& text = lines[line];
        if (skipCount > 0) {
            --skipCount;
        } else if (text.startsWith(':')) {
            currentLine = line;
            forEachGroup(QByteArrayView(text).sliced(1),
                         [this](QByteArrayView group) { directiveKey(group); });
            repeatLoop();
        } else {
            cells.rowTable().push_back({line, currentSelect});
            columnTotal = std::max(columnTotal, cmcCellObj::countCells(text));
            if (loop.startLine >= 0 && loop.endLine < 0)
                ++loop.rows;
        }
    }
    if (columnTotal == 0 || cells.rowTable().empty())
        cmcFatal::stop("Illegal Cell assign");
    cellLines = lines;
}

void cuiSheet::directiveKey(QByteArrayView group) {
    if (group.startsWith("LoopFrom")) {
        const QByteArrayView rest = group.sliced(8);
        if (rest.size() < 2 || rest[0] != ' ' || !std::isdigit(uchar(rest.trimmed().front())))
            return;
        loop.startLine = currentLine;
        loop.endLine = -1;
        loop.count = std::max(1, cmcCellSyntax::decimal(rest));
        loop.rows = 0;
    } else if (group.startsWith("LoopTo")) {
        if (loop.startLine >= 0)
            loop.endLine = currentLine;
    } else if (group.startsWith("SelectON")) {
        currentSelect = true;
    } else if (group.startsWith("SelectOFF")) {
        currentSelect = false;
    }
}

void cuiSheet::repeatLoop() {
    if (loop.startLine < 0 || loop.endLine < 0 || loop.count < 1)
        return;
    auto& rows = cells.rowTable();
    const size_t bodyStart = rows.size() - size_t(loop.rows);
    const size_t bodyEnd = rows.size();
    for (int repetition = 1; repetition < loop.count; ++repetition) {
        for (size_t body = bodyStart; body < bodyEnd; ++body)
            rows.push_back({rows[body].line, currentSelect});
    }
    loop = Loop();
}

void cuiSheet::fillPass() {
    firstColumn = cells.columnCount();
    firstRow = cells.rowCount();
    int previousLine = -1;
    int previousCells = 0;
    for (int row = 0; row < cells.rowCount(); ++row) {
        rowHook(row);
        fillRow(row, previousLine, previousCells);
    }
    if (firstColumn == cells.columnCount())
        firstColumn = 0;
    if (firstRow == cells.rowCount())
        firstRow = 0;
}

void cuiSheet::fillRow(int row, int& previousLine, int& previousCells) {
    const cuiCellMatrix::Row& entry = cells.rowTable()[size_t(row)];
    int count = 0;
    if (entry.line != previousLine || row == 0) {
        QByteArrayView rest = cellLines[entry.line];
        for (; !rest.isEmpty() && count < cells.columnCount(); ++count) {
            cmcCellObj& cell = cells.cell(count, row);
            rest = cell.parse(rest, &loopVariables, basic.get());
            sizeCell(cell, count, row);
        }
    } else {
        for (; count < previousCells; ++count) {
            cmcCellObj& cell = cells.cell(count, row);
            cell = cells.cell(count, row - 1);
            cell.setIndex(cell.index() + 1);
        }
        gridView->setRowHeight(row, gridView->rowHeight(row - 1));
    }
    previousLine = entry.line;
    previousCells = count;
    for (int column = 0; column < cells.columnCount(); ++column) {
        cuiCellMatrix::Slot& slot = cells.slot(column, row);
        cellHook(column, row);
        if (slot.cell.selectable()) {
            firstColumn = std::min(firstColumn, column);
            firstRow = std::min(firstRow, row);
        }
        slot.multiSelect = sheetStyle.multiSelect != SelectNone && entry.select;
    }
}

void cuiSheet::sizeCell(const cmcCellObj& cell, int column, int row) {
    if (!cell.widens() && !cell.heightens())
        return;
    const cmcFont* spec = cell.effectiveFont();
    const QFontMetrics metrics(spec ? cuiLook::font(*spec, scale()) : gridView->font());
    const QStringList lines = table.display(cell.text()).split(QLatin1Char('\n'));
    if (cell.widens()) {
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        const int wanted = cuiTextLayout::nearest(width + 8 * scale() + 0.5);
        if (wanted > gridView->columnWidth(column))
            gridView->setColumnWidth(column, wanted);
    }
    if (cell.heightens()) {
        const int wanted =
            cuiTextLayout::nearest(metrics.height() * int(lines.size()) + 2 * scale() + 0.5);
        if (wanted > gridView->rowHeight(row))
            gridView->setRowHeight(row, wanted);
    }
}

void cuiSheet::addIndexBase() {
    if (baseIndex == 0)
        return;
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (int column = 0; column < cells.columnCount(); ++column) {
            cmcCellObj& cell = cells.cell(column, row);
            cell.setIndex(cell.index() + baseIndex);
        }
    }
    basic->setIndex(basic->index() + baseIndex);
}

QByteArray cuiSheet::storeName() const {
    return cuiColumnWidths::storeName(table, argument.isEmpty() ? sheetKey : argument);
}

void cuiSheet::loadColumnWidths() {
    const QByteArray name = storeName();
    if (name.isEmpty())
        return;
    const int reference = std::min(sheetStyle.fixedRows, cells.rowCount() - 1);
    const QMap<int, int> widths = cuiColumnWidths::load(name);
    for (auto it = widths.begin(); it != widths.end(); ++it) {
        if (!cells.selectable(it.key(), reference))
            continue;
        int width = it.value();
        if (isPrinting())
            width = std::min(gridView->columnWidth(it.key()),
                             cuiColumnWidths::printedWidth(width, printerPoints, printerFontRatio,
                                                           programFontPercentage));
        gridView->setColumnWidth(it.key(), width);
    }
}

void cuiSheet::saveColumnWidths() {
    const QByteArray name = storeName();
    if (name.isEmpty() || isPrinting() || listMode)
        return;
    const int reference = gridView->currentRow();
    QMap<int, int> widths;
    for (int column = 0; column < cells.columnCount(); ++column) {
        if (cells.selectable(column, reference))
            widths.insert(column, gridView->columnWidth(column));
    }
    cuiColumnWidths::save(name, widths);
}

void cuiSheet::setPrintFont(int points, double fontPixelRatio) {
    printerPoints = points;
    printerFontRatio = fontPixelRatio;
}

void cuiSheet::placeCursor() {
    gridView->setFixed(std::min(sheetStyle.fixedColumns, cells.columnCount() - 1),
                       std::min(sheetStyle.fixedRows, cells.rowCount() - 1));
    int column = firstColumn;
    int row = firstRow;
    findFirstSelectable(column, row);
    if (!cells.contains(saved.column, saved.row))
        saved = Position();
    if (saved.column < 0 && focusLink != 0)
        findCell(focusLink, focusIndex, column, row);
    const bool restore = cells.selectable(saved.column, saved.row);
    if (restore) {
        column = saved.column;
        row = saved.row;
    }
    gridView->setCurrent(column, row);
    if (restore)
        gridView->setTopLeft(saved.left, saved.top);
    else
        gridView->setTopLeft(gridView->fixedColumns(), gridView->fixedRows());
    cells.clearMarks();
    rangeMode = false;
    anchorColumn = column;
    anchorRow = row;
    gridView->invalidateAll();
    currentChanged(column, row);
}

void cuiSheet::findFirstSelectable(int& column, int& row) const {
    for (int r = 0; r < cells.rowCount(); ++r) {
        for (int c = 0; c < cells.columnCount(); ++c) {
            if (cells.selectable(c, r)) {
                column = c;
                row = r;
                return;
            }
        }
    }
}

// ---- Cursor and ranges ----------------------------------------------------------------------

void cuiSheet::cellAction(int column, int row, int key, int commandLink, const QByteArray* input) {
    active->act(column, row, key, commandLink, input);
}

bool cuiSheet::moveCursor(int dx, int dy) {
    const cuiCursorMove mover(
        cells.columnCount(), cells.rowCount(),
        [this](int column, int row) { return cells.selectable(column, row); }, listMode);
    const auto to = mover.move({gridView->currentColumn(), gridView->currentRow()}, dx, dy);
    if (to.column == gridView->currentColumn() && to.row == gridView->currentRow())
        return false;
    putCursor(to.column, to.row);
    if (to.column <= firstColumn)
        gridView->setTopLeft(gridView->fixedColumns(), gridView->topRow());
    if (to.row <= firstRow)
        gridView->setTopLeft(gridView->leftColumn(), gridView->fixedRows());
    return true;
}

void cuiSheet::putCursor(int column, int row, RangeRule rule) {
    const int oldColumn = gridView->currentColumn();
    const int oldRow = gridView->currentRow();
    if (!cells.contains(column, row) || (column == oldColumn && row == oldRow)) {
        gridView->setCurrent(oldColumn, oldRow);
        return;
    }
    gridView->setCurrent(column, row);
    if (rule == RangeRule::Follow)
        updateRange(oldColumn, oldRow, column, row);
    invalidate(oldColumn, oldRow);
    invalidate(column, row);
    if (!listMode) {
        gridView->invalidateRow(oldRow);
        gridView->invalidateRow(row);
    }
    currentChanged(column, row);
}

bool cuiSheet::inSelectedBlock(int column, int row) const {
    if (!rangeMode || !cells.contains(column, row))
        return false;
    const cuiCellMatrix::Slot& slot = cells.slot(column, row);
    return slot.inCellRange || slot.inLineRange;
}

void cuiSheet::currentChanged(int column, int row) {
    if (sink && cells.contains(column, row))
        sink->currentCellChanged(cells.cell(column, row));
    gridInput->refreshPopupMenu();
    emit cursorMoved(column, row);
}

// Shift or a drag extends the range from the anchor; any other move starts a new one.
void cuiSheet::updateRange(int oldColumn, int oldRow, int column, int row) {
    if (sheetStyle.multiSelect == SelectNone)
        return;
    const bool extend = gridInput->extending() && cells.contains(oldColumn, oldRow) &&
                        cells.slot(oldColumn, oldRow).multiSelect &&
                        cells.slot(column, row).multiSelect && anchorColumn >= 0;
    const std::vector<bool> before = cells.markedRows();
    if (extend) {
        const auto [lowColumn, highColumn] = std::minmax(anchorColumn, column);
        const auto [lowRow, highRow] = std::minmax(anchorRow, row);
        const int boxLeft = std::min({anchorColumn, oldColumn, column});
        const int boxRight = std::max({anchorColumn, oldColumn, column});
        for (int r = std::min({anchorRow, oldRow, row}); r <= std::max({anchorRow, oldRow, row});
             ++r) {
            for (int c = boxLeft; c <= boxRight; ++c)
                cells.slot(c, r).inCellRange =
                    c >= lowColumn && c <= highColumn && r >= lowRow && r <= highRow;
        }
        rangeMode = true;
    } else {
        if (rangeMode)
            cells.clearMarks();
        else if (cells.contains(oldColumn, oldRow))
            cells.slot(oldColumn, oldRow).inCellRange = false;
        rangeMode = false;
        anchorColumn = column;
        anchorRow = row;
    }
    cells.slot(column, row).inCellRange = true;
    if (sheetStyle.multiSelect == SelectLine)
        cells.markLines(gridView->fixedColumns());
    // Only rows whose marks changed are repainted, so a plain cursor move stays cheap.
    const std::vector<bool> after = cells.markedRows();
    const int boxTop = std::min({anchorRow, oldRow, row});
    const int boxBottom = std::max({anchorRow, oldRow, row});
    for (int r = 0; r < cells.rowCount(); ++r) {
        if (before[size_t(r)] != after[size_t(r)] || (extend && r >= boxTop && r <= boxBottom))
            gridView->invalidateRow(r);
    }
}

void cuiSheet::selectRange(int link, int first, int last, int actedIndex) {
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (int column = 0; column < cells.columnCount(); ++column) {
            const cmcCellObj& cell = cells.cell(column, row);
            if (!cell.selectable() || cell.link() != link || cell.index() < first ||
                cell.index() > last)
                continue;
            cells.slot(column, row).inCellRange = true;
            if (cell.index() == (actedIndex == first ? last : first))
                rangeEndRow = row;
        }
    }
    rangeMode = true;
    if (sheetStyle.multiSelect == SelectLine)
        cells.markLines(gridView->fixedColumns());
    gridView->invalidateAll();
}

void cuiSheet::clearRange() {
    if (rangeMode || cells.anyMarked())
        gridView->invalidateAll();
    cells.clearMarks();
    rangeMode = false;
    if (sink && cells.contains(gridView->currentColumn(), gridView->currentRow()))
        sink->currentCellChanged(cells.cell(gridView->currentColumn(), gridView->currentRow()));
}

// ---- Painting -------------------------------------------------------------------------------

datCellReq cuiSheet::request(int column, int row) const {
    datCellReq result;
    result.cell = &cells.cell(column, row);
    result.column = column;
    result.row = row;
    result.callArgument = argument.isEmpty() ? sheetKey : argument;
    result.sheetKey = sheetKey;
    result.printing = isPrinting();
    const cmcFont* font = result.cell->effectiveFont();
    result.textColour = font ? font->colour : cuiLook::clWindowText;
    return result;
}

QString cuiSheet::shownText(datCellReq& request) const {
    const cmcCellObj& cell = *request.cell;
    if (cell.link() == cmcCellNames::LinkNone)
        return table.display(cell.text());
    cmcCellHandler* answering = handler();
    return answering ? table.display(answering->shownText(request)) : table.display(cell.text());
}

bool cuiSheet::slotSelected(int column, int row) const {
    const cuiCellMatrix::Slot& slot = cells.slot(column, row);
    if ((slot.inCellRange || slot.inLineRange) && slot.multiSelect)
        return true;
    return column == gridView->currentColumn() && row == gridView->currentRow();
}

cuiCellPainter::Background cuiSheet::background(int column, int row) const {
    bool selected = slotSelected(column, row);
    const cmcCellObj& cell = cells.cell(column, row);
    if (!selected && cell.trailer() && !cell.selectable() && row == gridView->currentRow())
        selected = cells.ownerColumn(column, row) == gridView->currentColumn();
    if (selected)
        return gridView->hasFocus() || listMode ? cuiCellPainter::Highlight
                                                : cuiCellPainter::CellTint;
    if (sheetStyle.colourSelectLine && row == gridView->currentRow() &&
        column >= gridView->fixedColumns())
        return cuiCellPainter::LineTint;
    return cuiCellPainter::Own;
}

void cuiSheet::paintCell(QPainter& painter, int column, int row, const QRect& rect) {
    int owner = column;
    QRect area = rect;
    while (owner > 0 && cells.cell(owner, row).span()) {
        --owner;
        area.setLeft(area.left() - gridView->columnWidth(owner));
    }
    const bool spannedOnRight =
        column + 1 < cells.columnCount() && cells.cell(column + 1, row).span();
    datCellReq look = request(owner, row);
    const cuiCellPainter::Background shade = background(owner, row);
    look.selected = shade == cuiCellPainter::Highlight || shade == cuiCellPainter::CellTint;
    cuiCellPainter::Cell paint;
    paint.cell = look.cell;
    paint.rect = area;
    paint.background = shade;
    paint.rightRule = spannedOnRight ? cmcCellObj::RuleNone : cells.cell(column, row).rightRule();
    paint.text = shownText(look);
    paint.textColour = look.textColour;
    paint.warning = look.warningMark;
    paint.error = look.errorMark;
    paint.focusFrame = !listMode && owner == gridView->currentColumn() &&
                       row == gridView->currentRow() && gridView->hasFocus();
    const cuiCellPainter::Context context{gridView->palette(), lineTint, cellTint, isPrinting(),
                                          scale()};
    cuiCellPainter::paint(painter, context, paint);
}

void cuiSheet::invalidate(int column, int row) {
    if (!cells.contains(column, row))
        return;
    gridView->invalidateCell(column, row);
    for (int next = column + 1; next < cells.columnCount() && cells.cell(next, row).trailer();
         ++next)
        gridView->invalidateCell(next, row);
}

void cuiSheet::repaintMatching(const cmcCellObj& reference, int criteria) {
    repaintMatching(Match{reference.category(), reference.link(), reference.index()}, criteria);
}

void cuiSheet::repaintMatching(const Match& reference, int criteria) {
    const int lastRow = gridView->lastVisibleRow();
    const int lastColumn = gridView->lastVisibleColumn();
    for (int row = 0; row <= lastRow; ++row) {
        for (int column = 0; column <= lastColumn; ++column) {
            if (matches(cells.cell(column, row), reference, criteria))
                gridView->invalidateCell(column, row);
        }
    }
}

void cuiSheet::fitColumn(int column) {
    int widest = 0;
    for (int row = 0; row < cells.rowCount(); ++row) {
        datCellReq look = request(column, row);
        const cmcFont* spec = look.cell->effectiveFont();
        const QFontMetrics metrics(spec ? cuiLook::font(*spec) : gridView->font());
        for (const QString& line : shownText(look).split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    gridView->setColumnWidth(column, cuiTextLayout::nearest(widest + 8 * scale() + 0.5));
}

void cuiSheet::columnWidthsChanged() {
    if (!building)
        saveColumnWidths();
}

void cuiSheet::gridFocusChanged() {
    gridView->invalidateAll();
}

void cuiSheet::paletteChanged() {
    const QPalette& colours = palette();
    const QColor window = cuiLook::colour(cuiLook::clWindow, colours);
    const QColor text = cuiLook::colour(cuiLook::clWindowText, colours);
    lineTint = cuiLook::lineTint(window, text);
    cellTint = cuiLook::cellTint(window, text);
    if (gridView)
        gridView->invalidateAll();
}

// ---- Notifications --------------------------------------------------------------------------

void cuiSheet::onEvent(void* context, cmcEvent& event) {
    static_cast<cuiSheet*>(context)->notification(event);
}

void cuiSheet::notification(cmcEvent& event) {
    const int category = basic->category();
    switch (event.id()) {
    case cmcEventId::RedrawAll:
        repaintMatching(Match{category, 0, 0}, AnyLinked);
        break;
    case cmcEventId::RedrawCategory:
        repaintMatching(Match{event.first, 0, 0}, SameCategory);
        break;
    case cmcEventId::RedrawLink:
        repaintMatching(Match{category, event.first, 0}, SameLink);
        break;
    case cmcEventId::RedrawRecord:
        repaintMatching(Match{category, 0, event.first}, SameIndex);
        break;
    case cmcEventId::RedrawRecordsAtMost:
        repaintMatching(Match{category, 0, event.first}, IndexAtMost);
        break;
    case cmcEventId::RedrawRecordsAtLeast:
        repaintMatching(Match{category, 0, event.first}, IndexAtLeast);
        break;
    case cmcEventId::FinishEdit:
        active->closeEditor(true);
        break;
    case cmcEventId::CurrentCell:
        gridInput->answerCurrentCell();
        break;
    default:
        break;
    }
}
