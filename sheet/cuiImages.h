#pragma once

#include <QIcon>

// The two image lists of the window: six images for the page tree and eighteen for menus and
// toolbar, indexed by a cell's image index. Each image is the desktop theme's icon of that
// meaning when the theme has one, else the program's own; -1 or an index outside a list gives
// no image.
class cuiImages {
public:
    enum Overlay { OverlayError = 0, OverlayWarning = 1 };
    static constexpr int TreeImageCount = 6;
    static constexpr int CommandImageCount = 18;

    static QIcon treeImage(int index);
    static QIcon commandImage(int index);
    // The error or warning badge drawn over a tree image; none for another number.
    static QIcon overlayImage(int overlay);
    // `base` with the badge of `overlay` in its lower right corner.
    static QIcon overlaid(const QIcon& base, int overlay);
};
