#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// A font description as the definitions give it; the user interface turns it into a real font.
// The size is either a pixel height (negative: character height, positive: cell height) or a
// point size, whichever a specification gave last.
class cmcFont {
public:
    enum Style { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    enum Pitch { fpDefault, fpVariable, fpFixed };
    static constexpr const char* DefaultFace = "MS Sans Serif";
    // The face a specification falls back to: on a Japanese system the Shift-JIS name of the
    // Japanese UI face, else DefaultFace.
    static QByteArray defaultFace();

    int charset = 1;
    QByteArray face = DefaultFace;
    quint32 colour = 0xFF000008;
    int height = -11;
    int points = 8;
    bool sizeInPoints = false;
    int styles = 0;
    int pitch = fpDefault;

    // Applies "charset,face,colour,height,points,styles,pitch"; fields may be empty and the
    // specification may stop early. Unknown names leave their field unchanged.
    void apply(QByteArrayView specification);

    bool operator==(const cmcFont&) const = default;

private:
    static bool scaledSize(QByteArrayView field, int& size);
    void applyStyles(QByteArrayView field);
};
