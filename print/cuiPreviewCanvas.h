#pragma once

#include <QPicture>
#include <QWidget>

// The paper page the preview shows: fitted into the window and centred, or at its own size
// (the paper at the screen's resolution) inside a scrolling area.
class cuiPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit cuiPreviewCanvas(QWidget* parent = nullptr);

    // `paper` in printer dots at `dpi`.
    void setPaper(QSize paper, int dpi);
    void setPicture(const QPicture& picture);
    void setZoomed(bool on);
    bool zoomed() const { return zoom; }
    // The paper at the screen's resolution.
    QSize ownSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF paperRect() const;

    QPicture shown;
    QSize paper{1, 1};
    int dpi = 96;
    bool zoom = false;
};
