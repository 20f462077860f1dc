#pragma once

#include "cmcFont.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QtGlobal>

// The one mapping of the definitions' fonts and colours onto Qt's. Pixel heights in the
// definitions are meant for a 96 dpi screen and follow the screen's logical resolution; the
// definitions' faces stand for the desktop's general, fixed and sans-serif fonts; system
// colours are palette roles, so a dark theme gives dark sheets.
class cuiLook {
public:
    // `scale` is 1.0 on screen and printer pixels per screen pixel when printing.
    static QFont font(const cmcFont& font, double scale = 1.0);
    static QColor colour(quint32 value, const QPalette& palette);
    // The colour of a font given by the definitions.
    static QColor fontColour(const cmcFont& font, const QPalette& palette) {
        return colour(font.colour, palette);
    }

    // Tints of the cursor's line and of a selected cell without focus, per 8-bit channel from
    // the window colour W and the window-text colour T.
    static QColor lineTint(const QColor& window, const QColor& text);
    static QColor cellTint(const QColor& window, const QColor& text);

    // Screen pixels per definition pixel.
    static double screenScale();

    static constexpr quint32 SystemColour = 0xFF000000;
    static constexpr quint32 clWindow = 0xFF000005;
    static constexpr quint32 clWindowText = 0xFF000008;
    static constexpr quint32 clHighlight = 0xFF00000D;
    static constexpr quint32 clHighlightText = 0xFF00000E;
    static constexpr quint32 clBtnFace = 0xFF00000F;
    static constexpr quint32 clGrayText = 0xFF000011;
    static constexpr quint32 clWhite = 0x00FFFFFF;
    static constexpr quint32 clSilver = 0x00C0C0C0;

private:
    static QFont build(const cmcFont& font, double scale);
    static QString family(const cmcFont& font);
    static QString japaneseFamily();
};
