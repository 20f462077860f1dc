#pragma once

#include "cmcPrompt.h"

#include <QPointer>
#include <QString>

class QWidget;

// The prompt of the desktop program: message boxes and file dialogs of Qt, owned by a window.
class cuiWidgetPrompt : public cmcPrompt {
public:
    explicit cuiWidgetPrompt(QWidget* parent);
    // The window the boxes and dialogs belong to, once it exists.
    void setOwner(QWidget* parent) { parentWidget = parent; }

    Answer message(const Message& message) override;
    QString chooseFile(const FileDialog& dialog) override;

    // "Label|*.x|Label|*.y;*.z" as the definition table writes filters, in Qt's form
    // "Label (*.x);;Label (*.y *.z)". A label that does not end with its patterns in
    // parentheses gets them appended, because Qt filters by that part of the label.
    static QString qtFilter(const QString& tableFilter);

private:
    QWidget* owner() const;

    QPointer<QWidget> parentWidget;
};
