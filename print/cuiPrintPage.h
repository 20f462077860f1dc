#pragma once

#include <QByteArray>
#include <QRect>
#include <memory>
#include <vector>

class QPainter;
class QWidget;
class cuiPrintFrame;
class cuiSheet;
struct cmcPageCall;
struct cuiPrintJob;

// Lays one page out for paper: builds it afresh from its call text at the printer's scale and
// print font, cuts its sheet into blocks of columns and rows that fit a paper page, and hands
// each block with its frame to the job's pass. The open page is never touched.
class cuiPrintPage {
public:
    cuiPrintPage(cuiPrintJob& job, const QByteArray& callText);
    ~cuiPrintPage();

    // The paper pages this page gave; 0 when the job does not take it or was cancelled first.
    int layOut();

private:
    struct Block {
        int firstColumn;
        int columns;
        int firstRow;
        int rows;
    };

    void build(int fontHeight);
    bool taken() const;
    std::vector<int> columnWidths() const;
    std::vector<int> rowHeights() const;
    std::vector<bool> columnBreaks() const;
    QSize blockSize(const Block& block) const;
    void fitFont(const Block& block);
    void output(const Block& block);
    void draw(QPainter& painter, const Block& block) const;
    QList<int> drawnColumns(const Block& block) const;
    QList<int> drawnRows(const Block& block) const;

    cuiPrintJob& job;
    QByteArray call;
    std::unique_ptr<QWidget> form;
    std::unique_ptr<cuiSheet> page;
    std::unique_ptr<cuiPrintFrame> frame;
    QRect room;
    int fontHeight;
};
