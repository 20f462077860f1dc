#include "cuiActiveCell.h"

#include "cmcCellHandler.h"
#include "cmcCellNames.h"
#include "cmcGTex.h"
#include "cuiCellEditor.h"
#include "cuiDispatch.h"
#include "cuiGrid.h"
#include "cuiGridInput.h"
#include "cuiLook.h"
#include "cuiSelectList.h"
#include "cuiSheet.h"

#include <QFontMetrics>
#include <QThread>

cuiActiveCell::cuiActiveCell(cuiSheet& owner) : sheet(owner) {
    repeatWaiter = [this](int milliseconds) {
        sheet.grid().viewport()->repaint();
        QThread::msleep(static_cast<unsigned long>(milliseconds));
    };
}

cuiActiveCell::~cuiActiveCell() {
    closeList();
}

int cuiActiveCell::repeatWait(int repeat) {
    return std::max(0, 30 - 6 * repeat);
}

// Help on a cell is the program's, whatever page the cell is on.
bool cuiActiveCell::asksForHelp(const datCellReq& request) {
    return request.key == datCellReq::KeyF1 || (request.key == datCellReq::KeyCommand &&
                                                request.commandLink == cmcCellNames::CL_PMenu_Help);
}

int cuiActiveCell::call(datCellReq& request) {
    cmcCellHandler* handler = asksForHelp(request) ? cmcCellHandler::app() : sheet.handler();
    if (!handler)
        return cmcCellHandler::Nothing;
    cuiDispatch* sink = sheet.dispatch();
    if (sink)
        sink->cellActing(request);
    const int result = handler->act(request);
    // After the action, so that the window sees the document as the action left it.
    if (sink)
        sink->cellActed(request);
    return result;
}

void cuiActiveCell::act(int column, int row, int key, int commandLink, const QByteArray* input) {
    if (!sheet.matrix().contains(column, row))
        return;
    if (sheet.isListMode()) {
        if (key == datCellReq::KeyEnter || key == datCellReq::KeyMouse)
            emit sheet.chosen(column, row);
        return;
    }
    datCellReq request = sheet.request(column, row);
    request.key = input ? datCellReq::KeyCommand : key;
    request.commandLink = commandLink;
    request.hasInput = input != nullptr;
    if (input)
        request.input = *input;
    int result = call(request);
    for (int repeat = 0; request.repeatRequested && repeat < MaxRepeats; ++repeat) {
        repeatWaiter(repeatWait(repeat));
        const datCellReq asked = request;
        request = sheet.request(column, row);
        request.key = asked.key;
        request.commandLink = asked.commandLink;
        request.hasInput = asked.hasInput;
        request.input = asked.input;
        result = call(request);
    }
    answer(request, result, column, row);
}

void cuiActiveCell::listChoice(datCellReq& choice) {
    const int result = call(choice);
    answer(choice, result, choice.owner->column, choice.owner->row);
}

// Carries out what the handler asked for, on the cell it moved the cursor to, if it did.
void cuiActiveCell::answer(datCellReq& request, int result, int column, int row) {
    if (request.moveRequested && sheet.findCell(request.moveLink, request.moveIndex, column, row))
        sheet.putCursor(column, row);
    if (result == cmcCellHandler::Repaint)
        sheet.invalidate(column, row);
    else if (result == cmcCellHandler::OpenEditor)
        openEditor(column, row, request);
    if (!request.listSheet.isEmpty()) {
        request.column = column;
        request.row = row;
        request.cell = &sheet.cellAt(column, row);
        openSelectionList(request);
    }
    const bool multi = sheet.style().multiSelect != cuiSheet::SelectNone;
    if (multi && request.rangeRequested)
        sheet.selectRange(sheet.cellAt(column, row).link(), request.rangeFirst, request.rangeLast,
                          sheet.cellAt(column, row).index());
    else
        sheet.clearRange();
    sheet.input().refreshPopupState();
    if (cuiDispatch* sink = sheet.dispatch())
        sink->updateCommands();
}

