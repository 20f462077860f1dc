#include "cuiGridInput.h"

#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cuiDispatch.h"
#include "cuiFlector.h"
#include "cuiGrid.h"
#include "cuiSheet.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

cuiGridInput::cuiGridInput(cuiSheet& owner) : sheet(owner) {}

cuiGridInput::~cuiGridInput() = default;

bool cuiGridInput::extending() const {
    return dragging || (QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
}

bool cuiGridInput::moveKey(int dx, int dy, int edgeKey) {
    if (!sheet.moveCursor(dx, dy) && edgeKey)
        sheet.cellAction(sheet.grid().currentColumn(), sheet.grid().currentRow(), edgeKey);
    return true;
}

cuiDispatch::KeyKind cuiGridInput::kindOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Right:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_End:
        return cuiDispatch::KeyKind::Move;
    default:
        return cuiDispatch::KeyKind::Edit;
    }
}

bool cuiGridInput::key(QKeyEvent* event) {
    if (cuiDispatch* sink = sheet.dispatch())
        sink->clearInformation(kindOf(*event));
    const bool ctrlAlone = (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Right:
        return moveKey(1, 0, datCellReq::KeyRightEdge);
    case Qt::Key_Left:
        return moveKey(-1, 0, datCellReq::KeyLeftEdge);
    case Qt::Key_Down:
        return ctrlAlone ? false : moveKey(0, 1, 0);
    case Qt::Key_Up:
        return ctrlAlone ? false : moveKey(0, -1, 0);
    case Qt::Key_PageDown:
        return moveKey(0, 10, 0);
    case Qt::Key_PageUp:
        return moveKey(0, -10, 0);
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    case Qt::Key_Escape:
        if (sheet.isListMode()) {
            emit sheet.cancelled();
            return true;
        }
        break;
    default:
        break;
    }
    const int column = sheet.grid().currentColumn();
    const int row = sheet.grid().currentRow();
    if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F12) {
        sheet.cellAction(column, row, (0x70 + event->key() - Qt::Key_F1) << 8);
        return true;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        sheet.cellAction(column, row, datCellReq::KeyEnter);
        return true;
    }
    const QByteArray typed = sheet.definitions().stored(event->text());
    if (typed.size() != 1 || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    sheet.cellAction(column, row, static_cast<unsigned char>(typed[0]));
    return true;
}

// A row's number stands for its whole line on pages that select lines: the cursor goes to the
// row's cell in the cursor's column, or its first cell that takes part in a block.
int cuiGridInput::lineColumn(int column, int row) const {
    const cuiGrid& grid = sheet.grid();
    if (sheet.style().multiSelect != cuiSheet::SelectLine || column < 0 ||
        column >= grid.fixedColumns() || row < grid.fixedRows())
        return -1;
    const cuiCellMatrix& cells = sheet.matrix();
    const auto joins = [&](int c) {
        return cells.selectable(c, row) && cells.slot(c, row).multiSelect;
    };
    if (joins(grid.currentColumn()))
        return grid.currentColumn();
    for (int c = grid.fixedColumns(); c < cells.columnCount(); ++c) {
        if (joins(c))
            return c;
    }
    return -1;
}

