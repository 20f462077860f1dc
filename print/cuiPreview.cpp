#include "cuiPreview.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cuiLook.h"
#include "cuiPreviewCanvas.h"
#include "cuiPreviewSetting.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

namespace {

// Lines of GI_AppInd_Preview_Caption.
enum Button { Print, Setting, TopPage, PreviousPage, NextPage, LastPage, Zoom };
// Lines of GI_AppInd_Preview_Page.
enum PageText { TotalText, StatusText };

} // namespace

cuiPreview::cuiPreview(cmcGTex& definitions, int fontPoints, QWidget* owner)
    : QDialog(owner), table(definitions), points(fontPoints) {
    setObjectName("Preview");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    setWindowTitle(table.display(table.GetText("GI_Sys_AppTitle")));
    buildControls();
    refresh();
}

QString cuiPreview::text(const char* key, int line) const {
    return table.display(table.GetText(key, line));
}

QPushButton* cuiPreview::addButton(QLayout* row, int line, const char* name) {
    auto* button = new QPushButton(text("GI_AppInd_Preview_Caption", line), this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    row->addWidget(button);
    return button;
}

void cuiPreview::buildControls() {
    auto* row = new QHBoxLayout;
    connect(addButton(row, Print, "Print"), &QPushButton::clicked, this, &QDialog::accept);
    connect(addButton(row, Setting, "Setting"), &QPushButton::clicked, this,
            &cuiPreview::openSetting);
    topButton = addButton(row, TopPage, "TopPage");
    previousButton = addButton(row, PreviousPage, "PreviousPage");
    nextButton = addButton(row, NextPage, "NextPage");
    lastButton = addButton(row, LastPage, "LastPage");
    connect(topButton, &QPushButton::clicked, this, [this] { showPage(0); });
    connect(previousButton, &QPushButton::clicked, this, [this] { showPage(current - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showPage(current + 1); });
    connect(lastButton, &QPushButton::clicked, this, [this] { showPage(pageCount() - 1); });
    pageBox = new QLineEdit(this);
    pageBox->setObjectName("PageBox");
    pageBox->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pageBox));
    pageBox->setMaximumWidth(pageBox->fontMetrics().horizontalAdvance(QString(6, '0')));
    connect(pageBox, &QLineEdit::returnPressed, this, &cuiPreview::jumpToTyped);
    row->addWidget(pageBox);
    totalLabel = new QLabel(this);
    totalLabel->setObjectName("PageTotal");
    row->addWidget(totalLabel);
    zoomButton = addButton(row, Zoom, "Zoom");
    zoomButton->setCheckable(true);
    connect(zoomButton, &QPushButton::toggled, this, &cuiPreview::setZoomed);
    row->addStretch(1);

    canvas = new cuiPreviewCanvas;
    area = new QScrollArea(this);
    area->setFocusPolicy(Qt::NoFocus);
    area->setAlignment(Qt::AlignCenter);
    area->setWidget(canvas);
    area->setWidgetResizable(true);
    canvas->installEventFilter(this);
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    status = new QLabel(bar);
    status->setObjectName("Status");
    bar->addWidget(status, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(area, 1);
    layout->addWidget(bar);
    canvas->setFocus();
}

void cuiPreview::setPaper(QSize paper, int dpi) {
    canvas->setPaper(paper, dpi);
}

void cuiPreview::pagesLaidOut() {
    showPage(current);
}

void cuiPreview::showPage(int index) {
    current = std::clamp(index, 0, std::max(0, pageCount() - 1));
    refresh();
}

void cuiPreview::refresh() {
    const int total = std::max(1, pageCount());
    const bool first = current == 0;
    const bool last = current >= total - 1;
    topButton->setEnabled(!first);
    previousButton->setEnabled(!first);
    nextButton->setEnabled(!last);
    lastButton->setEnabled(!last);
    pageBox->setText(QString::number(current + 1));
    totalLabel->setText(table.display(
        cmcGTex::formatted(table.GetText("GI_AppInd_Preview_Page", TotalText), pageCount())));
    status->setText(table.display(cmcGTex::formatted(
        table.GetText("GI_AppInd_Preview_Page", StatusText), current + 1, total)));
    canvas->setPicture(current < pageCount() ? pageList[current].picture : QPicture());
}

void cuiPreview::jumpToTyped() {
    showPage(pageBox->text().toInt() - 1);
    canvas->setFocus();
}

bool cuiPreview::zoomed() const {
    return canvas->zoomed();
}

// Off, the page fits the window; on, it keeps its own size and the area scrolls.
void cuiPreview::setZoomed(bool on) {
    area->setWidgetResizable(!on);
    canvas->setZoomed(on);
    if (!on)
        canvas->resize(area->viewport()->size());
    if (zoomButton->isChecked() != on)
        zoomButton->setChecked(on);
}

void cuiPreview::scrollBy(int horizontal, int vertical) {
    QScrollBar* across = area->horizontalScrollBar();
    QScrollBar* down = area->verticalScrollBar();
    across->setValue(across->value() + horizontal * across->singleStep());
    down->setValue(down->value() + vertical * down->singleStep());
}

bool cuiPreview::pageKey(int key) {
    const bool zoom = zoomed();
    switch (key) {
    case Qt::Key_PageUp:
        showPage(current - 1);
        return true;
    case Qt::Key_PageDown:
        showPage(current + 1);
        return true;
    case Qt::Key_Up:
        zoom ? scrollBy(0, -1) : showPage(current - 1);
        return true;
    case Qt::Key_Down:
        zoom ? scrollBy(0, 1) : showPage(current + 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (zoom)
            scrollBy(key == Qt::Key_Left ? -1 : 1, 0);
        return true;
    default:
        return false;
    }
}

bool cuiPreview::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas && event->type() == QEvent::KeyPress)
        return pageKey(static_cast<QKeyEvent*>(event)->key());
    return QDialog::eventFilter(watched, event);
}

void cuiPreview::openSetting() {
    cuiPreviewSetting setting(table, points, this);
    if (setting.exec() != QDialog::Accepted)
        return;
    points = setting.points();
    emit fontChosen(points);
}