void cuiActiveCell::openEditor(int column, int row, const datCellReq& request) {
    closeEditor(false);
    sheet.putCursor(column, row);
    const QRect rect = sheet.grid().cellRect(column, row);
    if (rect.width() < 1 || rect.height() <= 1)
        return;
    if (!cellEditor) {
        cellEditor = new cuiCellEditor(sheet.grid().viewport());
        connect(cellEditor, &cuiCellEditor::committed, this, &cuiActiveCell::editorCommitted);
        connect(cellEditor, &cuiCellEditor::paged, this, &cuiActiveCell::editorPaged);
        connect(cellEditor, &cuiCellEditor::cancelled, this, [this] { closeEditor(false); });
        connect(cellEditor, &cuiCellEditor::lostFocus, this, [this] { closeEditor(true); });
        connect(cellEditor, &cuiCellEditor::keyTyped, this, [this] {
            if (cuiDispatch* sink = sheet.dispatch())
                sink->clearInformation(cuiDispatch::KeyKind::Edit);
        });
    }
    editColumn = column;
    editRow = row;
    placeEditor(column, row);
    const QString text = sheet.definitions().display(request.editorText);
    cellEditor->setLimit(request.editorLength > 0 ? request.editorLength
                                                  : cuiCellEditor::MaxLength);
    cellEditor->setPlainText(text.left(cellEditor->limit()));
    QTextCursor cursor = cellEditor->textCursor();
    const int start = std::clamp(request.selectionStart, 0, int(text.size()));
    cursor.setPosition(start);
    cursor.setPosition(std::clamp(start + request.selectionLength, 0, int(text.size())),
                       QTextCursor::KeepAnchor);
    cellEditor->setTextCursor(cursor);
    cellEditor->show();
    cellEditor->setFocus(Qt::OtherFocusReason);
}

// The editor covers the cell, its text line where the cell's own text would stand.
void cuiActiveCell::placeEditor(int column, int row) {
    const cmcCellObj& cell = sheet.cellAt(column, row);
    const cmcFont* spec = cell.effectiveFont();
    const QFont font = spec ? cuiLook::font(*spec) : sheet.grid().font();
    cellEditor->setFont(font);
    QPalette colours = cellEditor->palette();
    colours.setColor(QPalette::Base, cuiLook::colour(cell.colour(), sheet.palette()));
    colours.setColor(QPalette::Text,
                     cuiLook::colour(spec ? spec->colour : cuiLook::clWindowText, sheet.palette()));
    cellEditor->setPalette(colours);
    QRect rect = sheet.grid().cellRect(column, row);
    const int line = QFontMetrics(font).height() + 2;
    int offset = 0;
    if (rect.height() > line) {
        if (cell.verticalAlignment() == cmcCellObj::AlignMiddle)
            offset = (rect.height() - line) / 2;
        else if (cell.verticalAlignment() == cmcCellObj::AlignBottom)
            offset = rect.height() - line - 1;
    }
    cellEditor->setGeometry(rect.adjusted(0, offset, 0, 0));
}

void cuiActiveCell::closeEditor(bool commit) {
    if (editColumn < 0)
        return;
    const int column = editColumn;
    const int row = editRow;
    editColumn = editRow = -1;
    const QByteArray text = sheet.definitions().stored(cellEditor->toPlainText());
    const bool hadFocus = cellEditor->hasFocus();
    cellEditor->hide();
    if (hadFocus)
        sheet.grid().setFocus(Qt::OtherFocusReason);
    if (commit)
        act(column, row, datCellReq::KeyEnter, 0, &text);
}

void cuiActiveCell::editorCommitted(int rows) {
    closeEditor(true);
    if (rows != 0)
        sheet.moveCursor(0, rows);
}

void cuiActiveCell::editorPaged(int key) {
    closeEditor(true);
    sheet.moveCursor(0, key == Qt::Key_PageDown ? 10 : -10);
}

void cuiActiveCell::openSelectionList(const datCellReq& request) {
    closeList();
    const QRect cell = sheet.grid().cellRect(request.column, request.row);
    const QRect global(sheet.grid().viewport()->mapToGlobal(cell.topLeft()), cell.size());
    listWindow = new cuiSelectList(sheet, request, sheet.definitions(), request.listSheet,
                                   request.listChoice, global);
    listWindow->show();
    listWindow->sheet().setFocus(Qt::PopupFocusReason);
}

void cuiActiveCell::closeList() {
    if (listWindow)
        listWindow->close();
}
