#include "cmcDefaultImages.h"

#include "MemoryMap.h"
#include "cmcFatal.h"
#include "datCh.h"

#include <QByteArray>
#include <QList>
#include <cstring>

extern const char* const defaultImageLines[];

namespace {

const char* const ModeNames[] = {"FM", "WFM", "AM", "Auto", "-"};
const char* const StepNames[] = {"5k",  "6.25k", "8.33k", "9k",   "10k",  "12.5k", "15k",  "20k",
                                 "25k", "30k",   "50k",   "100k", "125k", "200k",  "Auto", "-"};
const char* const DuplexNames[] = {"OFF", "-DUP", "+DUP"};
const char* const AttenuatorNames[] = {"OFF", "ON", "-"};

constexpr uint8_t Unused = 0xFF;

// The receiver area of a new image before any market's data: everything empty or unused.
void fillEmptyState(cmcEeprom& image) {
    image.resize(mm::ReceiverSize);
    image.fill(Unused);
    const QByteArray blanks(mm::CommentSize, ' ');
    const auto* blankBytes = reinterpret_cast<const uint8_t*>(blanks.constData());
    for (int a = mm::CommonBase + 2 * mm::RecordSize; a < mm::CommonBase + mm::CommonSize; ++a)
        image.setByte(a, 0);
    image.setByte(mm::FreeAutoWriteCount, mm::AutoWriteChannels);
    // Every scan link holds edges 1 to 24.
    for (int k = 0; k < mm::ScanLinks; ++k) {
        const uint8_t members[4] = {0xFE, 0xFF, 0xFF, 0x01};
        image.writeBlock(mm::scanLinkMembers(k), members, 4);
    }
    const uint8_t kept[3] = {0x00, 0x01, 0x00};
    image.writeBlock(mm::ConversionKeptBase, kept, 3);
    image.writeBlock(mm::Comment, blankBytes, mm::CommentSize);
    for (int b = 0; b < mm::Banks; ++b)
        image.writeBlock(mm::bankName(b), blankBytes, mm::NameSize);
    for (int k = 0; k < mm::ScanLinks; ++k)
        image.writeBlock(mm::scanLinkName(k), blankBytes, mm::NameSize);
    image.setByte(mm::FormatRevision, 1);
    image.writeBlock(mm::Signature, reinterpret_cast<const uint8_t*>(mm::SignatureText),
                     mm::SignatureSize);
}

class TableReader {
public:
    explicit TableReader(const char* text) : line(text) {
        for (const QByteArray& word : QByteArray(text).simplified().split(' '))
            if (!word.isEmpty())
                words.append(word);
    }
    bool ignored() const { return words.isEmpty() || words[0].startsWith('#'); }
    const QByteArray& keyword() const { return words[0]; }
    int count() const { return int(words.size()); }
    [[noreturn]] void fail() const { cmcFatal::stop(line); }

    int number(int i, int lowest, int highest) const {
        bool ok = false;
        const int value = words.value(i).toInt(&ok);
        if (!ok || value < lowest || value > highest)
            fail();
        return value;
    }

    // A decimal number of MHz with up to six decimals, exactly in Hz.
    uint32_t hertz(int i) const {
        const QList<QByteArray> parts = words.value(i).split('.');
        bool ok = false;
        const uint32_t whole = parts[0].toUInt(&ok);
        QByteArray fraction = parts.value(1);
        if (!ok || parts.size() > 2 || fraction.size() > 6 || whole >= 4000)
            fail();
        fraction = fraction.leftJustified(6, '0');
        const uint32_t part = fraction.toUInt(&ok);
        if (!ok)
            fail();
        return whole * 1000000 + part;
    }

    template <size_t N> int code(int i, const char* const (&names)[N]) const {
        for (size_t n = 0; n < N; ++n)
            if (words.value(i) == names[n])
                return int(n);
        fail();
    }

