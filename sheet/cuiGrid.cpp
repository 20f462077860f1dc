#include "cuiGrid.h"

#include "cuiGridInput.h"
#include "cuiSheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <numeric>

namespace {

// A press this close to a column border sizes the column instead of choosing a cell.
constexpr int BorderReach = 4;

} // namespace

cuiGrid::cuiGrid(cuiSheet& owner, QWidget* parent) : QAbstractScrollArea(parent), sheet(owner) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void cuiGrid::setDimensions(int columns, int rows, int defaultWidth, int defaultHeight) {
    widths.assign(size_t(std::max(columns, 0)), defaultWidth);
    heights.assign(size_t(std::max(rows, 0)), defaultHeight);
    fixedCols = fixedRowCount = 0;
    top = left = 0;
    current = QPoint(0, 0);
    updateScrollBars();
}

void cuiGrid::setFixed(int columns, int rows) {
    fixedCols = std::clamp(columns, 0, std::max(0, columnCount() - 1));
    fixedRowCount = std::clamp(rows, 0, std::max(0, rowCount() - 1));
    top = std::max(top, fixedRowCount);
    left = std::max(left, fixedCols);
    updateScrollBars();
}

void cuiGrid::setColumnWidth(int column, int width) {
    widths[size_t(column)] = std::max(0, width);
    updateScrollBars();
    viewport()->update();
}

void cuiGrid::setRowHeight(int row, int height) {
    heights[size_t(row)] = std::max(0, height);
    updateScrollBars();
    viewport()->update();
}

void cuiGrid::setCurrent(int column, int row) {
    if (column == current.x() && row == current.y()) {
        ensureVisible(column, row);
        return;
    }
    invalidateCell(current.x(), current.y());
    current = QPoint(column, row);
    invalidateCell(column, row);
    ensureVisible(column, row);
}

void cuiGrid::setTopLeft(int column, int row) {
    const int newLeft = std::clamp(column, fixedCols, std::max(fixedCols, lastLeft()));
    const int newTop = std::clamp(row, fixedRowCount, std::max(fixedRowCount, lastTop()));
    if (newLeft == left && newTop == top)
        return;
    left = newLeft;
    top = newTop;
    updateScrollBars();
    viewport()->update();
}

int cuiGrid::columnLeft(int column) const {
    if (column < fixedCols)
        return std::accumulate(widths.begin(), widths.begin() + column, 0);
    if (column < left)
        return -1;
    return fixedWidth() + std::accumulate(widths.begin() + left, widths.begin() + column, 0);
}

int cuiGrid::rowTop(int row) const {
    if (row < fixedRowCount)
        return std::accumulate(heights.begin(), heights.begin() + row, 0);
    if (row < top)
        return -1;
    return fixedHeight() + std::accumulate(heights.begin() + top, heights.begin() + row, 0);
}

int cuiGrid::fixedWidth() const {
    return std::accumulate(widths.begin(), widths.begin() + fixedCols, 0);
}

int cuiGrid::fixedHeight() const {
    return std::accumulate(heights.begin(), heights.begin() + fixedRowCount, 0);
}

QRect cuiGrid::cellRect(int column, int row) const {
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount())
        return {};
    const int x = columnLeft(column);
    const int y = rowTop(row);
    if (x < 0 || y < 0 || x >= viewport()->width() || y >= viewport()->height())
        return {};
    return QRect(x, y, widths[size_t(column)], heights[size_t(row)]);
}

int cuiGrid::lastVisibleColumn() const {
    int x = fixedWidth();
    int column = left;
    for (; column < columnCount() && x + widths[size_t(column)] < viewport()->width(); ++column)
        x += widths[size_t(column)];
    return std::min(column, columnCount() - 1);
}

int cuiGrid::lastVisibleRow() const {
    int y = fixedHeight();
    int row = top;
    for (; row < rowCount() && y + heights[size_t(row)] < viewport()->height(); ++row)
        y += heights[size_t(row)];
    return std::min(row, rowCount() - 1);
}

