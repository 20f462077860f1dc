#pragma once

#include <QRect>
#include <QSize>

// Where a drop-down selection list opens for a cell, all in screen coordinates: below the
// cell and a little to the right, above it when it does not fit below, and never outside the
// work area.
class cuiListPlacement {
public:
    struct Result {
        QRect bounds;
        // The list was cut to the work area and needs its scroll bars.
        bool scrolls = false;
    };

    static Result place(const QRect& cell, QSize list, const QRect& workArea);
};
