#include "cuiImages.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Whether the icon paints anything at `size` pixels.
bool paints(const QIcon& icon, int size) {
    const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

TEST(cuiImages, EveryImageOfBothListsPaints) {
    for (int size : {16, 32}) {
        for (int i = 0; i < cuiImages::TreeImageCount; ++i)
            EXPECT_TRUE(paints(cuiImages::treeImage(i), size)) << "tree " << i << " at " << size;
        for (int i = 0; i < cuiImages::CommandImageCount; ++i)
            EXPECT_TRUE(paints(cuiImages::commandImage(i), size))
                << "command " << i << " at " << size;
        for (int overlay : {cuiImages::OverlayError, cuiImages::OverlayWarning})
            EXPECT_TRUE(paints(cuiImages::overlayImage(overlay), size)) << "overlay " << overlay;
    }
}

TEST(cuiImages, AnIndexOutsideAListGivesNoImage) {
    EXPECT_TRUE(cuiImages::treeImage(-1).isNull());
    EXPECT_TRUE(cuiImages::treeImage(cuiImages::TreeImageCount).isNull());
    EXPECT_TRUE(cuiImages::commandImage(-1).isNull());
    EXPECT_TRUE(cuiImages::commandImage(cuiImages::CommandImageCount).isNull());
    EXPECT_TRUE(cuiImages::overlayImage(2).isNull());
}

TEST(cuiImages, AnOverlayChangesOnlyTheLowerRightCorner) {
    const QIcon base = cuiImages::treeImage(2);
    for (int overlay : {cuiImages::OverlayError, cuiImages::OverlayWarning}) {
        for (int size : {16, 32}) {
            const QImage plain = base.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
            const QImage marked = cuiImages::overlaid(base, overlay)
                                      .pixmap(size)
                                      .toImage()
                                      .convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(marked.size(), plain.size());
            EXPECT_EQ(marked.copy(0, 0, size / 2, size / 2), plain.copy(0, 0, size / 2, size / 2));
            EXPECT_NE(marked.copy(size / 2, size / 2, size / 2, size / 2),
                      plain.copy(size / 2, size / 2, size / 2, size / 2));
        }
    }
    EXPECT_EQ(cuiImages::overlaid(base, 2).cacheKey(), base.cacheKey());
}

} // namespace
