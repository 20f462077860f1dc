#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <deque>

// Reader of a built-in definition line list. Keys are found lazily: the key index grows only as
// far as the deepest key asked for so far, keys asked for often move to the front, and each key
// remembers where its last read line ended so that reading a value line by line costs one line
// per call. A missing key is a defect of the built-in data and ends the program.
class cmcGTex {
public:
    cmcGTex() = default;
    cmcGTex(const cmcGTex&) = delete;
    cmcGTex& operator=(const cmcGTex&) = delete;
    virtual ~cmcGTex() = default;

    // Succeeds only while no source is set.
    bool setSource(const char* const* lines);

    // Line `line` (0-based) of the key's value, without its line end. Past the value's end the
    // lines that follow are returned as they stand (a "#" line, the next key line, ...); a
    // negative line number gives the empty text.
    QByteArray GetText(const char* key, int line = 0);
    // Lines 0, 1, 2, ... of the value up to the first line beginning with '#'.
    QList<QByteArray> listLines(const char* key);
    // The same lines joined by "\n".
    QByteArray multiLineText(const char* key);

    // The process-wide reader of the definition table in use.
    static cmcGTex& app();

    // The table's texts are bytes: ASCII in the English edition, Shift-JIS in the Japanese one.
    // These two are the only places where they become Qt text and back.
    enum Edition { English, Japanese };
    void setEdition(Edition value) { editionInUse = value; }
    // The list the process-wide reader takes for the whole run; only before its first use.
    static bool chooseEdition(Edition value);
    Edition edition() const { return editionInUse; }
    QString display(QByteArrayView text) const;
    QByteArray stored(const QString& text) const;

    // A table text with its printf directives ("%d", "%s", "%4d") filled in, byte by byte, so
    // that it works on either edition's bytes.
    template <typename... Arguments>
    static QByteArray formatted(const QByteArray& pattern, Arguments... arguments) {
        const int size = std::snprintf(nullptr, 0, pattern.constData(), arguments...);
        QByteArray result(std::max(size, 0), '\0');
        std::snprintf(result.data(), size_t(result.size()) + 1, pattern.constData(), arguments...);
        return result;
    }

    // Introspection for tests and benchmarks.
    int indexedKeyCount() const { return keyCount; }
    QByteArray indexedKeyAt(int place) const;
    int scanPosition() const { return scanPos; }

    static constexpr int LineBufferSize = 8192;

private:
    struct KeyRecord {
        QByteArray key;
        int valueStart;
        KeyRecord* next;
        int cachedLine;
        int cachedPos;
    };

    void readLine();
    bool scanOneLine();
    KeyRecord* find(const char* key);
    KeyRecord* findInIndex(const char* key);

    const char* const* list = nullptr;
    bool opened = false;
    int currentPos = 0;
    QByteArray lineBuffer;
    bool lastReadPastEnd = false;
    int scanPos = 0;
    std::deque<KeyRecord> records;
    KeyRecord* head = nullptr;
    KeyRecord* tail = nullptr;
    int keyCount = 0;
    bool moreToScan = true;
    Edition editionInUse = English;
};
