#pragma once

#include <QByteArrayView>
#include <QList>
#include <QRect>
#include <QSize>
#include <vector>

// The arithmetic of a printed page, apart from any printer: the content rectangle inside the
// margins, the room the header and footer leave for the sheet, the blocks of columns and rows
// a sheet is cut into, and the smaller font for a block that does not fit.
class cmcPrintLayout {
public:
    // Millimetres.
    struct Margins {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    // "left,top,right,bottom"; a missing field is 0.
    static Margins margins(QByteArrayView text);
    // Millimetres at `dpi`, truncated.
    static int dots(int millimetres, int dpi);
    static QRect contentRect(QSize paper, int dpi, const Margins& margins);

    // The thickness of the header and footer bars for a frame line `lineHeight` high.
    static int barThickness(int lineHeight);
    // A line, its bar and the gap under (over) it.
    static int frameHeight(int lineHeight);
    static QRect sheetRect(const QRect& content, int lineHeight);

    // Cuts `sizes` (column widths or row heights) into blocks that fit `room` together with the
    // first `fixed` sizes, which every block repeats. A block takes at least one entry and may
    // end before entry i only where `breakBefore[i]` holds (an empty list allows every end).
    // The counts exclude the fixed entries.
    static QList<quint16> blocks(const std::vector<int>& sizes, int fixed, int room,
                                 const std::vector<bool>& breakBefore = {});
    // The fixed entries and `count` entries from `first`.
    static int extent(const std::vector<int>& sizes, int fixed, int first, int count);

    static bool fits(QSize block, QSize room) {
        return block.width() <= room.width() && block.height() <= room.height();
    }
    // A negative (character) font height brought down by the smaller of the block's width and
    // height ratios to the room, always at least one pixel smaller and never below one.
    static int scaledFontHeight(int height, QSize block, QSize room);
    static constexpr int MaxFontScalings = 3;

    // A print font of `points` as a character height in definition pixels, which are meant
    // for a 96 dpi screen.
    static int sheetFontHeight(int points);
    // A font of `points` in device pixels at `dpi`.
    static int pointPixels(int points, int dpi) { return points * dpi / 72; }

private:
    static bool endAllowed(const std::vector<bool>& breakBefore, size_t end, size_t total);
};
