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

// Undo and Redo belong to the typing while there is typing to take back; after that they are
// the program's, as in a text editor inside a document window.
bool cuiCellEditor::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo) && !document()->isUndoAvailable();
        const bool redo = key->matches(QKeySequence::Redo) && !document()->isRedoAvailable();
        if (undo || redo) {
            event->ignore();
            return true;
        }
    }
    return QPlainTextEdit::event(event);
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

// What went over the limit is what was just typed or pasted before the cursor; it goes again as
// part of the same undo step, so the editor's undo history stays whole.
void cuiCellEditor::limitLength() {
    const int excess = int(toPlainText().size()) - maximum;
    if (excess <= 0)
        return;
    QTextCursor cut = textCursor();
    const int end = cut.position() >= excess ? cut.position() : int(toPlainText().size());
    cut.joinPreviousEditBlock();
    cut.setPosition(end - excess);
    cut.setPosition(end, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    cut.endEditBlock();
}
