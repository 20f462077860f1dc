#include "cuiSelectList.h"

#include "cmcGTex.h"
#include "cuiActiveCell.h"
#include "cuiGrid.h"
#include "cuiListPlacement.h"
#include "cuiSheet.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

cuiSelectList::cuiSelectList(cuiSheet& ownerSheet, const datCellReq& ownerRequest, cmcGTex& table,
                             const QByteArray& sheetKey, int choice, const QRect& cellRect)
    : QWidget(&ownerSheet, Qt::Popup), owner(ownerSheet), request(ownerRequest) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(table.display(table.GetText("GI_Sys_AppTitle")));
    if (QWidget* main = ownerSheet.window())
        setFont(main->font());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list = new cuiSheet(this, nullptr, cmcCellNames::Flex0, choice, table, sheetKey);
    list->setListMode(true);
    list->Show();
    layout->addWidget(list);
    connect(list, &cuiSheet::chosen, this, &cuiSelectList::choose);
    connect(list, &cuiSheet::cancelled, this, &cuiSelectList::leave);
    place(cellRect);
}

void cuiSelectList::place(const QRect& cellRect) {
    const QScreen* screen = QGuiApplication::screenAt(cellRect.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect work = screen->availableGeometry();
    QSize natural = list->grid().naturalSize() + QSize(4, 4);
    // A list cut to the screen makes room for the scroll bar it then needs.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (natural.height() > work.height())
        natural.rwidth() += bar;
    if (natural.width() > work.width())
        natural.rheight() += bar;
    const auto placed = cuiListPlacement::place(cellRect, natural, work);
    const Qt::ScrollBarPolicy bars =
        placed.scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    list->grid().setHorizontalScrollBarPolicy(bars);
    list->grid().setVerticalScrollBarPolicy(bars);
    setGeometry(placed.bounds);
}

void cuiSelectList::choose(int column, int row) {
    if (chosen)
        return;
    chosen = true;
    datCellReq choice = request;
    choice.clearAnswers();
    choice.owner = &request;
    choice.mode = datCellReq::ListChoice;
    choice.cell = &list->cellAt(column, row);
    hide();
    owner.activeCell().listChoice(choice);
    leave();
}

// Keys go back to the grid, where the cursor still stands on the cell of the list.
void cuiSelectList::leave() {
    close();
    owner.grid().setFocus(Qt::PopupFocusReason);
}

void cuiSelectList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        leave();
        return;
    }
    QWidget::keyPressEvent(event);
}

void cuiSelectList::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible())
        close();
}
