#include "cuiCloneBar.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

TEST(cuiCloneBar, SegmentsAreSevenPixelsWithAGapAfterEach) {
    struct Case {
        int index;
        QRect rect;
    };
    const Case cases[] = {
        {0, QRect(0, 0, 7, 16)},
        {1, QRect(8, 0, 7, 16)},
        {15, QRect(120, 0, 7, 16)},
        {31, QRect(248, 0, 7, 16)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cuiCloneBar::segment(c.index), c.rect) << c.index;
    EXPECT_EQ(cuiCloneBar::segment(31).right() + 1, cuiCloneBar::Width - 1);
}

// The bar as the screen shows it, in colours of the test's own.
QImage rendered(int filled) {
    cuiCloneBar bar;
    QPalette palette = bar.palette();
    palette.setColor(QPalette::Highlight, QColor(200, 0, 0));
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    bar.setPalette(palette);
    bar.setFilled(filled);
    return bar.grab().toImage();
}

TEST(cuiCloneBar, SixteenThirtyThirdsFillSixteenSegments) {
    const QImage image = rendered(16);
    ASSERT_EQ(image.size(), QSize(256, 16));
    const QColor highlight(200, 0, 0);
    const QColor window(250, 250, 240);
    struct Pixel {
        int x;
        int y;
        QColor colour;
    };
    const Pixel pixels[] = {
        {0, 0, highlight},    // first segment
        {126, 15, highlight}, // last pixel of segment 15, the last filled one
        {127, 8, window},     // its gap
        {7, 0, window},       // the gap after the first segment
        {128, 8, window},     // segment 16 is empty
        {254, 15, window},    // so is the last
        {255, 15, window},    // the last gap
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(cuiCloneBar, ThirtyThreeStepsFillAllSegmentsButNoGap) {
    const QImage image = rendered(33);
    EXPECT_EQ(image.pixelColor(254, 4), QColor(200, 0, 0));
    EXPECT_EQ(image.pixelColor(255, 4), QColor(250, 250, 240));
    EXPECT_EQ(image.pixelColor(247, 4), QColor(250, 250, 240));
}

} // namespace
