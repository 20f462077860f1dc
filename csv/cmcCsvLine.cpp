#include "cmcCsvLine.h"

namespace {

constexpr char Quote = '"';

} // namespace

QList<QByteArray> cmcCsvLine::fields(QByteArrayView line, char separator) {
    QList<QByteArray> result;
    QByteArray field;
    bool quoted = false;
    bool fieldStart = true;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const char c = line[at];
        if (quoted && c == Quote) {
            const bool doubled = at + 1 < line.size() && line[at + 1] == Quote;
            if (doubled)
                field += Quote;
            at += doubled ? 1 : 0;
            quoted = doubled;
        } else if (quoted) {
            field += c;
        } else if (c == separator) {
            result.append(field);
            field.clear();
            fieldStart = true;
            continue;
        } else if (c == Quote && fieldStart) {
            field.clear();
            quoted = true;
        } else {
            field += c;
        }
        fieldStart = fieldStart && !quoted && (c == ' ' || c == '\t');
    }
    result.append(field);
    return result;
}

char cmcCsvLine::separatorOf(QByteArrayView titleLine) {
    const bool semicolons = titleLine.contains(SpreadsheetSeparator);
    return semicolons && !titleLine.contains(Separator) ? SpreadsheetSeparator : Separator;
}