bool cuiGrid::cellAt(QPoint position, int& column, int& row) const {
    column = row = -1;
    for (int c = 0; c < columnCount() && column < 0; ++c) {
        const int x = columnLeft(c);
        if (x >= 0 && position.x() >= x && position.x() < x + widths[size_t(c)])
            column = c;
    }
    for (int r = 0; r < rowCount() && row < 0; ++r) {
        const int y = rowTop(r);
        if (y >= 0 && position.y() >= y && position.y() < y + heights[size_t(r)])
            row = r;
        if (y > position.y() && r >= fixedRowCount)
            break;
    }
    return column >= 0 && row >= 0;
}

void cuiGrid::invalidateCell(int column, int row) {
    const QRect rect = cellRect(column, row);
    if (!rect.isEmpty())
        viewport()->update(rect);
}

void cuiGrid::invalidateRow(int row) {
    const int y = rowTop(row);
    if (y >= 0 && row < rowCount())
        viewport()->update(QRect(0, y, viewport()->width(), heights[size_t(row)]));
}

void cuiGrid::invalidateAll() {
    viewport()->update();
}

QSize cuiGrid::naturalSize() const {
    const int frame = 2 * frameWidth();
    return QSize(std::accumulate(widths.begin(), widths.end(), 0) + frame,
                 std::accumulate(heights.begin(), heights.end(), 0) + frame);
}

QSize cuiGrid::sizeHint() const {
    return naturalSize().boundedTo(QSize(1200, 900));
}

// The largest top row that still fills the viewport, so the last row can be reached.
int cuiGrid::lastTop() const {
    const int room = viewport()->height() - fixedHeight();
    int row = rowCount();
    for (int used = 0; row > fixedRowCount && used + heights[size_t(row - 1)] <= room; --row)
        used += heights[size_t(row - 1)];
    return std::max(fixedRowCount, row);
}

int cuiGrid::lastLeft() const {
    const int room = viewport()->width() - fixedWidth();
    int column = columnCount();
    for (int used = 0; column > fixedCols && used + widths[size_t(column - 1)] <= room; --column)
        used += widths[size_t(column - 1)];
    return std::max(fixedCols, column);
}

void cuiGrid::updateScrollBars() {
    syncingBars = true;
    top = std::clamp(top, fixedRowCount, std::max(fixedRowCount, lastTop()));
    left = std::clamp(left, fixedCols, std::max(fixedCols, lastLeft()));
    verticalScrollBar()->setRange(0, std::max(0, lastTop() - fixedRowCount));
    verticalScrollBar()->setPageStep(std::max(1, lastVisibleRow() - top));
    verticalScrollBar()->setValue(top - fixedRowCount);
    horizontalScrollBar()->setRange(0, std::max(0, lastLeft() - fixedCols));
    horizontalScrollBar()->setPageStep(std::max(1, lastVisibleColumn() - left));
    horizontalScrollBar()->setValue(left - fixedCols);
    syncingBars = false;
}

void cuiGrid::ensureVisible(int column, int row) {
    int newTop = top;
    int newLeft = left;
    if (row >= fixedRowCount && row < top)
        newTop = row;
    else if (row >= fixedRowCount) {
        while (newTop < row && rowTop(row) - rowTop(newTop) + fixedHeight() + heights[size_t(row)] >
                                   viewport()->height()) {
            ++newTop;
        }
    }
    if (column >= fixedCols && column < left)
        newLeft = column;
    else if (column >= fixedCols) {
        const auto rightEdge = [&](int from) {
            return fixedWidth() +
                   std::accumulate(widths.begin() + from, widths.begin() + column + 1, 0);
        };
        while (newLeft < column && rightEdge(newLeft) > viewport()->width())
            ++newLeft;
    }
    setTopLeft(newLeft, newTop);
}

void cuiGrid::scrollContentsBy(int, int) {
    if (syncingBars)
        return;
    top = fixedRowCount + verticalScrollBar()->value();
    left = fixedCols + horizontalScrollBar()->value();
    viewport()->update();
}

void cuiGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

// Rows and columns meeting the damaged region are painted; the fixed ones last, over the
// scrolled part, so a span that starts off screen never paints across them.
void cuiGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    // The region, not its bounding box: two changed rows far apart stay two rows.
    const QRegion damaged = event->region();
    for (const QRect& part : damaged)
        painter.fillRect(part, palette().color(QPalette::Base));
    const QRect scrolled(fixedWidth(), fixedHeight(), viewport()->width(), viewport()->height());
    const auto paintArea = [&](int firstRow, int lastRow, int firstColumn, int lastColumn,
                               const QRect& clip) {
        painter.setClipRegion(damaged.intersected(clip));
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const QRect rect = cellRect(column, row);
                if (!rect.isEmpty() && damaged.intersects(rect))
                    sheet.paintCell(painter, column, row, rect);
            }
        }
    };
    const int lastRow = lastVisibleRow();
    const int lastColumn = lastVisibleColumn();
    const QRect all = viewport()->rect();
    paintArea(top, lastRow, left, lastColumn, scrolled);
    paintArea(0, fixedRowCount - 1, left, lastColumn,
              QRect(fixedWidth(), 0, all.width(), fixedHeight()));
    paintArea(top, lastRow, 0, fixedCols - 1, QRect(0, fixedHeight(), fixedWidth(), all.height()));
    paintArea(0, fixedRowCount - 1, 0, fixedCols - 1, QRect(0, 0, fixedWidth(), fixedHeight()));
}

// Function keys belong to the current cell (F1 is help on it), not to a window shortcut.
bool cuiGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F12 &&
            key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void cuiGrid::keyPressEvent(QKeyEvent* event) {
    if (!sheet.input().key(event))
        QAbstractScrollArea::keyPressEvent(event);
}

int cuiGrid::borderNear(QPoint position) const {
    if (!sizing || position.y() >= fixedHeight())
        return -1;
    for (int column = 0; column < columnCount(); ++column) {
        const int x = columnLeft(column);
        if (x < 0 || widths[size_t(column)] < 1)
            continue;
        const int right = x + widths[size_t(column)];
        if (std::abs(position.x() - right) <= BorderReach)
            return column;
    }
    return -1;
}

void cuiGrid::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        sizingColumn = borderNear(at);
        if (sizingColumn >= 0) {
            sizingStartX = at.x();
            sizingStartWidth = widths[size_t(sizingColumn)];
            sizingMoved = false;
            return;
        }
    }
    int column;
    int row;
    if (cellAt(at, column, row))
        sheet.input().mousePress(event, column, row);
}

void cuiGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (sizingColumn >= 0) {
        sizingMoved = sizingMoved || at.x() != sizingStartX;
        setColumnWidth(sizingColumn, std::max(1, sizingStartWidth + at.x() - sizingStartX));
        return;
    }
    viewport()->setCursor(borderNear(at) >= 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
    int column;
    int row;
    if (cellAt(at, column, row))
        sheet.input().mouseMove(event, column, row);
}

void cuiGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (sizingColumn >= 0) {
        const int column = sizingColumn;
        sizingColumn = -1;
        if (!sizingMoved)
            sheet.fitColumn(column);
        sheet.columnWidthsChanged();
        return;
    }
    int column;
    int row;
    const bool onCell = cellAt(event->position().toPoint(), column, row);
    sheet.input().mouseRelease(event, onCell ? column : -1, onCell ? row : -1);
}

void cuiGrid::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    if (steps == 0 || (event->modifiers() & Qt::ShiftModifier))
        setTopLeft(left - event->angleDelta().y() / 120, top);
    else
        setTopLeft(left, top - steps);
    event->accept();
}

void cuiGrid::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    sheet.gridFocusChanged();
}

void cuiGrid::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    sheet.gridFocusChanged();
}

void cuiGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        sheet.paletteChanged();
}
