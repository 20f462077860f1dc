#include "cuiToolBar.h"

#include "cuiImages.h"

#include <QAction>
#include <QMainWindow>
#include <QToolBar>
#include <QWidget>

cuiToolBar::cuiToolBar(cmcGTex& table) : definitions(table) {}

cuiToolBar::~cuiToolBar() {
    release();
}

void cuiToolBar::build(const QByteArray& name, Handler clickHandler) {
    release();
    ++generation;
    handler = std::move(clickHandler);
    body.readFlat(definitions, name);
    QToolBar* row = newRow();
    bool lineBreak = false;
    for (const cuiBody::Item& item : body.items()) {
        const QByteArray text = item.cell->text();
        if (text == "/") {
            lineBreak = true;
            continue;
        }
        if (lineBreak)
            row = newRow();
        lineBreak = false;
        if (text == "-")
            addGap(*row);
        else
            addButton(*row, *item.cell);
    }
    update();
}

QToolBar* cuiToolBar::newRow() {
    toolBars.push_back(new QToolBar);
    return toolBars.back();
}

void cuiToolBar::addGap(QToolBar& row) {
    auto* gap = new QWidget(&row);
    gap->setFixedSize(GapWidth, GapWidth);
    row.addWidget(gap);
}

void cuiToolBar::addButton(QToolBar& row, cmcCellObj& cell) {
    QAction* action = row.addAction(definitions.display(cell.text()));
    action->setToolTip(action->text());
    connect(action, &QAction::triggered, this, [this, &cell] { click(cell); });
    buttons.push_back({action, &cell});
}

void cuiToolBar::update() {
    for (const Button& button : buttons) {
        cuiBody::refresh(*button.cell);
        button.action->setCheckable(button.cell->flag(0));
        button.action->setChecked(button.cell->flag(0));
        button.action->setEnabled(!button.cell->flag(2));
        button.action->setIcon(cuiImages::commandImage(button.cell->imageIndex()));
    }
}

// The handler may rebuild or release the toolbar; only one that survived is refreshed.
void cuiToolBar::click(const cmcCellObj& cell) {
    const QPointer<cuiToolBar> alive(this);
    const unsigned built = generation;
    cuiBody::command(cell, handler);
    if (alive && generation == built)
        update();
}

void cuiToolBar::release() {
    for (const QPointer<QToolBar>& row : toolBars)
        delete row.data();
    toolBars.clear();
    buttons.clear();
    body.clear();
}

QList<QToolBar*> cuiToolBar::rows() const {
    QList<QToolBar*> list;
    for (const QPointer<QToolBar>& row : toolBars)
        if (row)
            list.append(row);
    return list;
}

void cuiToolBar::addTo(QMainWindow& window) const {
    bool first = true;
    for (QToolBar* row : rows()) {
        if (!first)
            window.addToolBarBreak(Qt::TopToolBarArea);
        window.addToolBar(Qt::TopToolBarArea, row);
        first = false;
    }
}
