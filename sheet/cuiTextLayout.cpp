#include "cuiTextLayout.h"

#include "cmcCellObj.h"

#include <algorithm>
#include <cmath>

int cuiTextLayout::nearest(double value) {
    return static_cast<int>(std::nearbyint(value));
}

QList<cuiTextLayout::Line> cuiTextLayout::place(const QRect& cell, const QList<int>& widths,
                                                int lineHeight, int horizontal, int vertical,
                                                double scale) {
    const int left = cell.left();
    const int right = cell.left() + cell.width();
    const int bottom = cell.top() + cell.height();
    int y = firstLineTop(cell.top(), bottom, lineHeight * int(widths.size()), vertical, scale);
    QList<Line> lines;
    for (const int width : widths) {
        lines.append({QPoint(lineLeft(left, right, width, horizontal, scale), y),
                      left + width + 1 >= right});
        y += lineHeight;
    }
    return lines;
}

int cuiTextLayout::firstLineTop(int top, int bottom, int blockHeight, int vertical, double scale) {
    switch (vertical) {
    case cmcCellObj::AlignMiddle:
        return top + (bottom - top + 1 - blockHeight) / 2;
    case cmcCellObj::AlignBottom:
        return nearest(bottom - blockHeight - scale + 0.5);
    default:
        return nearest(top + scale + 0.5);
    }
}

int cuiTextLayout::lineLeft(int left, int right, int width, int horizontal, double scale) {
    int x;
    switch (horizontal) {
    case cmcCellObj::AlignCentre:
        x = left + (right - left + 1 - width) / 2;
        break;
    case cmcCellObj::AlignRight:
        x = nearest(right + 1 - width - 4 * scale + 0.5);
        break;
    default:
        x = nearest(left + 4 * scale + 0.5);
        break;
    }
    return std::max(x, left);
}
