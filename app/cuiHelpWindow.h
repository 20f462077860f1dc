#pragma once

#include <QMainWindow>

class QTextBrowser;
class cmcGTex;

// The help window: the help pages in a browser with back, forward and home.
class cuiHelpWindow : public QMainWindow {
    Q_OBJECT
public:
    cuiHelpWindow(cmcGTex& table, QWidget* owner);

    // Opens the page (a file path) and makes it the home page; brings the window up.
    void showPage(const QString& path);
    QTextBrowser* browser() const { return view; }

private:
    QTextBrowser* view;
};
