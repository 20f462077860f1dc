#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QRect>
#include <vector>

class cuiSheet;

// The owner-drawn grid of a sheet: column widths, row heights, fixed rows and columns at the
// top and left, a cursor, and scrolling by whole rows and columns. What a cell looks like and
// what a key or a click does is the sheet's business; the grid hands those to it.
class cuiGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit cuiGrid(cuiSheet& sheet, QWidget* parent = nullptr);

    void setDimensions(int columns, int rows, int defaultWidth, int defaultHeight);
    int columnCount() const { return int(widths.size()); }
    int rowCount() const { return int(heights.size()); }
    void setFixed(int columns, int rows);
    int fixedColumns() const { return fixedCols; }
    int fixedRows() const { return fixedRowCount; }
    void setColumnWidth(int column, int width);
    int columnWidth(int column) const { return widths[size_t(column)]; }
    void setRowHeight(int row, int height);
    int rowHeight(int row) const { return heights[size_t(row)]; }
    void setColumnSizing(bool on) { sizing = on; }

    int currentColumn() const { return current.x(); }
    int currentRow() const { return current.y(); }
    // Moves the cursor without asking anyone and scrolls it into view.
    void setCurrent(int column, int row);
    int topRow() const { return top; }
    int leftColumn() const { return left; }
    void setTopLeft(int column, int row);
    int lastVisibleColumn() const;
    int lastVisibleRow() const;

    // In viewport coordinates; empty when the cell is scrolled out of view.
    QRect cellRect(int column, int row) const;
    // False when the position holds no cell.
    bool cellAt(QPoint position, int& column, int& row) const;
    void invalidateCell(int column, int row);
    void invalidateRow(int row);
    void invalidateAll();
    // The whole grid's natural size, with its frame.
    QSize naturalSize() const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int columnLeft(int column) const;
    int rowTop(int row) const;
    int fixedWidth() const;
    int fixedHeight() const;
    int lastTop() const;
    int lastLeft() const;
    void updateScrollBars();
    void ensureVisible(int column, int row);
    int borderNear(QPoint position) const;

    cuiSheet& sheet;
    std::vector<int> widths;
    std::vector<int> heights;
    int fixedCols = 0;
    int fixedRowCount = 0;
    int top = 0;
    int left = 0;
    QPoint current{0, 0};
    bool sizing = false;
    int sizingColumn = -1;
    int sizingStartX = 0;
    int sizingStartWidth = 0;
    bool sizingMoved = false;
    bool syncingBars = false;
};