    // The destinations a line applies to, as bits.
    uint32_t destinations(int i) const {
        uint32_t set = 0;
        for (const QByteArray& item : words.value(i).split(',')) {
            const QList<QByteArray> ends = item.split('-');
            bool okLow = false, okHigh = false;
            const int low = ends[0].toInt(&okLow);
            const int high = ends.size() == 2 ? ends[1].toInt(&okHigh) : low;
            if (!okLow || (ends.size() == 2 && !okHigh) || ends.size() > 2 || low < 0 ||
                high >= cmcDefaultImages::Count || low > high)
                fail();
            for (int d = low; d <= high; ++d)
                set |= 1u << d;
        }
        return set;
    }

private:
    const char* line;
    QList<QByteArray> words;
};

struct Preset {
    int toneIndex = 0;
    int dtcsIndex = 0;
    uint32_t trainFrequency = 0;
};

datCh presetRecord(const Preset& preset) {
    datCh record;
    record.toneIndex = preset.toneIndex;
    record.dtcsIndex = preset.dtcsIndex;
    record.trainFrequency = preset.trainFrequency;
    return record;
}

void applyLine(const TableReader& in, Preset& preset,
               cmcEeprom (&images)[cmcDefaultImages::Count]) {
    const QByteArray& key = in.keyword();
    if (key == "common" && in.count() == 3) {
        const int offset = in.number(1, 2 * mm::RecordSize, mm::CommonSize - 1);
        const int value = in.number(2, 0, 255);
        for (cmcEeprom& image : images)
            image.setByte(mm::CommonBase + offset, static_cast<uint8_t>(value));
        return;
    }
    if (key == "preset" && in.count() == 4) {
        preset = {in.number(1, 0, 49), in.number(2, 0, 103), uint32_t(in.number(3, 300, 3000))};
        return;
    }
    datCh record = presetRecord(preset);
    int number = 0;
    if (key == "band" && in.count() == 6) {
        number = in.number(2, 0, mm::BandLayoutRecords - 1);
        record.frequency = in.hertz(3);
        record.mode = in.code(4, ModeNames);
        record.step = in.code(5, StepNames);
    } else if (key == "channel" && in.count() == 8) {
        number = in.number(2, 0, mm::MemoryChannels - 1);
        record.frequency = in.hertz(3);
        record.mode = in.code(4, ModeNames);
        record.step = in.code(5, StepNames);
        record.duplex = in.code(6, DuplexNames);
        record.offset = in.hertz(7);
    } else if (key == "edge" && in.count() == 8) {
        number = in.number(2, 0, mm::ScanEdges - 1);
        record.lowEdge = in.hertz(3);
        record.frequency = in.hertz(4);
        record.mode = in.code(5, ModeNames);
        record.step = in.code(6, StepNames);
        record.attenuator = in.code(7, AttenuatorNames);
    } else {
        in.fail();
    }
    const uint32_t set = in.destinations(1);
    for (int d = 0; d < cmcDefaultImages::Count; ++d) {
        if (!(set >> d & 1))
            continue;
        record.bind(&images[d]);
        if (key == "band") {
            record.storeBandDefault(number);
        } else if (key == "channel") {
            record.store(datCh::KindMemory, number);
        } else {
            for (int i : {0, 1, 2, 3})
                images[d].setByte(mm::scanEdgeFlags(number) + i, 0);
            record.store(datCh::KindScanEdge, number);
        }
    }
}

} // namespace

void cmcDefaultImages::build(const char* const* lines, cmcEeprom (&images)[Count]) {
    for (cmcEeprom& image : images)
        fillEmptyState(image);
    Preset preset;
    for (; *lines; ++lines) {
        const TableReader in(*lines);
        if (!in.ignored())
            applyLine(in, preset, images);
    }
}

const cmcEeprom& cmcDefaultImages::image(int destination) {
    static cmcEeprom images[Count];
    static const bool built = (build(defaultImageLines, images), true);
    (void)built;
    if (destination < 0 || destination >= Count)
        destination = Fallback;
    return images[destination];
}
