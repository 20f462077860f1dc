#pragma once

#include <QRect>
#include <QWidget>

class QPainter;

// The drawing area of the progress window: 32 segments with a one-pixel gap after each,
// filled from the left in the highlight colour on the window colour.
class cuiCloneBar : public QWidget {
    Q_OBJECT
public:
    explicit cuiCloneBar(QWidget* parent = nullptr);

    // Segments to fill, 0 .. 33 (the 33rd step means done); repaints on a change.
    void setFilled(int segments);
    int filled() const { return filledCount; }

    // Segment i covers pixels 8i .. 8i + 6 across the whole height; pixel 8i + 7 is the gap.
    static QRect segment(int index);
    static void paint(QPainter& painter, const QPalette& palette, int filled);

    static constexpr int Width = 256;
    static constexpr int Height = 16;
    static constexpr int Pitch = 8;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int filledCount = 0;
};
