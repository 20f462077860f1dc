#include "cuiHelpWindow.h"

#include "cmcGTex.h"

#include <QAction>
#include <QIcon>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace {

enum Command { Back, Forward, Home };

} // namespace

cuiHelpWindow::cuiHelpWindow(cmcGTex& table, QWidget* owner)
    : QMainWindow(owner, Qt::Window), view(new QTextBrowser(this)) {
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(table.display(table.GetText("GI_Sys_HtmlHelp_Caption")));
    view->setOpenExternalLinks(true);
    setCentralWidget(view);
    QToolBar* bar = addToolBar(QString());
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto command = [&](int line, const char* icon, QKeySequence::StandardKey key) {
        QAction* action = bar->addAction(
            QIcon::fromTheme(icon), table.display(table.GetText("GI_Sys_HtmlHelp_Commands", line)));
        action->setShortcut(key);
        return action;
    };
    QAction* back = command(Back, "go-previous", QKeySequence::Back);
    QAction* forward = command(Forward, "go-next", QKeySequence::Forward);
    QAction* home = command(Home, "go-home", QKeySequence::UnknownKey);
    connect(back, &QAction::triggered, view, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, view, &QTextBrowser::forward);
    connect(home, &QAction::triggered, view, &QTextBrowser::home);
    connect(view, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(view, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 90, metrics.lineSpacing() * 36);
}

void cuiHelpWindow::showPage(const QString& path) {
    view->setSource(QUrl::fromLocalFile(path));
    show();
    raise();
    activateWindow();
}
