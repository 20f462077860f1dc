#include "cuiStatusPanel.h"

#include "cuiLook.h"

#include <QPainter>

cuiStatusPanel::cuiStatusPanel(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void cuiStatusPanel::setStatus(const QString& text, quint32 textColour, quint32 backColour) {
    shown = text;
    fore = textColour;
    back = backColour;
    update();
}

QSize cuiStatusPanel::sizeHint() const {
    return QSize(MinimumWidth, fontMetrics().height() + 4);
}

QSize cuiStatusPanel::minimumSizeHint() const {
    return sizeHint();
}

void cuiStatusPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool lit = highlighted();
    painter.fillRect(rect(), cuiLook::colour(lit ? DarkRed : back, palette()));
    painter.setPen(lit ? QColor(Qt::white) : cuiLook::colour(fore, palette()));
    const int flags = Qt::AlignVCenter | (lit ? Qt::AlignHCenter : Qt::AlignLeft);
    painter.drawText(rect().adjusted(4, 0, -4, 0), flags, shown);
}
