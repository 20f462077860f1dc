#include "cuiPrintPage.h"

#include "cmcGTex.h"
#include "cmcPageCall.h"
#include "cmcPrintLayout.h"
#include "cuiGrid.h"
#include "cuiPreview.h"
#include "cuiPrintFrame.h"
#include "cuiPrintJob.h"
#include "cuiSheet.h"
#include "iuiPageFactory.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

cuiPrintPage::cuiPrintPage(cuiPrintJob& printJob, const QByteArray& callText)
    : job(printJob), call(callText), form(std::make_unique<QWidget>()),
      fontHeight(cmcPrintLayout::sheetFontHeight(printJob.fontPoints)) {}

// The page goes before the form that owns it.
cuiPrintPage::~cuiPrintPage() {
    page.reset();
}

void cuiPrintPage::build(int height) {
    page.reset();
    page =
        iuiPageFactory::create(cmcPageCall::split(call), form.get(), nullptr, job.table, &job.data);
    page->setPrintTarget(job.scale);
    page->setPrintFont(job.fontPoints, job.scale);
    page->setExplicitFontHeight(height);
    page->Show();
    fontHeight = height;
}

bool cuiPrintPage::taken() const {
    return page->printHook(job.choices.memoryChannels, job.choices.bankChannels);
}

std::vector<int> cuiPrintPage::columnWidths() const {
    std::vector<int> widths;
    for (int column = 0; column < page->grid().columnCount(); ++column)
        widths.push_back(page->grid().columnWidth(column));
    return widths;
}

std::vector<int> cuiPrintPage::rowHeights() const {
    std::vector<int> heights;
    for (int row = 0; row < page->grid().rowCount(); ++row)
        heights.push_back(page->grid().rowHeight(row));
    return heights;
}

// A block may not end inside a header group: before a column whose fixed-row cell continues
// the cell on its left.
std::vector<bool> cuiPrintPage::columnBreaks() const {
    const cuiCellMatrix& cells = page->matrix();
    std::vector<bool> breaks(size_t(cells.columnCount()), true);
    for (int column = 0; column < cells.columnCount(); ++column) {
        for (int row = 0; row < page->grid().fixedRows(); ++row) {
            if (cells.cell(column, row).span())
                breaks[size_t(column)] = false;
        }
    }
    return breaks;
}

int cuiPrintPage::layOut() {
    build(fontHeight);
    frame = std::make_unique<cuiPrintFrame>(job.table, page->grid().font(), job.dpi);
    room = frame->sheetRect(job.content);
    const int fixedColumns = page->grid().fixedColumns();
    const int fixedRows = page->grid().fixedRows();
    const QList<quint16> columnBlocks =
        cmcPrintLayout::blocks(columnWidths(), fixedColumns, room.width(), columnBreaks());
    const QList<quint16> rowBlocks = cmcPrintLayout::blocks(rowHeights(), fixedRows, room.height());
    const int before = job.pages;
    int firstRow = fixedRows;
    for (const quint16 rows : rowBlocks) {
        int firstColumn = fixedColumns;
        for (const quint16 columns : columnBlocks) {
            if (!taken() || job.stopped())
                return job.pages - before;
            const Block block{firstColumn, columns, firstRow, rows};
            fitFont(block);
            output(block);
            firstColumn += columns;
        }
        firstRow += rows;
    }
    return job.pages - before;
}

QSize cuiPrintPage::blockSize(const Block& block) const {
    return QSize(
        cmcPrintLayout::extent(columnWidths(), page->grid().fixedColumns(), block.firstColumn,
                               block.columns),
        cmcPrintLayout::extent(rowHeights(), page->grid().fixedRows(), block.firstRow, block.rows));
}

// A block that is too large even alone (a wide header group) is printed at a smaller font; the
// page stays at it for the blocks that follow, which then fit as well.
void cuiPrintPage::fitFont(const Block& block) {
    for (int step = 0; step < cmcPrintLayout::MaxFontScalings; ++step) {
        const QSize size = blockSize(block);
        if (cmcPrintLayout::fits(size, room.size()))
            return;
        build(cmcPrintLayout::scaledFontHeight(fontHeight, size, room.size()));
    }
}

QList<int> cuiPrintPage::drawnColumns(const Block& block) const {
    QList<int> columns;
    const auto take = [&](int column) {
        if (page->grid().columnWidth(column) > 0)
            columns.append(column);
    };
    for (int column = 0; column < page->grid().fixedColumns(); ++column)
        take(column);
    for (int column = block.firstColumn; column < block.firstColumn + block.columns; ++column)
        take(column);
    return columns;
}

QList<int> cuiPrintPage::drawnRows(const Block& block) const {
    QList<int> rows;
    const auto take = [&](int row) {
        if (page->grid().rowHeight(row) > 0)
            rows.append(row);
    };
    for (int row = 0; row < page->grid().fixedRows(); ++row)
        take(row);
    for (int row = block.firstRow; row < block.firstRow + block.rows; ++row)
        take(row);
    return rows;
}

void cuiPrintPage::draw(QPainter& painter, const Block& block) const {
    frame->draw(painter, job.content, job.table.display(page->sheetName()));
    const QList<int> columns = drawnColumns(block);
    int y = room.top();
    for (const int row : drawnRows(block)) {
        const int height = page->grid().rowHeight(row);
        int x = room.left();
        for (const int column : columns) {
            const int width = page->grid().columnWidth(column);
            page->paintCell(painter, column, row, QRect(x, y, width, height));
            x += width;
        }
        y += height;
    }
}

void cuiPrintPage::output(const Block& block) {
    ++job.pages;
    dst_Preview paper{call, drawnColumns(block), drawnRows(block), fontHeight, QPicture()};
    if (job.mode == cuiPrintJob::Preview) {
        QPainter painter(&paper.picture);
        draw(painter, block);
        painter.end();
        paper.picture.setBoundingRect(QRect(QPoint(), job.paper));
        job.preview->addPage(paper);
    } else if (job.mode == cuiPrintJob::Printing) {
        if (job.started)
            job.printer->newPage();
        job.started = true;
        draw(*job.painter, block);
        job.printed.append(paper);
    }
}
