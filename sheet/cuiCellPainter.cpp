#include "cuiCellPainter.h"

#include "cmcCellObj.h"
#include "cuiLook.h"
#include "cuiTextLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>

#include <unordered_map>

// Laid-out texts are kept: a grid shows the same few values over and over, and laying text
// out costs far more than drawing it.
const QStaticText& cuiCellPainter::staticText(const QString& text, const QFont& font) {
    struct Key {
        QString text;
        QFont font;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& key) const { return qHash(key.text) ^ qHash(key.font); }
    };
    static std::unordered_map<Key, QStaticText, KeyHash> laidOut;
    if (laidOut.size() > 4096)
        laidOut.clear();
    auto [place, added] = laidOut.try_emplace(Key{text, font}, text);
    if (added) {
        place->second.setTextFormat(Qt::PlainText);
        place->second.setPerformanceHint(QStaticText::AggressiveCaching);
        place->second.prepare(QTransform(), font);
    }
    return place->second;
}

bool cuiCellPainter::plainBackground(quint32 colour) {
    return colour == cuiLook::clWindow || colour == cuiLook::clWhite;
}

QColor cuiCellPainter::backgroundColour(const Context& context, const Cell& cell) {
    if (context.printing)
        return plainBackground(cell.cell->colour()) ? QColor(Qt::white)
                                                    : cuiLook::colour(PrintGrey, context.palette);
    switch (cell.background) {
    case Highlight:
        return context.palette.color(QPalette::Active, QPalette::Highlight);
    case CellTint:
        return context.cellTint;
    case LineTint:
        return context.lineTint;
    default:
        return cuiLook::colour(cell.cell->colour(), context.palette);
    }
}

QColor cuiCellPainter::textColour(const Context& context, const Cell& cell) {
    if (context.printing)
        return plainBackground(cell.cell->colour()) ? QColor(Qt::black) : QColor(Qt::white);
    if (cell.background == Highlight)
        return context.palette.color(QPalette::Active, QPalette::HighlightedText);
    const QColor own = cuiLook::colour(cell.textColour, context.palette);
    if (cell.background == Own)
        return own;
    // On a tint, faint texts would vanish: they take the window text colour.
    const QColor faint[] = {cuiLook::colour(cuiLook::clBtnFace, context.palette), context.cellTint,
                            cuiLook::colour(cuiLook::clSilver, context.palette),
                            cuiLook::colour(cuiLook::clGrayText, context.palette)};
    for (const QColor& colour : faint) {
        if (own == colour)
            return cuiLook::colour(cuiLook::clWindowText, context.palette);
    }
    return own;
}

void cuiCellPainter::paint(QPainter& painter, const Context& context, const Cell& cell) {
    painter.fillRect(cell.rect, backgroundColour(context, cell));
    paintRules(painter, context, cell);
    paintText(painter, context, cell);
    paintMarks(painter, cell);
    if (cell.focusFrame && !context.printing)
        paintFocusFrame(painter, context, cell);
}

void cuiCellPainter::paintFocusFrame(QPainter& painter, const Context& context, const Cell& cell) {
    painter.save();
    QPen pen(textColour(context, cell), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.rect.adjusted(1, 1, -3, -3));
    painter.restore();
}

void cuiCellPainter::paintRules(QPainter& painter, const Context& context, const Cell& cell) {
    const QRect& r = cell.rect;
    QColor colour = plainBackground(cell.cell->colour())
                        ? cuiLook::colour(RuleGrey, context.palette)
                        : QColor(Qt::white);
    if (context.printing && plainBackground(cell.cell->colour()))
        colour = Qt::black;
    if (cell.cell->bottomRule())
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    if (cell.rightRule == cmcCellObj::RuleFull)
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
    else if (cell.rightRule == cmcCellObj::RuleLower) {
        const int top = r.top() + r.height() * 7 / 10;
        painter.fillRect(QRect(r.right(), top, 1, r.top() + r.height() - top), colour);
    }
}

void cuiCellPainter::paintText(QPainter& painter, const Context& context, const Cell& cell) {
    if (cell.text.isEmpty() || cell.rect.width() < 1)
        return;
    // Changing the painter's font costs a font engine look-up; most neighbours share theirs.
    if (const cmcFont* spec = cell.cell->effectiveFont()) {
        const QFont font = cuiLook::font(*spec, context.scale);
        if (!(painter.font() == font))
            painter.setFont(font);
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const QStringList lines = cell.text.split(QLatin1Char('\n'));
    QList<int> widths;
    for (const QString& line : lines)
        widths.append(metrics.horizontalAdvance(line));
    const auto placed =
        cuiTextLayout::place(cell.rect, widths, metrics.height(), cell.cell->horizontalAlignment(),
                             cell.cell->verticalAlignment(), context.scale);
    painter.setPen(textColour(context, cell));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool clip = placed[i].clipped;
        if (clip) {
            painter.save();
            painter.setClipRect(cell.rect, Qt::IntersectClip);
        }
        painter.drawStaticText(placed[i].topLeft, staticText(lines[i], painter.font()));
        if (clip)
            painter.restore();
    }
}

// An error gets a red cross in the cell's corner, a warning an amber corner flag.
void cuiCellPainter::paintMarks(QPainter& painter, const Cell& cell) {
    if (!cell.error && !cell.warning)
        return;
    const QRect& r = cell.rect;
    const int size = std::max(5, std::min(r.height(), r.width()) / 3);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (cell.error) {
        painter.setPen(QPen(QColor(0xD0, 0x10, 0x10), 2));
        const QRect box(r.left() + 2, r.top() + 2, size, size);
        painter.drawLine(box.topLeft(), box.bottomRight());
        painter.drawLine(box.topRight(), box.bottomLeft());
    } else {
        const QPoint corner = r.topLeft();
        const QPolygon flag({corner, corner + QPoint(size + 2, 0), corner + QPoint(0, size + 2)});
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xE8, 0xA0, 0x00));
        painter.drawPolygon(flag);
    }
    painter.restore();
}
