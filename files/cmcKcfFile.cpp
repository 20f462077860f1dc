#include "cmcKcfFile.h"

#include "cmcEeprom.h"
#include "cmcGTex.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdlib>
#include <limits>

namespace {

// Longest line taken in one piece, line end included; anything longer is malformed.
constexpr qint64 LineBuffer = 768;
constexpr int MinRecordChars = 8;
constexpr int MaxRecordChars = 6 + 2 * cmcKcfFile::MaxRecordLength;
const char LineEnd[] = "\r\n";
const char MapRevLabel[] = "MapRev=";
const char EtcDataLabel[] = "EtcData=";
const char CommentLabel[] = "Comment=";

const char* const ErrorKeys[] = {
    nullptr,
    "GI_Mess_FileErr_FileOpen",
    "GI_Mess_FileErr_FileAccess",
    "GI_Mess_FileErr_Model",
    "GI_Mess_FileErr_Extra",
    "GI_Mess_FileErr_MapRev",
    "GI_Mess_FileErr_Format",
    "GI_Mess_FileErr_Coverage",
    "GI_Mess_FileErr_Data",
    "GI_Mess_FileErr_Newer",
    "GI_Mess_FileErr_EtcData",
};

enum class LineRead { Line, End, TooLong, Failed };

// Reads one line and strips its line end ("\n" or "\r\n"); `ended` tells whether it had one.
LineRead nextLine(QIODevice& device, QByteArray& line, bool& ended) {
    char buffer[LineBuffer];
    const qint64 n = device.readLine(buffer, LineBuffer);
    if (n <= 0)
        return device.atEnd() ? LineRead::End : LineRead::Failed;
    line = QByteArray(buffer, n);
    // A CR LF pair takes one place in the buffer, as a text-mode read would give it.
    if (n == LineBuffer - 1 && line.endsWith('\r') && device.peek(1) == "\n" &&
        device.getChar(nullptr))
        line += '\n';
    ended = line.endsWith('\n');
    if (!ended)
        return n == LineBuffer - 1 && !device.atEnd() ? LineRead::TooLong : LineRead::Line;
    line.chop(line.endsWith("\r\n") ? 2 : 1);
    return LineRead::Line;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int hexValue(const QByteArray& text, int from, int digits) {
    int value = 0;
    for (int i = from; i < from + digits; ++i)
        value = value * 16 + hexDigit(text[i]);
    return value;
}

// The number that starts at `from`, as the C library reads it (blanks and a sign allowed,
// no digits giving 0).
long long numberAt(const QByteArray& line, int from, int base) {
    const QByteArray text = line.mid(from);
    return std::strtoll(text.constData(), nullptr, base);
}

int32_t clampToInt32(long long value) {
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// Upper-case hexadecimal, at least `digits` digits, as printf's "%0*X" gives it.
void appendHex(QByteArray& out, uint32_t value, int digits) {
    static const char Digits[] = "0123456789ABCDEF";
    while (digits < 8 && (value >> (4 * digits)) != 0)
        ++digits;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        out += Digits[(value >> shift) & 0xFu];
}

void setBit(std::vector<uint8_t>& map, int32_t address) {
    map[static_cast<size_t>(address / 8)] |= static_cast<uint8_t>(1u << (address % 8));
}

cmcEeprom& noImage() {
    static cmcEeprom empty;
    return empty;
}

} // namespace

cmcKcfFile::cmcKcfFile() : image(&noImage()) {}

void cmcKcfFile::setImage(cmcEeprom& target) {
    image = &target;
    rangeStart = 0;
    rangeEnd = image->size() - 1;
    const mm::Range whole[] = {{rangeStart, rangeEnd}, {1, 0}};
    rebuildRequired(whole);
    loadedMap.assign(requiredMap.size(), 0);
}

void cmcKcfFile::setComment(const QByteArray& text) {
    comment = text;
    comment.replace('\r', ' ').replace('\n', ' ');
}

bool cmcKcfFile::setRecordLength(int32_t value) {
    if (value < 1 || value > MaxRecordLength)
        return false;
    recordLength = value;
    return true;
}

void cmcKcfFile::setMapRevCheck(MapRevCheck check, void* context) {
    mapRevCheck = check;
    mapRevContext = context;
}

void cmcKcfFile::setModelCheck(ModelCheck check, void* context) {
    modelCheck = check;
    modelContext = context;
}

void cmcKcfFile::setEtcDataCheck(EtcDataCheck check, void* context, uint32_t extra) {
    etcDataCheck = check;
    etcDataContext = context;
    etcDataExtra = extra;
}

void cmcKcfFile::setMessageHandler(MessageHandler handler, void* context) {
    messageHandler = handler;
    messageContext = context;
}

QByteArray cmcKcfFile::message(int code) {
    if (code <= Ok || code > EtcData)
        return {};
    cmcGTex& table = cmcGTex::app();
    return table.GetText("GI_Mess_FileErr_Headline") + "\n\n" + table.GetText(ErrorKeys[code]);
}

int cmcKcfFile::report(int code) const {
    if (!messageHandler)
        return code;
    const QByteArray text = message(code);
    if (!text.isEmpty())
        messageHandler(messageContext, text);
    return code;
}

bool cmcKcfFile::isLoaded(int32_t address) const {
    if (!image->isValidAddress(address))
        return false;
    return (loadedMap[static_cast<size_t>(address / 8)] >> (address % 8)) & 1u;
}

int cmcKcfFile::read(const QString& fileName, const mm::Range* coverage) {
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        return read(file, coverage);
    forgetLastRead();
    return report(FileOpen);
}

int cmcKcfFile::read(QIODevice& device, const mm::Range* coverage) {
    const cmcEeprom saved = *image;
    forgetLastRead();
    int code = readLines(device);
    if (code == Ok && coverage)
        code = checkCoverage(coverage);
    if (code != Ok)
        *image = saved;
    return report(code);
}

// Loaded addresses and header values describe the file being read, never an earlier one.
void cmcKcfFile::forgetLastRead() {
    loadedMap.assign(requiredMap.size(), 0);
    mapRev = -1;
    etc = 0;
    decodedEtc = 0;
}

int cmcKcfFile::readLines(QIODevice& device) {
    int code = readModelLine(device);
    bool headerChecked = false;
    while (code == Ok) {
        QByteArray line;
        bool ended = false;
        const LineRead result = nextLine(device, line, ended);
        if (result == LineRead::End)
            break;
        if (result != LineRead::Line)
            return result == LineRead::Failed ? FileAccess : Format;
        if (line.startsWith('#')) {
            readHeaderLine(line);
            continue;
        }
        if (!headerChecked) {
            headerChecked = true;
            code = checkHeader();
            if (code != Ok)
                break;
        }
        code = ended ? readRecord(line) : Format;
    }
    return code;
}

// Eight decimal digits, each taken as one hexadecimal nibble: four of model, four of version.
int cmcKcfFile::readModelLine(QIODevice& device) {
    QByteArray line;
    bool ended = false;
    const LineRead result = nextLine(device, line, ended);
    if (result == LineRead::Failed)
        return FileAccess;
    if (result != LineRead::Line || !ended || line.size() != 8)
        return Format;
    uint32_t model = 0;
    uint32_t version = 0;
    for (int i = 0; i < 8; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9')
            return Format;
        uint32_t& part = i < 4 ? model : version;
        part = part * 16 + static_cast<uint32_t>(c - '0');
    }
    if (modelCheck) {
        int32_t stored = FileOpen;
        if (modelCheck(modelContext, model, version, &stored))
            return Ok;
        return stored == Ok ? FileOpen : stored;
    }
    if (model != modelCode)
        return Model;
    return version != modelVersion ? Extra : Ok;
}

void cmcKcfFile::readHeaderLine(const QByteArray& line) {
    const QByteArray text = line.mid(1);
    if (text.contains(MapRevLabel))
        mapRev = clampToInt32(numberAt(line, 8, 10));
    else if (text.contains(EtcDataLabel))
        etc = static_cast<int32_t>(static_cast<uint32_t>(numberAt(line, 9, 16)));
}

int cmcKcfFile::checkHeader() {
    if (formatVersion == CurrentFormat && !(mapRevCheck && mapRevCheck(mapRevContext, mapRev)))
        return MapRev;
    int32_t decoded = 0;
    if (!(etcDataCheck && etcDataCheck(etcDataContext, etc, etcDataExtra, &decoded))) {
        decodedEtc = 0;
        return EtcData;
    }
    decodedEtc = decoded;
    return Ok;
}

int cmcKcfFile::readRecord(const QByteArray& line) {
    const int length = static_cast<int>(line.size());
    if (length < MinRecordChars || length > MaxRecordChars)
        return Format;
    for (char c : line)
        if (hexDigit(c) < 0)
            return Format;
    const int32_t address = hexValue(line, 0, 4);
    const int count = hexValue(line, 4, 2);
    if (2 * count != length - 6)
        return Format;
    if (!image->isValidAddress(address) || !image->isValidAddress(address + count - 1))
        return Data;
    for (int i = 0; i < count; ++i) {
        image->setByte(address + i, static_cast<uint8_t>(hexValue(line, 6 + 2 * i, 2)));
        setBit(loadedMap, address + i);
    }
    return Ok;
}

int cmcKcfFile::checkCoverage(const mm::Range* coverage) {
    rebuildRequired(coverage);
    if (loadedMap.size() != requiredMap.size())
        loadedMap.assign(requiredMap.size(), 0);
    if (loadedMap == requiredMap)
        return Ok;
    for (size_t i = 0; i < loadedMap.size(); ++i)
        if (loadedMap[i] & ~requiredMap[i])
            return Data;
    return Coverage;
}

bool cmcKcfFile::validPair(const mm::Range& pair) const {
    return pair.start <= pair.end && image->isValidAddress(pair.start) &&
           image->isValidAddress(pair.end);
}

void cmcKcfFile::rebuildRequired(const mm::Range* coverage) {
    requiredMap.assign(static_cast<size_t>((image->size() + 7) / 8), 0);
    for (; coverage && validPair(*coverage); ++coverage)
        for (int32_t a = coverage->start; a <= coverage->end; ++a)
            setBit(requiredMap, a);
}

int cmcKcfFile::write(const QString& fileName, const mm::Range* coverage) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return report(FileOpen);
    QByteArray out = headerText();
    for (; coverage && validPair(*coverage); ++coverage)
        appendRange(out, coverage->start, coverage->end);
    if (file.write(out) != out.size()) {
        file.cancelWriting();
        return report(FileAccess);
    }
    return report(file.commit() ? Ok : FileAccess);
}

QByteArray cmcKcfFile::headerText() const {
    QByteArray out;
    appendHex(out, modelCode & 0xFFFFu, 4);
    appendHex(out, modelVersion & 0xFFFFu, 4);
    out += LineEnd;
    out += '#';
    if (formatVersion == CurrentFormat)
        out += CommentLabel;
    out += comment + LineEnd;
    if (formatVersion == CurrentFormat)
        out += '#' + QByteArray(MapRevLabel) + QByteArray::number(mapRev) + LineEnd;
    out += '#' + QByteArray(EtcDataLabel);
    appendHex(out, static_cast<uint32_t>(etc), 4);
    out += LineEnd;
    return out;
}

// Records never cross a multiple of the record length; the last one is cut at the range end.
void cmcKcfFile::appendRange(QByteArray& out, int32_t start, int32_t end) const {
    for (int32_t a = start; a <= end;) {
        const int32_t count = std::min(recordLength - a % recordLength, end - a + 1);
        appendHex(out, static_cast<uint32_t>(a), 4);
        appendHex(out, static_cast<uint32_t>(count), 2);
        const uint8_t* bytes = image->bytes() + a;
        for (int32_t i = 0; i < count; ++i)
            appendHex(out, bytes[i], 2);
        out += LineEnd;
        a += count;
    }
}
