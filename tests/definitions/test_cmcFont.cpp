#include "cmcCellNames.h"
#include "cmcFont.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

cmcFont applied(const char* specification, cmcFont font = cmcFont()) {
    font.apply(specification);
    return font;
}

cmcFont inherited17() {
    cmcFont font;
    font.height = -17;
    font.face = "Arial";
    return font;
}

TEST(cmcFont, PercentageScalesTheInheritedHeight) {
    const cmcFont doubled = applied(",,clGreen,%200,,fsBold,", inherited17());
    EXPECT_EQ(doubled.height, -34);
    EXPECT_EQ(doubled.colour, 0x00008000u);
    EXPECT_EQ(doubled.styles, cmcFont::fsBold);
    EXPECT_EQ(doubled.face, cmcFont::DefaultFace);

    const cmcFont tiny = applied("ANSI_CHARSET,Arial,,%5,,,", inherited17());
    EXPECT_EQ(tiny.height, 1);
    EXPECT_EQ(tiny.charset, 0);
    EXPECT_EQ(tiny.face, "Arial");
}

TEST(cmcFont, SpecificationStopsAtTheFirstMissingField) {
    const cmcFont before = inherited17();
    cmcFont expected = before;
    expected.charset = 2;
    expected.face = "Courier New";
    EXPECT_EQ(applied("SYMBOL_CHARSET, Courier New", before), expected);
    EXPECT_EQ(applied("", before), before);
    expected = before;
    expected.face = cmcFont::DefaultFace;
    EXPECT_EQ(applied(",", before), expected);
}

TEST(cmcFont, DefaultFaceFollowsTheSystemLanguage) {
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    const cmcFont japanese = applied(",", inherited17());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const cmcFont english = applied(",", inherited17());
    QLocale::setDefault(system);
    EXPECT_EQ(japanese.face, "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e");
    EXPECT_EQ(english.face, cmcFont::DefaultFace);
}

TEST(cmcFont, SizeFields) {
    const struct {
        const char* specification;
        int height;
        int points;
        bool inPoints;
    } cases[] = {
        {",,,20,,,", 20, 8, false},      {",,,-12,,,", -12, 8, false},
        {",,,0,,,", -17, 8, false},      {",,,,,,", -17, 8, false},
        {",,,%50,,,", -8, 8, false},     {",,,%0,,,", 1, 8, false},
        {",,,,%150,,", -17, 12, true},   {",,,,10,,", -17, 10, true},
        {",,,%150,10,,", -25, 10, true},
    };
    for (const auto& c : cases) {
        const cmcFont font = applied(c.specification, inherited17());
        EXPECT_EQ(font.height, c.height) << c.specification;
        EXPECT_EQ(font.points, c.points) << c.specification;
        EXPECT_EQ(font.sizeInPoints, c.inPoints) << c.specification;
    }
}

TEST(cmcFont, NamedFieldsIgnoreUnknownNamesAndSurroundingBlanks) {
    cmcFont styled = inherited17();
    styled.styles = cmcFont::fsItalic;
    styled.pitch = cmcFont::fpVariable;
    const struct {
        const char* specification;
        quint32 colour;
        int styles;
        int pitch;
    } cases[] = {
        {",,\tclRed ,,,,", 0x000000FFu, cmcFont::fsItalic, cmcFont::fpVariable},
        {",,clRedX,,,,fpFixed", cmcCellNames::clWindowText, cmcFont::fsItalic, cmcFont::fpFixed},
        {",,,,,fsBold+fsUnderline,", cmcCellNames::clWindowText,
         cmcFont::fsBold | cmcFont::fsUnderline, cmcFont::fpVariable},
        {",,,,,fsWide+ fsStrikeOut ,fpNarrow", cmcCellNames::clWindowText, cmcFont::fsStrikeOut,
         cmcFont::fpVariable},
        {",,,,,fsWide,", cmcCellNames::clWindowText, cmcFont::fsItalic, cmcFont::fpVariable},
    };
    for (const auto& c : cases) {
        const cmcFont font = applied(c.specification, styled);
        EXPECT_EQ(font.colour, c.colour) << c.specification;
        EXPECT_EQ(font.styles, c.styles) << c.specification;
        EXPECT_EQ(font.pitch, c.pitch) << c.specification;
    }
}

} // namespace
