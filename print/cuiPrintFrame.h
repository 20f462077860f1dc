#pragma once

#include <QByteArray>
#include <QFont>
#include <QRect>

class QPainter;
class cmcGTex;

// The header and footer of a paper page: the program's title and revision over a bar at the
// top, the page's title at the right of the same line, and the maker's name under a bar at the
// bottom, in the page's font at the frame size.
class cuiPrintFrame {
public:
    // `pageFont` gives the face; the size comes from the definitions at `dpi`.
    cuiPrintFrame(cmcGTex& table, const QFont& pageFont, int dpi);

    int lineHeight() const { return height; }
    // What is left of `content` for the sheet.
    QRect sheetRect(const QRect& content) const;
    void draw(QPainter& painter, const QRect& content, const QString& pageTitle) const;

private:
    cmcGTex& table;
    QFont font;
    int height;
};
