#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>

class QFont;
class QPainter;
class QStaticText;
class cmcCellObj;

// Paints one cell from its record: background, bottom and right rules, the shown text laid
// out by the cell's alignment, and the check marks. The same code draws on screen, into the
// print preview and on paper, where colours give way to black, white and one grey.
class cuiCellPainter {
public:
    struct Context {
        QPalette palette;
        QColor lineTint;
        QColor cellTint;
        bool printing = false;
        double scale = 1.0;
    };
    enum Background { Own, Highlight, CellTint, LineTint };
    struct Cell {
        // The cell whose look is painted (for a span, the cell that starts it).
        const cmcCellObj* cell = nullptr;
        QRect rect;
        Background background = Own;
        int rightRule = 0;
        QString text;
        quint32 textColour = 0;
        bool warning = false;
        bool error = false;
        // The cursor's cell within a highlighted line gets a frame of its own.
        bool focusFrame = false;
    };

    static void paint(QPainter& painter, const Context& context, const Cell& cell);

    static constexpr quint32 PrintGrey = 0x00606060;
    static constexpr quint32 RuleGrey = 0x00808080;

private:
    static bool plainBackground(quint32 colour);
    static QColor backgroundColour(const Context& context, const Cell& cell);
    static QColor textColour(const Context& context, const Cell& cell);
    static void paintRules(QPainter& painter, const Context& context, const Cell& cell);
    static void paintText(QPainter& painter, const Context& context, const Cell& cell);
    static void paintMarks(QPainter& painter, const Cell& cell);
    static void paintFocusFrame(QPainter& painter, const Context& context, const Cell& cell);
    static const QStaticText& staticText(const QString& text, const QFont& font);
};
