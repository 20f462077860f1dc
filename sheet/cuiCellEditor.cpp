#include "cuiCellEditor.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

cuiCellEditor::cuiCellEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setFrameStyle(QFrame::NoFrame);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, this, &cuiCellEditor::limitLength);
    hide();
}

void cuiCellEditor::keyPressEvent(QKeyEvent* event) {
    emit keyTyped();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit committed(0);
        return;
    case Qt::Key_Up:
        emit committed(-1);
        return;
    case Qt::Key_Down:
        emit committed(1);
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit paged(event->key());
        return;
    case Qt::Key_Escape:
        emit cancelled();
        return;
    default:
        QPlainTextEdit::keyPressEvent(event);
    }
}

void cuiCellEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A context menu of the editor itself does not end the edit.
    if (event->reason() != Qt::PopupFocusReason)
        emit lostFocus();
}

// A pasted text keeps to one line, as typed text does.
void cuiCellEditor::insertFromMimeData(const QMimeData* source) {
    QString text = source->text();
    text.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    insertPlainText(text);
}

void cuiCellEditor::limitLength() {
    if (toPlainText().size() <= MaxLength)
        return;
    QTextCursor cursor = textCursor();
    const int place = std::min(cursor.position(), MaxLength);
    const QSignalBlocker blocker(this);
    setPlainText(toPlainText().left(MaxLength));
    cursor = textCursor();
    cursor.setPosition(place);
    setTextCursor(cursor);
}
