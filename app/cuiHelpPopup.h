#pragma once

#include <QFrame>

class QTextBrowser;

// A help topic in a small window at the pointer; any click elsewhere or Escape closes it.
class cuiHelpPopup : public QFrame {
    Q_OBJECT
public:
    explicit cuiHelpPopup(QWidget* owner);

    // `area` in global coordinates; kept on the screen under its top-left corner.
    void showTopic(const QString& path, const QRect& area);
    QTextBrowser* browser() const { return view; }

private:
    QTextBrowser* view;
};
