#include "cmcMemFieldTable.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcMemInput.h"
#include "cmcRecordRules.h"
#include "datCh.h"
#include "indDestination.h"

#include <algorithm>
#include <iterator>

namespace {

using N = cmcCellNames;
using R = cmcRecordRules;

enum Tone { ToneOff = 0, Tsql = 1, TsqlReverse = 2, Dtcs = 3, DtcsReverse = 4 };
constexpr int Train1 = 1;

bool onFm(const datCh& c) {
    return indDestination::effectiveMode(c.frequency, c.mode) == datCh::ModeFM;
}

bool notFm(const datCh& c) {
    return !onFm(c);
}
bool tsqlGrey(const datCh& c) {
    return !onFm(c) || (c.toneMode != Tsql && c.toneMode != TsqlReverse);
}
bool dtcsGrey(const datCh& c) {
    return !onFm(c) || (c.toneMode != Dtcs && c.toneMode != DtcsReverse);
}
bool offsetGrey(const datCh& c) {
    return c.duplex == 0;
}
bool trainGrey(const datCh& c) {
    return !onFm(c) || c.canceller != Train1;
}

// The tone squelch, the canceller and the voice squelch exclude each other.
void toneChosen(datCh& c, int, const cmcEeprom&) {
    if (c.toneMode != ToneOff)
        c.canceller = 0;
}
void cancellerChosen(datCh& c, int, const cmcEeprom&) {
    if (c.canceller != 0) {
        c.toneMode = ToneOff;
        c.vsc = 0;
    }
}
void vscChosen(datCh& c, int, const cmcEeprom&) {
    if (c.vsc != 0)
        c.canceller = 0;
}

// A channel joining a bank takes its first free position, or 0 when the bank is full.
void bankChosen(datCh& c, int previous, const cmcEeprom& image) {
    if (c.bankGroup == previous)
        return;
    c.bankPosition = 0;
    if (c.bankGroup >= mm::Banks)
        return;
    for (int p = 0; p < mm::BankPositions; ++p) {
        if (image.bankEntry(c.bankGroup, p) == mm::BankEntryFree) {
            c.bankPosition = p;
            return;
        }
    }
}

QByteArray frequencyText(const datCh& c) {
    return cmcMemInput::megahertz(c.frequency);
}
QByteArray offsetText(const datCh& c) {
    return cmcMemInput::megahertz(c.offset);
}
QByteArray nameText(const datCh& c) {
    return QByteArray(c.name.data(), qsizetype(c.name.size()));
}
QByteArray trainText(const datCh& c) {
    return QByteArray::number(c.trainFrequency);
}
QByteArray positionText(const datCh& c) {
    return c.bankGroup == datCh::NoBank ? QByteArray() : QByteArray::number(c.bankPosition);
}

// A new channel starts from the default record of its band; its bank place stays.
void takeBandDefaults(datCh& c, uint32_t f, const indDestination& plan, const cmcEeprom& templ) {
    datCh defaults(const_cast<cmcEeprom*>(&templ));
    defaults.load(datCh::KindBandDefault, plan.bandOf(f));
    const int bankGroup = c.bankGroup, bankPosition = c.bankPosition;
    defaults.kind = c.kind;
    defaults.number = c.number;
    defaults.bind(c.boundImage());
    c = defaults;
    c.bankGroup = bankGroup;
    c.bankPosition = bankPosition;
}

bool editFrequency(datCh& c, QByteArrayView input, const indDestination& plan,
                   const cmcEeprom& templ) {
    const auto typed = cmcMemInput::hertz(input, 0, UINT32_MAX);
    if (!typed)
        return false;
    const uint32_t f = plan.placeFrequency(*typed);
    if (!cmcMemFieldTable::shown(c))
        takeBandDefaults(c, f, plan, templ);
    c.setInUse(true);
    c.frequency = f;
    return true;
}

bool editOffset(datCh& c, QByteArrayView input, const indDestination& plan, const cmcEeprom&) {
    const auto typed = cmcMemInput::hertz(input, 0, indDestination::HighestOffset);
    if (!typed)
        return false;
    c.offset = indDestination::placeOffset(*typed, plan.bandOf(c.frequency));
    return true;
}

bool editName(datCh& c, QByteArrayView input, const indDestination&, const cmcEeprom&) {
    c.name = cmcMemInput::name(input);
    return true;
}

bool editTrain(datCh& c, QByteArrayView input, const indDestination&, const cmcEeprom&) {
    const auto typed = cmcMemInput::number(input, 0);
    if (!typed)
        return false;
    c.trainFrequency = cmcMemInput::trainFrequency(*typed);
    return true;
}

// Only a channel in a bank has a position to edit.
bool editPosition(datCh& c, QByteArrayView input, const indDestination&, const cmcEeprom&) {
    const auto typed = cmcMemInput::number(input, 0);
    if (!typed || c.bankGroup == datCh::NoBank)
        return false;
    c.bankPosition = static_cast<int>(std::clamp<int64_t>(*typed, 0, mm::BankPositions - 1));
    return true;
}

int frequencyMarks(const datCh& c, const R& rules, const cmcEeprom&) {
    return (rules.warning(c.frequency) ? R::Warning : 0) |
           (R::aboveUpperLimit(c.frequency) ? R::Error : 0);
}
int stepMarks(const datCh& c, const R& rules, const cmcEeprom&) {
    return rules.stepOrBandError(c.frequency, c.step) ? R::Error : 0;
}
int modeMarks(const datCh& c, const R& rules, const cmcEeprom&) {
    return rules.cellularWideError(c.frequency, c.mode) ? R::Error : 0;
}
int bankMarks(const datCh& c, const R&, const cmcEeprom& image) {
    return R::bankConflict(image, c.bankGroup, c.bankPosition) ? R::Error : 0;
}

constexpr const char* OnOff = "GI_Sheet_Sel_Misc_OnOff2";
using Entry = cmcEntryNotice::Entry;
constexpr int BankNotices = datMemField::ChannelsChanged | datMemField::PageRedrawn;

const datMemField Fields[] = {
    {.link = N::CL_Mch_Freq,
     .text = frequencyText,
     .edit = editFrequency,
     .marks = frequencyMarks,
     .notices = datMemField::ChannelsChanged | datMemField::PageShown,
     .entry = Entry::Frequency},
    {.link = N::CL_Mch_Dup, .code = &datCh::duplex, .list = "GI_Sheet_Sel_Mch_Dup"},
    {.link = N::CL_Mch_Offset_Freq,
     .text = offsetText,
     .edit = editOffset,
     .grey = offsetGrey,
     .entry = Entry::Offset},
    {.link = N::CL_Mch_TS_Pitch,
     .code = &datCh::step,
     .list = "GI_Sheet_Sel_Mch_TS_Pitch",
     .automaticList = "GI_Sheet_Sel_Mch_TS_Pitch_JPN",
     .marks = stepMarks},
    {.link = N::CL_Mch_Mode,
     .code = &datCh::mode,
     .list = "GI_Sheet_Sel_Mch_Mode",
     .automaticList = "GI_Sheet_Sel_Mch_Mode_JPN",
     .marks = modeMarks},
    {.link = N::CL_Mch_AF_Filter, .code = &datCh::afFilter, .list = OnOff},
    {.link = N::CL_Mch_Att, .code = &datCh::attenuator, .list = OnOff},
    {.link = N::CL_Mch_Name,
     .text = nameText,
     .edit = editName,
     .entry = Entry::Name,
     .length = cmcMemInput::NameLength},
    {.link = N::CL_Mch_Scan_Skip, .code = &datCh::skip, .list = "GI_Sheet_Sel_Mch_Scan_Skip"},
    {.link = N::CL_Mch_Tone,
     .code = &datCh::toneMode,
     .list = "GI_Sheet_Sel_Mch_TSQL",
     .chosen = toneChosen,
     .grey = notFm},
    {.link = N::CL_Mch_TSQL_Freq,
     .code = &datCh::toneIndex,
     .list = "GI_Sheet_Sel_Mch_TFreq",
     .grey = tsqlGrey},
    {.link = N::CL_Mch_DTCS,
     .code = &datCh::dtcsIndex,
     .list = "GI_Sheet_Sel_Mch_DTCS",
     .grey = dtcsGrey},
    {.link = N::CL_Mch_DTCS_Polarity,
     .code = &datCh::dtcsPolarity,
     .list = "GI_Sheet_Sel_Mch_DTCS_Polarity",
     .grey = dtcsGrey},
    {.link = N::CL_Mch_Canceller,
     .code = &datCh::canceller,
     .list = "GI_Sheet_Sel_Mch_Canceller",
     .chosen = cancellerChosen,
     .grey = notFm},
    {.link = N::CL_Mch_TrainFreq,
     .text = trainText,
     .edit = editTrain,
     .grey = trainGrey,
     .entry = Entry::Train},
    {.link = N::CL_Mch_Vsc, .code = &datCh::vsc, .list = OnOff, .chosen = vscChosen},
    {.link = N::CL_Mch_Bank_Group,
     .code = &datCh::bankGroup,
     .list = "GI_Sheet_Sel_Mch_Bank_Group",
     .chosen = bankChosen,
     .marks = bankMarks,
     .notices = BankNotices},
    {.link = N::CL_Mch_Bank_ChNo,
     .text = positionText,
     .edit = editPosition,
     .marks = bankMarks,
     .notices = BankNotices,
     .entry = Entry::Number},
};

} // namespace

const datMemField* cmcMemFieldTable::find(int link) {
    const auto found = std::find_if(std::begin(Fields), std::end(Fields),
                                    [link](const datMemField& f) { return f.link == link; });
    return found == std::end(Fields) ? nullptr : found;
}

bool cmcMemFieldTable::shown(const datCh& channel) {
    return channel.inUse() && channel.frequency < indDestination::UpperLimit;
}
