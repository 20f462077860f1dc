#include "cuiHelpPopup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

cuiHelpPopup::cuiHelpPopup(QWidget* owner)
    : QFrame(owner, Qt::Popup), view(new QTextBrowser(this)) {
    setObjectName("HelpPopup");
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(view);
    view->setFrameStyle(QFrame::NoFrame);
    view->setOpenExternalLinks(true);
}

void cuiHelpPopup::showTopic(const QString& path, const QRect& area) {
    view->setSource(QUrl::fromLocalFile(path));
    QRect placed = area;
    if (const QScreen* screen = QGuiApplication::screenAt(area.topLeft())) {
        const QRect room = screen->availableGeometry();
        placed.moveRight(qMin(placed.right(), room.right()));
        placed.moveBottom(qMin(placed.bottom(), room.bottom()));
        placed.moveLeft(qMax(placed.left(), room.left()));
        placed.moveTop(qMax(placed.top(), room.top()));
    }
    setGeometry(placed);
    show();
    view->setFocus();
}
