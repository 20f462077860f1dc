#include "cmcCsvImport.h"

#include "MemoryMap.h"
#include "cmcAutoWriteOrder.h"
#include "cmcCellNames.h"
#include "cmcCsvLine.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcLoadFile.h"
#include "cmcMemInput.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCh.h"
#include "datMemField.h"

namespace {

using N = cmcCellNames;

constexpr int CancellerDestination = 0;
constexpr int NotARow = 65535;
// Tone frequencies outside these bounds (hundredths of Hz) are no tone at all.
constexpr int64_t LowestTone = 6000;
constexpr int64_t HighestTone = 30000;

// A frequency in MHz to the nearest Hz; none for text that is no number.
std::optional<int64_t> hertz(const QByteArray& text) {
    const std::optional<int64_t> tenths = cmcMemInput::number(text, 7);
    if (!tenths)
        return std::nullopt;
    return (*tenths + (*tenths < 0 ? -5 : 5)) / 10;
}

QByteArray megahertz(int64_t hz) {
    return cmcMemInput::megahertz(static_cast<uint32_t>(std::clamp<int64_t>(hz, 0, UINT32_MAX)));
}

} // namespace

cmcCsvImport::cmcCsvImport(cmcPageData& data, const cmcCsvPage& page)
    : data(data), page(page), plan(data.bandPlan()),
      layout(page.layout(), plan.destination() == CancellerDestination), codes(data.table()),
      separator(cmcCsvLine::Separator) {}

bool cmcCsvImport::readTitles(QByteArrayView titleLine) {
    separator = cmcCsvLine::separatorOf(titleLine);
    columns = layout.find(cmcCsvLine::fields(titleLine, separator));
    return layout.hasRequired(columns);
}

cmcCsvImport::Counts cmcCsvImport::run(cmcLoadFile& lines) {
    page.clear(data.image());
    data.events().Send(cmcEventId::ChannelsChanged);
    counts = {};
    while (lines.next())
        if (importLine(lines.currentLine()) == Overflow)
            break;
    finish();
    return counts;
}

void cmcCsvImport::finish() {
    if (page.kind() == datCh::KindAutoWrite)
        cmcAutoWriteOrder::listUsedSlots(data.image());
    cmcEvMan& events = data.events();
    events.Send(cmcEventId::ChannelsChanged);
    events.Send(cmcEventId::PageShown);
    events.Post(cmcEventId::RedrawAll);
}

QByteArray cmcCsvImport::fieldOf(const QList<QByteArray>& fields, size_t column) const {
    const int at = columns[column];
    return at == cmcCsvLayout::Missing ? QByteArray() : fields.value(at).trimmed();
}

std::optional<int> cmcCsvImport::rowOf(const QList<QByteArray>& fields) const {
    const qint64 row = cmcTextEntry::decimal(fieldOf(fields, 0)).value_or(NotARow);
    if (row < 0 || row >= page.rowCount())
        return std::nullopt;
    return int(row);
}

cmcCsvImport::Outcome cmcCsvImport::importLine(const QByteArray& line) {
    const QList<QByteArray> fields = cmcCsvLine::fields(line, separator);
    const std::optional<int> row = rowOf(fields);
    if (!row)
        return Skipped;
    datCh record(&data.image());
    record.reset();
    record.setInUse(false);
    record.kind = page.kind();
    record.number = page.number(*row);
    if (page.kind() == datCh::KindBank) {
        record.bankGroup = page.bank();
        record.bankPosition = *row;
    }
    int corrected = 0;
    const Outcome frequencies = readFrequencies(fields, record, corrected);
    if (frequencies != Stored)
        return frequencies;
    const auto& all = layout.columns();
    for (size_t i = 0; i < all.size(); ++i) {
        const datMemField* field = layout.field(all[i]);
        const QByteArray text = fieldOf(fields, i);
        if (field && !all[i].required && !text.isEmpty())
            corrected += readField(record, all[i], *field, text);
    }
    const Outcome outcome = store(record, *row);
    if (outcome == Stored)
        counts.corrected += corrected;
    return outcome;
}

