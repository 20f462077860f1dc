#pragma once

#include "MemoryMap.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

class QIODevice;
class cmcEeprom;

// Reader and writer of clone files: a model line, a few "#" header lines and hexadecimal data
// records of an image. The layer knows nothing of channels; it moves bytes, checks the header
// through the caller's checks, records which addresses were loaded and reports one error code.
// Every non-zero code is handed, as its message text, to the message handler.
class cmcKcfFile {
public:
    enum Error : int {
        Ok = 0,
        FileOpen = 1,
        FileAccess = 2,
        Model = 3,
        Extra = 4,
        MapRev = 5,
        Format = 6,
        Coverage = 7,
        Data = 8,
        Newer = 9,
        EtcData = 10,
    };

    using MapRevCheck = bool (*)(void* context, int32_t mapRevision);
    // Returns false to refuse and stores the error code to report.
    using ModelCheck = bool (*)(void* context, uint32_t model, uint32_t version,
                                int32_t* errorCode);
    // Returns false to refuse; on acceptance stores the decoded value.
    using EtcDataCheck = bool (*)(void* context, int32_t etcData, uint32_t extra, int32_t* decoded);
    using MessageHandler = void (*)(void* context, const QByteArray& text);

    static constexpr int CurrentFormat = 1;
    static constexpr int MaxRecordLength = 255;

    cmcKcfFile();
    cmcKcfFile(const cmcKcfFile&) = delete;
    cmcKcfFile& operator=(const cmcKcfFile&) = delete;

    // Attaches the image (not owned) with the range 0 .. size - 1 and rebuilds both maps.
    void setImage(cmcEeprom& image);
    void setModelCode(uint32_t value) { modelCode = value; }
    void setModelVersion(uint32_t value) { modelVersion = value; }
    // Line breaks would split the comment line; they become blanks.
    void setComment(const QByteArray& text);
    void setMapRevision(int32_t value) { mapRev = value; }
    void setEtcData(int32_t value) { etc = value; }
    void setFormatVersion(int32_t value) { formatVersion = value; }
    // Counts that do not fit the record's two count digits are refused.
    bool setRecordLength(int32_t value);

    void setMapRevCheck(MapRevCheck check, void* context);
    void setModelCheck(ModelCheck check, void* context);
    void setEtcDataCheck(EtcDataCheck check, void* context, uint32_t extra = 0);
    void setMessageHandler(MessageHandler handler, void* context);

    // A failed read leaves the image exactly as it was. Without a coverage table the caller
    // checks coverage itself. Map revision and EtcData start as absent (-1 and 0) each time.
    int read(const QString& fileName, const mm::Range* coverage);
    int read(QIODevice& device, const mm::Range* coverage);
    // Goes through a temporary file, so a failed write never destroys the file it replaces.
    int write(const QString& fileName, const mm::Range* coverage);
    // 0 when the last read loaded exactly the table's addresses; 8 when it loaded more; else 7.
    int checkCoverage(const mm::Range* coverage);

    int32_t decodedEtcData() const { return decodedEtc; }
    int32_t mapRevision() const { return mapRev; }
    int32_t etcData() const { return etc; }
    bool isLoaded(int32_t address) const;

    // "File error." and the code's own text, or empty for 0 and unknown codes.
    static QByteArray message(int code);
    // Hands the code's message to the handler, if any; returns the code.
    int report(int code) const;

private:
    void forgetLastRead();
    int readLines(QIODevice& device);
    int readModelLine(QIODevice& device);
    void readHeaderLine(const QByteArray& line);
    int checkHeader();
    int readRecord(const QByteArray& line);
    QByteArray headerText() const;
    void appendRange(QByteArray& out, int32_t start, int32_t end) const;
    bool validPair(const mm::Range& pair) const;
    void rebuildRequired(const mm::Range* coverage);

    int32_t formatVersion = CurrentFormat;
    cmcEeprom* image;
    uint32_t modelCode = 0;
    uint32_t modelVersion = 0;
    QByteArray comment;
    int32_t recordLength = 16;
    int32_t mapRev = -1;
    int32_t etc = 0;
    int32_t rangeStart = 0;
    int32_t rangeEnd = 0;
    std::vector<uint8_t> requiredMap;
    std::vector<uint8_t> loadedMap;
    MapRevCheck mapRevCheck = nullptr;
    void* mapRevContext = nullptr;
    ModelCheck modelCheck = nullptr;
    void* modelContext = nullptr;
    EtcDataCheck etcDataCheck = nullptr;
    void* etcDataContext = nullptr;
    uint32_t etcDataExtra = 0;
    int32_t decodedEtc = 0;
    MessageHandler messageHandler = nullptr;
    void* messageContext = nullptr;
};
