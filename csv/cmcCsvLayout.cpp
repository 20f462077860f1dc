#include "cmcCsvLayout.h"

#include "cmcCellNames.h"
#include "cmcMemFieldTable.h"
#include "cmcScanEdgeFieldTable.h"

#include <algorithm>
#include <iterator>

namespace {

using N = cmcCellNames;

// The file's own words for the codes; they differ from the page's list texts on purpose, so
// files stay what other programs expect.
constexpr datCsvCode Duplex[] = {{0, "OFF"}, {1, "DUP-"}, {2, "DUP+"}};
constexpr datCsvCode Steps[] = {{0, "5kHz"},    {1, "6.25kHz"}, {2, "8.33kHz"}, {3, "9kHz"},
                                {4, "10kHz"},   {5, "12.5kHz"}, {6, "15kHz"},   {7, "20kHz"},
                                {8, "25kHz"},   {9, "30kHz"},   {10, "50kHz"},  {11, "100kHz"},
                                {12, "125kHz"}, {13, "200kHz"}, {14, "Auto"},   {15, "-"}};
constexpr datCsvCode Modes[] = {{0, "FM"}, {1, "WFM"},  {2, "AM"},  {3, "Auto"},
                                {4, "-"},  {5, "FM-N"}, {6, "AM-N"}};
constexpr datCsvCode AfFilter[] = {{0, "OFF"}, {1, "ON"}, {1, "LPF"}};
constexpr datCsvCode Attenuator[] = {{0, "OFF"}, {1, "ON"}, {2, "-"}};
constexpr datCsvCode Skip[] = {{0, "OFF"}, {1, "SKIP"}, {3, "PSKIP"}};
constexpr datCsvCode Tone[] = {{0, "OFF"},    {1, "TSQL"},   {2, "TSQL-R"}, {3, "DTCS"},
                               {4, "DTCS-R"}, {2, "TSQL R"}, {4, "DTCS R"}, {5, "TRAIN1"},
                               {6, "TRAIN2"}, {7, "MSK"}};
constexpr datCsvCode Polarity[] = {{0, "Normal"}, {1, "Reverse"}};
// The page calls the first train "TRAIN1"; a file edited after it is understood too.
constexpr datCsvCode Canceller[] = {
    {0, "OFF"}, {1, "TRAIN"}, {2, "TRAIN2"}, {3, "MSK"}, {1, "TRAIN1"}};
constexpr datCsvCode OnOff[] = {{0, "OFF"}, {1, "ON"}};

const datCsvColumn ChannelColumns[] = {
    {.title = "CH No", .required = true},
    {.title = "Frequency", .link = N::CL_Mch_Freq, .required = true},
    {.title = "Dup", .link = N::CL_Mch_Dup, .codes = Duplex},
    {.title = "Offset", .link = N::CL_Mch_Offset_Freq},
    {.title = "TS", .link = N::CL_Mch_TS_Pitch, .codes = Steps},
    {.title = "Mode", .link = N::CL_Mch_Mode, .codes = Modes},
    {.title = "AF Filter", .link = N::CL_Mch_AF_Filter, .codes = AfFilter},
    {.title = "ATT", .link = N::CL_Mch_Att, .codes = Attenuator},
    {.title = "Name", .link = N::CL_Mch_Name},
    {.title = "SKIP", .link = N::CL_Mch_Scan_Skip, .codes = Skip},
    {.title = "TONE", .link = N::CL_Mch_Tone, .codes = Tone},
    {.title = "TSQL Frequency", .link = N::CL_Mch_TSQL_Freq, .suffix = "Hz"},
    {.title = "DTCS Code", .link = N::CL_Mch_DTCS},
    {.title = "DTCS Polarity", .link = N::CL_Mch_DTCS_Polarity, .codes = Polarity},
    {.title = "Canceller", .link = N::CL_Mch_Canceller, .codes = Canceller, .canceller = true},
    {.title = "Canceller Frequency", .link = N::CL_Mch_TrainFreq, .canceller = true},
    {.title = "VSC", .link = N::CL_Mch_Vsc, .codes = OnOff},
};

const datCsvColumn EdgeColumns[] = {
    {.title = "No", .required = true},
    {.title = "Name", .link = N::CL_PgSrch_Name},
    {.title = "Frequency Low", .link = N::CL_PgSrch_Freq_Low, .required = true},
    {.title = "Frequency High", .link = N::CL_PgSrch_Freq_High, .required = true},
    {.title = "TS", .link = N::CL_PgSrch_TS, .codes = Steps},
    {.title = "Mode", .link = N::CL_PgSrch_Mode, .codes = Modes},
    {.title = "ATT", .link = N::CL_PgSrch_ATT, .codes = Attenuator},
};

} // namespace

cmcCsvLayout::cmcCsvLayout(Kind kind, bool canceller) : layoutKind(kind) {
    const auto all = kind == Channels ? std::span<const datCsvColumn>(ChannelColumns)
                                      : std::span<const datCsvColumn>(EdgeColumns);
    std::copy_if(all.begin(), all.end(), std::back_inserter(shown),
                 [canceller](const datCsvColumn& c) { return canceller || !c.canceller; });
}

QByteArray cmcCsvLayout::rowText(int row) const {
    return QByteArray::number(row).rightJustified(layoutKind == Channels ? 3 : 2, '0');
}

QByteArray cmcCsvLayout::titleLine(char separator) const {
    QByteArray line;
    for (const datCsvColumn& column : shown) {
        if (!line.isEmpty())
            line += separator;
        line += column.title;
    }
    return line;
}

std::vector<int> cmcCsvLayout::find(const QList<QByteArray>& titles) const {
    std::vector<int> found;
    for (const datCsvColumn& column : shown) {
        const auto at = std::find_if(titles.begin(), titles.end(), [&](const QByteArray& t) {
            return t.trimmed().compare(column.title, Qt::CaseInsensitive) == 0;
        });
        found.push_back(at == titles.end() ? Missing : int(at - titles.begin()));
    }
    return found;
}

bool cmcCsvLayout::hasRequired(const std::vector<int>& found) const {
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i].required && found[i] == Missing)
            return false;
    return true;
}

const datMemField* cmcCsvLayout::field(const datCsvColumn& column) const {
    if (column.link == 0)
        return nullptr;
    return layoutKind == Channels ? cmcMemFieldTable::find(column.link)
                                  : cmcScanEdgeFieldTable::find(column.link);
}

bool cmcCsvLayout::isName(const datCsvColumn& column) {
    return column.link == N::CL_Mch_Name || column.link == N::CL_PgSrch_Name;
}