// The required fields with a page field are the frequencies: without one the row stays blank,
// with one the receiver cannot take it is discarded.
cmcCsvImport::Outcome cmcCsvImport::readFrequencies(const QList<QByteArray>& fields, datCh& record,
                                                    int& corrected) {
    const auto& all = layout.columns();
    std::vector<std::pair<const datMemField*, int64_t>> read;
    for (size_t i = 0; i < all.size(); ++i) {
        const datMemField* field = layout.field(all[i]);
        if (!field || !all[i].required)
            continue;
        const QByteArray text = fieldOf(fields, i);
        if (text.isEmpty())
            return Blank;
        read.emplace_back(field, hertz(numberText(text)).value_or(0));
    }
    for (const auto& [field, hz] : read) {
        if (hz < 0 || hz > UINT32_MAX || !indDestination::validFrequency(uint32_t(hz))) {
            ++counts.discarded;
            return Discarded;
        }
    }
    for (const auto& [field, hz] : read) {
        edit(record, *field, megahertz(hz));
        corrected += field->text(record) != megahertz(hz);
    }
    return Stored;
}

int cmcCsvImport::readField(datCh& record, const datCsvColumn& column, const datMemField& field,
                            QByteArray text) {
    const bool number = !cmcCsvLayout::isName(column);
    if (number)
        text = numberText(text);
    if (field.isList() && column.link == N::CL_Mch_TSQL_Freq)
        return readTone(record, column, field, text);
    if (field.isList())
        return readCode(record, column, field, text);
    if (!number)
        return edit(record, field, text) ? 0 : 1;
    return readEntry(record, field, text);
}

int cmcCsvImport::readCode(datCh& record, const datCsvColumn& column, const datMemField& field,
                           const QByteArray& text) {
    const std::optional<int> code = codes.code(column, field, text);
    if (!code || !codes.offered(field, plan.automaticLists(), *code))
        return 1;
    record.*field.code = *code;
    return 0;
}

// A tone is its text in the file, or a number of Hz near enough to one of the list's tones.
int cmcCsvImport::readTone(datCh& record, const datCsvColumn& column, const datMemField& field,
                           QByteArray text) {
    text.replace(cmcCsvLine::Separator, cmcCsvLine::DecimalPoint);
    if (readCode(record, column, field, text) == 0)
        return 0;
    if (!text.toLower().endsWith("hz"))
        return 1;
    const std::optional<int64_t> hundredths = cmcMemInput::number(text.chopped(2), 2);
    if (!hundredths || *hundredths <= LowestTone || *hundredths >= HighestTone)
        return 1;
    int64_t chosen = 0;
    const std::optional<int> tone = codes.nearest(field, *hundredths, chosen);
    if (!tone)
        return 1;
    record.*field.code = *tone;
    return chosen != *hundredths;
}

// Offsets in MHz and the train frequency in Hz; what the field's rule moves counts as
// corrected.
int cmcCsvImport::readEntry(datCh& record, const datMemField& field, const QByteArray& text) {
    const bool megahertzField = field.link == N::CL_Mch_Offset_Freq;
    const std::optional<int64_t> value =
        megahertzField ? hertz(text) : std::optional<int64_t>(cmcTextEntry::decimal(text));
    if (!value)
        return 1;
    const QByteArray typed = megahertzField ? megahertz(*value) : QByteArray::number(*value);
    if (!edit(record, field, typed))
        return 1;
    return field.text(record) != typed || *value < 0;
}

// Where the semicolon separates, the comma is the decimal point.
QByteArray cmcCsvImport::numberText(QByteArray text) const {
    if (separator == cmcCsvLine::SpreadsheetSeparator)
        text.replace(cmcCsvLine::Separator, cmcCsvLine::DecimalPoint);
    return text;
}

bool cmcCsvImport::edit(datCh& record, const datMemField& field, const QByteArray& text) {
    return field.edit(record, text, plan, data.templateImage());
}

cmcCsvImport::Outcome cmcCsvImport::store(datCh& record, int row) {
    if (page.kind() == datCh::KindBank) {
        cmcEeprom& image = data.image();
        const uint16_t held = image.bankEntry(page.bank(), row);
        const bool reused = held < mm::MemoryChannels;
        const int number = reused ? held : datCh::firstEmptyChannel(image, 0);
        if (number < 0) {
            counts.overflow = true;
            return Overflow;
        }
        record.store(datCh::KindBank, number);
        if (!reused)
            data.events().Send(cmcEventId::ChannelsChanged);
    } else {
        record.store(page.kind(), page.number(row));
    }
    ++counts.stored;
    return Stored;
}