void cuiGridInput::mousePress(QMouseEvent* event, int column, int row) {
    if (event->button() == Qt::LeftButton && lineColumn(column, row) >= 0) {
        sheet.putCursor(lineColumn(column, row), row);
        dragging = true;
        return;
    }
    const int owner = sheet.matrix().ownerColumn(column, row);
    const bool onCurrent =
        owner == sheet.grid().currentColumn() && row == sheet.grid().currentRow();
    if (event->button() == Qt::RightButton) {
        // The popup's row commands act on the block the user sees chosen.
        if (owner >= 0)
            sheet.putCursor(owner, row,
                            sheet.inSelectedBlock(owner, row) ? cuiSheet::RangeRule::Keep
                                                              : cuiSheet::RangeRule::Follow);
        showPopupMenu(column, row, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    pressOnCurrent = onCurrent;
    if (owner >= 0) {
        sheet.putCursor(owner, row);
        dragging = sheet.style().multiSelect != cuiSheet::SelectNone;
    }
}

void cuiGridInput::mouseMove(QMouseEvent* event, int column, int row) {
    if (sheet.isListMode()) {
        if (sheet.matrix().selectable(column, row))
            sheet.putCursor(column, row);
        return;
    }
    if (!dragging || !(event->buttons() & Qt::LeftButton))
        return;
    if (lineColumn(column, row) >= 0) {
        sheet.putCursor(lineColumn(column, row), row);
        return;
    }
    if (sheet.matrix().selectable(column, row) && sheet.matrix().slot(column, row).multiSelect)
        sheet.putCursor(column, row);
}

void cuiGridInput::mouseRelease(QMouseEvent* event, int column, int row) {
    dragging = false;
    const bool wasOnCurrent = pressOnCurrent;
    pressOnCurrent = false;
    if (event->button() != Qt::LeftButton || column < 0)
        return;
    if (sheet.isListMode()) {
        if (sheet.matrix().selectable(column, row))
            sheet.cellAction(column, row, datCellReq::KeyMouse);
        return;
    }
    const int owner = sheet.matrix().ownerColumn(column, row);
    if (wasOnCurrent && owner == sheet.grid().currentColumn() && row == sheet.grid().currentRow())
        sheet.cellAction(owner, row, datCellReq::KeyMouse);
}

QByteArray cuiGridInput::popupKeyOf(int column, int row) const {
    if (!sheet.matrix().contains(column, row))
        return {};
    const cmcCellObj& cell = sheet.matrix().cell(column, row);
    return row < sheet.grid().fixedRows() ? cell.colCutPopupMenu() : cell.popupMenu();
}

// The menu's commands act on the current cell with the chosen item's link.
std::unique_ptr<QMenu> cuiGridInput::buildMenu(const QByteArray& key,
                                               std::unique_ptr<cuiFlector>& menuBuilder) {
    auto menu = std::make_unique<QMenu>(&sheet);
    menuBuilder = std::make_unique<cuiFlector>(sheet.definitions());
    menuBuilder->create(menu.get(), key, [this](datCellReq& item) {
        // "Edit..." is Enter on the cell.
        const int link = item.cell->link();
        const bool edit = link == cmcCellNames::CL_PMenu_Edit;
        sheet.cellAction(sheet.grid().currentColumn(), sheet.grid().currentRow(),
                         edit ? datCellReq::KeyEnter : datCellReq::KeyCommand, edit ? 0 : link);
    });
    menuBuilder->build();
    return menu;
}

void cuiGridInput::refreshPopupMenu() {
    const QByteArray key = popupKeyOf(sheet.grid().currentColumn(), sheet.grid().currentRow());
    if (key == currentKey)
        return;
    currentKey = key;
    popup.reset();
    builder.reset();
    if (!key.isEmpty()) {
        popup = buildMenu(key, builder);
        // The menu's shortcuts work while the grid has the focus, without opening the menu.
        // Enter stays the grid's own key.
        for (QAction* action : popup->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::Key_Return)))
                continue;
            action->setShortcutContext(Qt::WidgetShortcut);
            sheet.grid().addAction(action);
        }
    }
    if (cuiDispatch* sink = sheet.dispatch())
        sink->popupMenuChanged();
}

void cuiGridInput::refreshPopupState() {
    if (builder)
        builder->update();
}

void cuiGridInput::showPopupMenu(int column, int row, QPoint globalPosition) {
    QMenu* menu = popup.get();
    if (sheet.style().columnCutMenu && row < sheet.grid().fixedRows()) {
        const QByteArray key = popupKeyOf(column, row);
        cutPopup.reset();
        cutBuilder.reset();
        if (!key.isEmpty())
            cutPopup = buildMenu(key, cutBuilder);
        menu = cutPopup.get();
    } else {
        refreshPopupMenu();
        menu = popup.get();
    }
    if (menu)
        menu->popup(globalPosition);
}

void cuiGridInput::answerCurrentCell() {
    cmcEvMan* events = cmcEvMan::app();
    if (!events || !popup || !popup->isVisible())
        return;
    const cmcCellObj& cell =
        sheet.matrix().cell(sheet.grid().currentColumn(), sheet.grid().currentRow());
    const qint32 identity[] = {cell.category(), cell.link(), cell.index()};
    events->AnswerData(identity, sizeof identity);
}
