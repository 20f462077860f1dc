#include "cmcPrintLayout.h"

#include <QByteArray>
#include <algorithm>
#include <cmath>

cmcPrintLayout::Margins cmcPrintLayout::margins(QByteArrayView text) {
    const QList<QByteArray> fields = text.toByteArray().split(',');
    int values[4] = {};
    for (qsizetype i = 0; i < std::min<qsizetype>(fields.size(), 4); ++i)
        values[i] = fields[i].trimmed().toInt();
    return {values[0], values[1], values[2], values[3]};
}

int cmcPrintLayout::dots(int millimetres, int dpi) {
    return int(double(millimetres) * dpi / 25.4);
}

QRect cmcPrintLayout::contentRect(QSize paper, int dpi, const Margins& margins) {
    const int left = dots(margins.left, dpi);
    const int top = dots(margins.top, dpi);
    const int right = paper.width() - dots(margins.right, dpi);
    const int bottom = paper.height() - dots(margins.bottom, dpi);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// A tenth of the line, so the bars stay in proportion at any resolution.
int cmcPrintLayout::barThickness(int lineHeight) {
    return std::max(1, lineHeight / 10);
}

int cmcPrintLayout::frameHeight(int lineHeight) {
    return lineHeight + 6 * barThickness(lineHeight);
}

QRect cmcPrintLayout::sheetRect(const QRect& content, int lineHeight) {
    const int frame = frameHeight(lineHeight);
    QRect room = content.adjusted(0, frame, 0, -frame);
    if (room.height() < 0)
        room.setHeight(0);
    return room;
}

bool cmcPrintLayout::endAllowed(const std::vector<bool>& breakBefore, size_t end, size_t total) {
    return end >= total || breakBefore.empty() || (end < breakBefore.size() && breakBefore[end]);
}

QList<quint16> cmcPrintLayout::blocks(const std::vector<int>& sizes, int fixed, int room,
                                      const std::vector<bool>& breakBefore) {
    QList<quint16> counts;
    const size_t total = sizes.size();
    size_t start = std::min(size_t(std::max(0, fixed)), total);
    const int fixedExtent = extent(sizes, fixed, 0, 0);
    while (start < total) {
        size_t fitting = 0;
        size_t smallest = 0;
        int width = fixedExtent;
        for (size_t end = start + 1; end <= total; ++end) {
            width += sizes[end - 1];
            if (!endAllowed(breakBefore, end, total))
                continue;
            if (smallest == 0)
                smallest = end;
            if (width > room)
                break;
            fitting = end;
        }
        const size_t end = fitting ? fitting : smallest;
        counts.append(quint16(end - start));
        start = end;
    }
    return counts;
}

int cmcPrintLayout::extent(const std::vector<int>& sizes, int fixed, int first, int count) {
    int total = 0;
    for (int i = 0; i < std::min(fixed, int(sizes.size())); ++i)
        total += sizes[size_t(i)];
    for (int i = first; i < std::min(first + count, int(sizes.size())); ++i)
        total += sizes[size_t(i)];
    return total;
}

int cmcPrintLayout::scaledFontHeight(int height, QSize block, QSize room) {
    const double ratio =
        std::min(block.width() > 0 ? double(room.width()) / block.width() : 1.0,
                 block.height() > 0 ? double(room.height()) / block.height() : 1.0);
    const int magnitude = std::abs(height);
    const int scaled = std::min(int(magnitude * ratio), magnitude - 1);
    return -std::max(1, scaled);
}

int cmcPrintLayout::sheetFontHeight(int points) {
    return -int(std::lround(points * 96.0 / 72.0));
}
