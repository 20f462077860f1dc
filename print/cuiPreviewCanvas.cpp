#include "cuiPreviewCanvas.h"

#include "cuiLook.h"

#include <QPainter>

cuiPreviewCanvas::cuiPreviewCanvas(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void cuiPreviewCanvas::setPaper(QSize size, int resolution) {
    paper = size.isEmpty() ? QSize(1, 1) : size;
    dpi = std::max(1, resolution);
    setZoomed(zoom);
}

void cuiPreviewCanvas::setPicture(const QPicture& picture) {
    shown = picture;
    update();
}

QSize cuiPreviewCanvas::ownSize() const {
    const double screen = 96.0 * cuiLook::screenScale() / dpi;
    return QSize(int(paper.width() * screen), int(paper.height() * screen));
}

void cuiPreviewCanvas::setZoomed(bool on) {
    zoom = on;
    if (zoom)
        setFixedSize(ownSize());
    else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    update();
}

QRectF cuiPreviewCanvas::paperRect() const {
    if (zoom)
        return QRectF(QPointF(), QSizeF(ownSize()));
    QSizeF fitted = QSizeF(paper).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    QRectF area(QPointF(), fitted);
    area.moveCenter(QRectF(rect()).center());
    return area;
}

void cuiPreviewCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    const QRectF area = paperRect();
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / paper.width(), area.height() / paper.height());
    painter.drawPicture(0, 0, shown);
}
