#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// One line of a CSV file split into its fields. The files this program writes never quote,
// but spreadsheet programs may: a field in double quotes loses them, "" inside standing for
// one quote, and a separator between the quotes belongs to the field.
class cmcCsvLine {
public:
    static constexpr char Separator = ',';
    static constexpr char DecimalPoint = '.';
    static constexpr char SpreadsheetSeparator = ';';

    static QList<QByteArray> fields(QByteArrayView line, char separator);
    // The separator of a file, told by its title line: the semicolon when the line holds
    // semicolons and no comma, which is how spreadsheets save where the comma is the
    // decimal point.
    static char separatorOf(QByteArrayView titleLine);
    // The characters that split or quote a field in some file.
    static bool special(char c) { return c == Separator || c == SpreadsheetSeparator || c == '"'; }
};
