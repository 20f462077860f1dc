#include "cmcLoadFile.h"

#include <QFile>

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

bool cmcLoadFile::open(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        lines.clear();
        current = 0;
        return false;
    }
    return setText(file.readAll());
}

bool cmcLoadFile::setText(QByteArrayView text) {
    lines.clear();
    current = 0;
    if (text.startsWith(ByteOrderMark))
        text = text.sliced(sizeof ByteOrderMark - 1);
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(text.sliced(start, at - start).toByteArray());
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines.append(text.sliced(start).toByteArray());
    return !lines.isEmpty();
}

bool cmcLoadFile::next() {
    for (++current; current < lines.size(); ++current)
        if (!lines[current].isEmpty())
            return true;
    current = 0;
    return false;
}
