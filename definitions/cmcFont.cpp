#include "cmcFont.h"

#include "cmcCellNames.h"
#include "cmcCellSyntax.h"

#include <QLocale>

#include <iterator>

namespace {

struct Named {
    const char* name;
    int value;
};

const Named styleNames[] = {{"fsBold", cmcFont::fsBold},
                            {"fsItalic", cmcFont::fsItalic},
                            {"fsUnderline", cmcFont::fsUnderline},
                            {"fsStrikeOut", cmcFont::fsStrikeOut}};

const Named pitchNames[] = {{"fpDefault", cmcFont::fpDefault},
                            {"fpVariable", cmcFont::fpVariable},
                            {"fpFixed", cmcFont::fpFixed}};

const Named* findName(QByteArrayView name, const Named* begin, const Named* end) {
    for (const Named* entry = begin; entry != end; ++entry) {
        if (name == entry->name)
            return entry;
    }
    return nullptr;
}

} // namespace

void cmcFont::apply(QByteArrayView specification) {
    int field = 0;
    for (qsizetype start = 0; field < 7 && start <= specification.size(); ++field) {
        qsizetype end = specification.indexOf(',', start);
        if (end < 0)
            end = specification.size();
        const QByteArrayView text =
            cmcCellSyntax::blanksTrimmed(specification.sliced(start, end - start));
        start = end + 1;
        switch (field) {
        case 0:
            if (auto value = cmcCellNames::charset(text))
                charset = *value;
            break;
        case 1:
            face = text.isEmpty() ? defaultFace() : text.toByteArray();
            break;
        case 2:
            if (auto value = cmcCellNames::colour(text))
                colour = *value;
            break;
        case 3:
            if (scaledSize(text, height))
                sizeInPoints = false;
            break;
        case 4:
            if (scaledSize(text, points))
                sizeInPoints = true;
            break;
        case 5:
            applyStyles(text);
            break;
        case 6:
            if (const Named* pitchName =
                    findName(text, std::begin(pitchNames), std::end(pitchNames)))
                pitch = pitchName->value;
            break;
        }
    }
}

QByteArray cmcFont::defaultFace() {
    if (QLocale().language() == QLocale::Japanese)
        return "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";
    return DefaultFace;
}

// A number replaces the size, "%N" scales it (never to 0); 0 or nothing leaves it.
bool cmcFont::scaledSize(QByteArrayView field, int& size) {
    if (field.startsWith('%')) {
        const qint64 scaled = qint64(size) * cmcCellSyntax::decimal(field.sliced(1)) / 100;
        size = scaled ? static_cast<int>(scaled) : 1;
        return true;
    }
    const int value = cmcCellSyntax::decimal(field);
    if (value)
        size = value;
    return value != 0;
}

void cmcFont::applyStyles(QByteArrayView field) {
    bool replaced = false;
    for (qsizetype start = 0; start <= field.size();) {
        qsizetype end = field.indexOf('+', start);
        if (end < 0)
            end = field.size();
        const QByteArrayView name = cmcCellSyntax::blanksTrimmed(field.sliced(start, end - start));
        start = end + 1;
        const Named* style = findName(name, std::begin(styleNames), std::end(styleNames));
        if (!style)
            continue;
        if (!replaced)
            styles = 0;
        replaced = true;
        styles |= style->value;
    }
}
