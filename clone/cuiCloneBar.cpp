#include "cuiCloneBar.h"

#include "cuiLook.h"
#include "indCloneMan.h"

#include <QPainter>

cuiCloneBar::cuiCloneBar(QWidget* parent) : QWidget(parent) {
    setFixedSize(Width, Height);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void cuiCloneBar::setFilled(int segments) {
    if (segments == filledCount)
        return;
    filledCount = segments;
    update();
}

QRect cuiCloneBar::segment(int index) {
    return QRect(Pitch * index, 0, Pitch - 1, Height);
}

void cuiCloneBar::paint(QPainter& painter, const QPalette& palette, int filled) {
    painter.fillRect(QRect(0, 0, Width, Height), cuiLook::colour(cuiLook::clWindow, palette));
    const QColor highlight = cuiLook::colour(cuiLook::clHighlight, palette);
    for (int index = 0; index < qMin(filled, indCloneMan::BarSegments); ++index)
        painter.fillRect(segment(index), highlight);
}

void cuiCloneBar::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    paint(painter, palette(), filledCount);
}
