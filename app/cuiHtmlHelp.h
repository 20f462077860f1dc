#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QStringList>

class QWidget;
class cmcGTex;
class cuiHelpPopup;
class cuiHelpWindow;

// The program's help: the contents in a help window, the topic of a cell in a small popup at
// the pointer, and the messages for a missing help folder or topic. The help of an edition is
// a folder of HTML pages named after its help file, without the extension.
class cuiHtmlHelp {
public:
    enum Result { Shown = 0, NoHelpFile = 1, NoTopic = 2 };

    cuiHtmlHelp(cmcGTex& table, int language);
    ~cuiHtmlHelp();

    // Where the help folder is looked for, first match first: beside the program, in the
    // installed share folder, in the source tree.
    void setSearchFolders(const QStringList& folders) { searchFolders = folders; }
    // The folder in use, or the empty text when there is none.
    QString folder() const;

    int showContents(QWidget* owner);
    int showContext(int context, QPoint pointer, QWidget* owner);
    // Code 1 and 2 as message boxes; anything else says nothing.
    void showError(int code);

    // A width x height rectangle centred horizontally on the pointer, below it, not left of
    // the screen's left edge.
    static QRect popupRect(QPoint pointer, int width, int height);

private:
    QString helpName() const;
    QString page(const QString& name) const;

    cmcGTex& table;
    int language;
    QStringList searchFolders;
    QPointer<cuiHelpWindow> window;
    QPointer<cuiHelpPopup> popup;
};
