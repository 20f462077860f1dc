#include "cuiHtmlHelp.h"

#include "cmcGTex.h"
#include "cmcPrompt.h"
#include "cuiHelpPopup.h"
#include "cuiHelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QStringList standardFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + "/../share/mavik/help", QStringLiteral(MAVIK_SOURCE_HELP)};
}

} // namespace

cuiHtmlHelp::cuiHtmlHelp(cmcGTex& definitions, int edition)
    : table(definitions), language(edition), searchFolders(standardFolders()) {}

cuiHtmlHelp::~cuiHtmlHelp() {
    delete window;
    delete popup;
}

QString cuiHtmlHelp::helpName() const {
    return QFileInfo(table.display(table.GetText("GI_Sys_MyHelpFile", language)))
        .completeBaseName();
}

QString cuiHtmlHelp::folder() const {
    for (const QString& place : searchFolders) {
        const QDir candidate(place + '/' + helpName());
        if (QFileInfo(candidate, "index.html").isFile())
            return candidate.canonicalPath();
    }
    return {};
}

QString cuiHtmlHelp::page(const QString& name) const {
    const QString base = folder();
    if (base.isEmpty())
        return {};
    const QFileInfo file(base + '/' + name);
    return file.isFile() ? file.absoluteFilePath() : QString();
}

int cuiHtmlHelp::showContents(QWidget* owner) {
    const QString contents = page("index.html");
    if (contents.isEmpty())
        return NoHelpFile;
    if (!window)
        window = new cuiHelpWindow(table, owner);
    window->showPage(contents);
    return Shown;
}

int cuiHtmlHelp::showContext(int context, QPoint pointer, QWidget* owner) {
    if (folder().isEmpty())
        return NoHelpFile;
    const QString topic = context > 0 ? page(QString("%1.html").arg(context)) : QString();
    if (topic.isEmpty())
        return NoTopic;
    if (!popup)
        popup = new cuiHelpPopup(owner);
    const int width = table.GetText("GI_Sys_HtmlHelp_Popup_Width").toInt();
    const int height = table.GetText("GI_Sys_HtmlHelp_Popup_Height").toInt();
    popup->showTopic(topic, popupRect(pointer, width, height));
    return Shown;
}

QRect cuiHtmlHelp::popupRect(QPoint pointer, int width, int height) {
    return QRect(qMax(0, pointer.x() - width / 2), pointer.y(), width, height);
}

void cuiHtmlHelp::showError(int code) {
    if (code == NoHelpFile) {
        // The folder stands for the help file, so it is reported by that name.
        const QByteArray name = table.stored(helpName());
        cmcPrompt::app().message(cmcPrompt::titled(
            cmcGTex::formatted(table.GetText("GI_Sys_HtmlHelp_Error", 0), name.constData()),
            cmcPrompt::Ok, cmcPrompt::AnswerOk, cmcPrompt::Stop));
    } else if (code == NoTopic) {
        cmcPrompt::app().message(cmcPrompt::titled(table.GetText("GI_Sys_HtmlHelp_Error", 1),
                                                   cmcPrompt::Ok, cmcPrompt::AnswerOk,
                                                   cmcPrompt::Exclamation));
    }
}
