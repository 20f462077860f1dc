#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Where the lines of a cell's text go inside the cell. Edges follow the grid's convention:
// right and bottom are exclusive. Halves round to the even neighbour, and the margins grow
// with the scale, so that a printed page places text as the screen does.
class cuiTextLayout {
public:
    struct Line {
        QPoint topLeft;
        bool clipped = false;
    };

    // `widths` holds one entry per line; every line is `lineHeight` high.
    static QList<Line> place(const QRect& cell, const QList<int>& widths, int lineHeight,
                             int horizontal, int vertical, double scale);
    static int nearest(double value);

private:
    static int firstLineTop(int top, int bottom, int blockHeight, int vertical, double scale);
    static int lineLeft(int left, int right, int width, int horizontal, double scale);
};
