#include "cmcGTex.h"

#include "cmcFatal.h"
#include "cmcGTexLists.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <cstring>

namespace {

// Keys moved to the head are those found behind more than this many records.
constexpr int FrontPlaces = 10;
const char EndOfTable[] = "End_Of_Ovl";

} // namespace

bool cmcGTex::setSource(const char* const* lines) {
    if (list || !lines)
        return false;
    list = lines;
    return true;
}

namespace {

cmcGTex::Edition chosenEdition = cmcGTex::English;
bool editionFixed = false;

} // namespace

bool cmcGTex::chooseEdition(Edition value) {
    if (editionFixed)
        return value == chosenEdition;
    chosenEdition = value;
    return true;
}

cmcGTex& cmcGTex::app() {
    static cmcGTex reader;
    static const bool ready = [] {
        editionFixed = true;
        reader.setEdition(chosenEdition);
        return reader.setSource(chosenEdition == Japanese ? gtexJapaneseLines : gtexEnglishLines);
    }();
    (void)ready;
    return reader;
}

// Copies the line at the current position into the buffer, cut at the buffer's size, and
// steps past it. An empty buffer with no line end marks the end of the list.
void cmcGTex::readLine() {
    lineBuffer.clear();
    const char* line = list[currentPos];
    lastReadPastEnd = line == nullptr;
    if (!line)
        return;
    const size_t length = strnlen(line, LineBufferSize - 1);
    lineBuffer.append(line, static_cast<qsizetype>(length));
    if (length < LineBufferSize - 1)
        lineBuffer.append('\n');
    ++currentPos;
}

// Examines exactly one line for a key; returns true when it added a key record.
bool cmcGTex::scanOneLine() {
    if (!moreToScan)
        return false;
    currentPos = scanPos;
    const bool atEnd = list[currentPos] == nullptr;
    readLine();
    scanPos = currentPos;
    if (atEnd) {
        moreToScan = false;
        return false;
    }
    if (lineBuffer.size() < 2 || lineBuffer[0] != '#' || lineBuffer[1] == '\n')
        return false;
    QByteArray key = lineBuffer.mid(1);
    const qsizetype end = key.indexOf('\n');
    if (end >= 0)
        key.truncate(end);
    records.push_back({key, currentPos, nullptr, 0, currentPos});
    KeyRecord* record = &records.back();
    if (tail)
        tail->next = record;
    else
        head = record;
    tail = record;
    ++keyCount;
    if (key == EndOfTable)
        moreToScan = false;
    return true;
}

cmcGTex::KeyRecord* cmcGTex::findInIndex(const char* key) {
    KeyRecord* before = nullptr;
    int passed = 0;
    for (KeyRecord* record = head; record; before = record, record = record->next, ++passed) {
        if (record->key != key)
            continue;
        if (passed > FrontPlaces) {
            before->next = record->next;
            if (tail == record)
                tail = before;
            record->next = head;
            head = record;
        }
        return record;
    }
    return nullptr;
}

cmcGTex::KeyRecord* cmcGTex::find(const char* key) {
    if (KeyRecord* record = findInIndex(key))
        return record;
    while (moreToScan) {
        if (scanOneLine() && tail->key == key)
            return tail;
    }
    return nullptr;
}

QByteArray cmcGTex::GetText(const char* key, int line) {
    if (!opened && list) {
        opened = true;
        currentPos = 0;
    }
    KeyRecord* record = opened ? find(key) : nullptr;
    if (!record)
        cmcFatal::stop(QByteArray("GTEX Error !\nThe index '") + key + "' was not found.");
    if (line < 0)
        return {}; // no line precedes line 0; the buffer still holds some other line
    int number = record->cachedLine;
    currentPos = record->cachedPos;
    if (number > line) {
        number = 0;
        currentPos = record->valueStart;
    }
    for (; number <= line; ++number)
        readLine();
    record->cachedLine = line + 1;
    record->cachedPos = currentPos;
    const qsizetype end = lineBuffer.indexOf('\n');
    return end >= 0 ? lineBuffer.left(end) : lineBuffer;
}

QList<QByteArray> cmcGTex::listLines(const char* key) {
    QList<QByteArray> lines;
    for (int line = 0;; ++line) {
        QByteArray piece = GetText(key, line);
        if (piece.startsWith('#') || lastReadPastEnd)
            return lines;
        lines.append(std::move(piece));
    }
}

QByteArray cmcGTex::multiLineText(const char* key) {
    return listLines(key).join('\n');
}

QByteArray cmcGTex::indexedKeyAt(int place) const {
    const KeyRecord* record = head;
    for (; record && place > 0; --place)
        record = record->next;
    return record ? record->key : QByteArray();
}

QString cmcGTex::display(QByteArrayView text) const {
    if (editionInUse == Japanese) {
        QStringDecoder decoder("Shift_JIS");
        if (decoder.isValid())
            return decoder(text);
    }
    return QString::fromLatin1(text);
}

QByteArray cmcGTex::stored(const QString& text) const {
    if (editionInUse == Japanese) {
        QStringEncoder encoder("Shift_JIS");
        if (encoder.isValid())
            return encoder(text);
    }
    return text.toLatin1();
}
