#include "cuiLook.h"

#include "cmcGTex.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QScreen>

#include <cmath>
#include <iterator>

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colours 0 to 20 of the definitions, as palette roles.
const SystemRole systemRoles[] = {
    {QPalette::Active, QPalette::Dark},            // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop background
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Inactive, QPalette::Mid},           // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Window},          // active border
    {QPalette::Active, QPalette::Window},          // inactive border
    {QPalette::Active, QPalette::Dark},            // application work space
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlight text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Inactive, QPalette::WindowText},    // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
};

struct FontKey {
    cmcFont font;
    double scale;
    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.font.face, key.font.height, key.font.points, key.font.sizeInPoints,
                      key.font.styles, key.font.pitch, key.scale);
}

int channelMix(int text, int window, int windowWeight) {
    const int total = windowWeight + 1;
    return (text + windowWeight * window + total / 2) / total;
}

QColor mixed(const QColor& window, const QColor& text, int windowWeight) {
    return QColor(channelMix(text.red(), window.red(), windowWeight),
                  channelMix(text.green(), window.green(), windowWeight),
                  channelMix(text.blue(), window.blue(), windowWeight));
}

} // namespace

QFont cuiLook::font(const cmcFont& font, double scale) {
    static QHash<FontKey, QFont> built;
    const FontKey key{font, scale};
    auto found = built.constFind(key);
    if (found != built.constEnd())
        return *found;
    return *built.insert(key, build(font, scale));
}

QFont cuiLook::build(const cmcFont& spec, double scale) {
    QFont result(family(spec));
    if (spec.face == "Courier New" || spec.pitch == cmcFont::fpFixed)
        result.setStyleHint(QFont::Monospace);
    else if (spec.face == "Arial")
        result.setStyleHint(QFont::SansSerif);
    result.setBold(spec.styles & cmcFont::fsBold);
    result.setItalic(spec.styles & cmcFont::fsItalic);
    result.setUnderline(spec.styles & cmcFont::fsUnderline);
    result.setStrikeOut(spec.styles & cmcFont::fsStrikeOut);
    if (spec.sizeInPoints) {
        result.setPointSizeF(std::max(1, spec.points) * scale);
        return result;
    }
    const double pixels = std::max(1, std::abs(spec.height)) * screenScale() * scale;
    result.setPixelSize(std::max(1, int(std::lround(pixels))));
    if (spec.height > 0) {
        // A positive height is the whole cell: ascent and descent together.
        const double cell = QFontMetricsF(result).height();
        if (cell > 0)
            result.setPixelSize(std::max(1, int(std::lround(pixels * pixels / cell))));
    }
    return result;
}

// The Japanese interface face stands for a desktop font with Japanese glyphs, a Gothic (sans)
// one where there is a choice, so that widths and heights are measured in the font drawn.
QString cuiLook::japaneseFamily() {
    static const QString chosen = [] {
        const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
        for (const QString& family : families) {
            if (family.contains("Gothic") || family.contains("Sans"))
                return family;
        }
        return families.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()
                                  : families.first();
    }();
    return chosen;
}

QString cuiLook::family(const cmcFont& spec) {
    if (spec.face == "Courier New")
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (spec.face == "Arial")
        return QStringLiteral("Sans Serif");
    if (spec.face != cmcFont::DefaultFace && spec.face == cmcFont::defaultFace())
        return japaneseFamily();
    if (spec.face == cmcFont::DefaultFace || spec.face.isEmpty())
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    return cmcGTex::app().display(spec.face);
}

QColor cuiLook::colour(quint32 value, const QPalette& palette) {
    if ((value & 0xFF000000) == SystemColour) {
        const quint32 number = value & 0xFF;
        if (number < std::size(systemRoles))
            return palette.color(systemRoles[number].group, systemRoles[number].role);
        return palette.color(QPalette::Base);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor cuiLook::lineTint(const QColor& window, const QColor& text) {
    return mixed(window, text, 7);
}

QColor cuiLook::cellTint(const QColor& window, const QColor& text) {
    return mixed(window, text, 3);
}

double cuiLook::screenScale() {
    static const double value = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? std::max(1.0, screen->logicalDotsPerInchY() / 96.0) : 1.0;
    }();
    return value;
}
