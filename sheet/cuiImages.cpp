#include "cuiImages.h"

#include <QPainter>
#include <QPixmap>
#include <QString>

namespace {

struct Image {
    const char* themeName; // empty when no theme has an icon of this meaning
    const char* ownName;
};

const Image treeImages[cuiImages::TreeImageCount] = {
    {"", "receiver"}, {"", "group"}, {"", "memory"},
    {"", "bank"},     {"", "scan"},  {"document-properties", "settings"},
};

const Image commandImages[cuiImages::CommandImageCount] = {
    {"document-new", "new"},
    {"document-open", "open"},
    {"document-save", "save"},
    {"document-print", "print"},
    {"", "read"},
    {"", "write"},
    {"help-contents", "help"},
    {"edit-copy", "copy"},
    {"edit-paste", "paste"},
    {"go-up", "up"},
    {"go-down", "down"},
    {"edit-clear", "clear"},
    {"edit-delete", "delete"},
    {"list-add", "insert"},
    {"", "bank-off"},
    {"edit-cut", "cut"},
    {"edit-undo", "undo"},
    {"edit-redo", "redo"},
};

const Image overlayImages[] = {{"", "error"}, {"", "warning"}};

// Sizes the composed tree images are drawn at, to stay sharp on dense screens.
const int overlaidSizes[] = {16, 24, 32, 48, 64};

QIcon ownIcon(const char* name) {
    return QIcon(QStringLiteral(":/mavik/icons/%1.svg").arg(QLatin1String(name)));
}

template <int Count> QIcon imageOf(const Image (&list)[Count], int index) {
    if (index < 0 || index >= Count)
        return QIcon();
    const Image& image = list[index];
    if (*image.themeName == '\0')
        return ownIcon(image.ownName);
    return QIcon::fromTheme(QLatin1String(image.themeName), ownIcon(image.ownName));
}

} // namespace

QIcon cuiImages::treeImage(int index) {
    return imageOf(treeImages, index);
}

QIcon cuiImages::commandImage(int index) {
    return imageOf(commandImages, index);
}

QIcon cuiImages::overlayImage(int overlay) {
    return imageOf(overlayImages, overlay);
}

QIcon cuiImages::overlaid(const QIcon& base, int overlay) {
    const QIcon badge = overlayImage(overlay);
    if (badge.isNull())
        return base;
    QIcon result;
    for (int size : overlaidSizes) {
        QPixmap canvas(size, size);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        base.paint(&painter, canvas.rect());
        badge.paint(&painter, canvas.rect());
        painter.end();
        result.addPixmap(canvas);
    }
    return result;
}
