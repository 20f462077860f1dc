#include "cuiListPlacement.h"

#include <algorithm>

cuiListPlacement::Result cuiListPlacement::place(const QRect& cell, QSize list,
                                                 const QRect& workArea) {
    Result result;
    if (list.width() > workArea.width() || list.height() > workArea.height()) {
        result.scrolls = true;
        list = list.boundedTo(workArea.size());
    }
    const int width = list.width();
    const int height = list.height();
    const int workRight = workArea.left() + workArea.width();
    const int workBottom = workArea.top() + workArea.height();
    const int cellBottom = cell.top() + cell.height();
    int left = cell.left() + 8;
    int top = cellBottom;
    const bool rightOut = left + width > workRight;
    if (top + height > workBottom) {
        if (height <= cell.top() - workArea.top()) {
            top = cell.top() - height;
        } else {
            // Nowhere free above or below: it covers the cell, so step aside if it can.
            top = workBottom - height;
            if (rightOut)
                left = cell.left() - width >= workArea.left() ? cell.left() - width
                                                              : workRight - width;
        }
    }
    const bool overlaps = top < cellBottom && top + height > cell.top();
    if (rightOut && !overlaps)
        left = workRight - width;
    result.bounds =
        QRect(std::max(left, workArea.left()), std::max(top, workArea.top()), width, height);
    return result;
}
