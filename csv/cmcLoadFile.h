#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// A text file read whole as a list of lines, with a current line. Lines may end in a carriage
// return, a line feed or both; a UTF-8 byte-order mark that spreadsheet programs put in front
// of the first line is not part of it.
class cmcLoadFile {
public:
    // False when the file cannot be read or holds no lines.
    bool open(const QString& fileName);
    // The same from bytes already read.
    bool setText(QByteArrayView text);

    int lineCount() const { return int(lines.size()); }
    // The empty text beyond the last line.
    QByteArray line(int index) const { return lines.value(index); }
    int index() const { return current; }
    const QByteArray& currentLine() const { return lines[current]; }
    // Moves to the next line that is not empty; false, and back to line 0, at the end.
    bool next();

private:
    QList<QByteArray> lines;
    int current = 0;
};
