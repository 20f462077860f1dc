#include "cuiWidgetPrompt.h"

#include "cmcGTex.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

using Prompt = cmcPrompt;

QMessageBox::Icon iconOf(Prompt::Icon icon) {
    switch (icon) {
    case Prompt::Information:
        return QMessageBox::Information;
    case Prompt::Exclamation:
        return QMessageBox::Warning;
    case Prompt::Question:
        return QMessageBox::Question;
    case Prompt::Stop:
        return QMessageBox::Critical;
    case Prompt::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Prompt::Buttons buttons) {
    switch (buttons) {
    case Prompt::Ok:
        break;
    case Prompt::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompt::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompt::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton buttonOf(Prompt::Answer answer) {
    switch (answer) {
    case Prompt::AnswerOk:
        break;
    case Prompt::AnswerCancel:
        return QMessageBox::Cancel;
    case Prompt::AnswerYes:
        return QMessageBox::Yes;
    case Prompt::AnswerNo:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// A box closed without a button (Escape on a box without Cancel) counts as its default.
Prompt::Answer answerOf(int button, Prompt::Answer fallback) {
    switch (button) {
    case QMessageBox::Ok:
        return Prompt::AnswerOk;
    case QMessageBox::Cancel:
        return Prompt::AnswerCancel;
    case QMessageBox::Yes:
        return Prompt::AnswerYes;
    case QMessageBox::No:
        return Prompt::AnswerNo;
    default:
        return fallback;
    }
}

QString qtFilterEntry(const QString& label, const QString& patterns) {
    QStringList list;
    for (const QString& pattern : patterns.split(';', Qt::SkipEmptyParts))
        list.append(pattern.trimmed());
    const QString spaced = list.join(' ');
    if (label.trimmed().endsWith('(' + spaced + ')'))
        return label.trimmed();
    return label.trimmed() + " (" + spaced + ')';
}

} // namespace

cuiWidgetPrompt::cuiWidgetPrompt(QWidget* parent) : parentWidget(parent) {}

// A box over a hidden window (the main window during the initial setup) would appear where
// that window would be; it belongs over the window the user is looking at.
QWidget* cuiWidgetPrompt::owner() const {
    if (parentWidget && parentWidget->isVisible())
        return parentWidget;
    return QApplication::activeWindow();
}

cmcPrompt::Answer cuiWidgetPrompt::message(const Message& message) {
    const cmcGTex& texts = cmcGTex::app();
    QMessageBox box(iconOf(message.icon), texts.display(message.caption),
                    texts.display(message.text), buttonsOf(message.buttons), owner());
    box.setDefaultButton(buttonOf(message.defaultAnswer));
    // A question asked during a clone operation comes while the main window is disabled; as a
    // window of its own it can be enabled all the same.
    box.setEnabled(true);
    return answerOf(box.exec(), message.defaultAnswer);
}

QString cuiWidgetPrompt::chooseFile(const FileDialog& request) {
    const cmcGTex& texts = cmcGTex::app();
    QFileDialog dialog(owner(), QString(), request.directory,
                       qtFilter(texts.display(request.filter)));
    dialog.setDefaultSuffix(texts.display(request.defaultSuffix));
    if (request.kind == FileDialog::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
        dialog.selectFile(request.fileName);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    }
    dialog.setEnabled(true);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString cuiWidgetPrompt::qtFilter(const QString& tableFilter) {
    const QStringList parts = tableFilter.split('|');
    QStringList entries;
    for (qsizetype at = 0; at + 1 < parts.size(); at += 2)
        if (!parts[at + 1].trimmed().isEmpty())
            entries.append(qtFilterEntry(parts[at], parts[at + 1].trimmed()));
    return entries.join(";;");
}
