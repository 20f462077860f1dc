#include "cmcScanEdgeFieldTable.h"

#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcMemInput.h"
#include "cmcRecordRules.h"
#include "cmcTextEntry.h"
#include "datCh.h"
#include "indDestination.h"

#include <algorithm>
#include <iterator>

namespace {

using N = cmcCellNames;
using R = cmcRecordRules;

// The band default that new scan edges start from.
constexpr int EdgeBandDefault = 6;

QByteArray lowText(const datCh& e) {
    return cmcMemInput::megahertz(e.lowEdge);
}
QByteArray highText(const datCh& e) {
    return cmcMemInput::megahertz(e.frequency);
}
QByteArray nameText(const datCh& e) {
    return cmcTextEntry::shownCharacters(QByteArrayView(e.name.data(), qsizetype(e.name.size())));
}

bool editName(datCh& e, QByteArrayView input, const indDestination&, const cmcEeprom&) {
    e.name = cmcMemInput::name(input);
    return true;
}

// A new edge takes the settings of the template's band default 6 with step, mode and
// attenuator unset, and both of its edges at the first frequency typed.
void createEdge(datCh& e, uint32_t f, const cmcEeprom& templ) {
    datCh band(const_cast<cmcEeprom*>(&templ));
    band.load(datCh::KindBandDefault, EdgeBandDefault);
    datCh edge = datCh::kindDefault(datCh::KindScanEdge, band);
    edge.number = e.number;
    edge.bind(e.boundImage());
    edge.setInUse(true);
    edge.lowEdge = edge.frequency = f;
    e = edge;
}

template <uint32_t datCh::*Edge>
bool editEdge(datCh& e, QByteArrayView input, const indDestination& plan, const cmcEeprom& templ) {
    const auto typed = cmcMemInput::hertz(input, 0, UINT32_MAX);
    if (!typed)
        return false;
    const uint32_t f = plan.placeFrequency(*typed);
    if (e.inUse())
        e.*Edge = f;
    else
        createEdge(e, f, templ);
    return true;
}

template <uint32_t datCh::*Edge> int edgeMarks(const datCh& e, const R& rules, const cmcEeprom&) {
    return (rules.warning(e.*Edge) ? R::Warning : 0) | (R::aboveUpperLimit(e.*Edge) ? R::Error : 0);
}
int stepMarks(const datCh& e, const R& rules, const cmcEeprom&) {
    const bool wrong =
        rules.stepOrBandError(e.lowEdge, e.step) || rules.stepOrBandError(e.frequency, e.step);
    return wrong ? R::Error : 0;
}
int modeMarks(const datCh& e, const R& rules, const cmcEeprom&) {
    const bool wrong =
        rules.cellularWideError(e.lowEdge, e.mode) || rules.cellularWideError(e.frequency, e.mode);
    return wrong ? R::Error : 0;
}

const datMemField Fields[] = {
    {.link = N::CL_PgSrch_Name,
     .text = nameText,
     .edit = editName,
     .entry = cmcEntryNotice::Entry::Name,
     .length = cmcMemInput::NameLength},
    {.link = N::CL_PgSrch_Freq_Low,
     .text = lowText,
     .edit = editEdge<&datCh::lowEdge>,
     .marks = edgeMarks<&datCh::lowEdge>,
     .entry = cmcEntryNotice::Entry::Frequency},
    {.link = N::CL_PgSrch_Freq_High,
     .text = highText,
     .edit = editEdge<&datCh::frequency>,
     .marks = edgeMarks<&datCh::frequency>,
     .entry = cmcEntryNotice::Entry::Frequency},
    {.link = N::CL_PgSrch_TS,
     .code = &datCh::step,
     .list = "GI_Sheet_Sel_Mch_TS_Pitch_PGS",
     .automaticList = "GI_Sheet_Sel_Mch_TS_Pitch_PGS_JPN",
     .marks = stepMarks},
    {.link = N::CL_PgSrch_Mode,
     .code = &datCh::mode,
     .list = "GI_Sheet_Sel_Mch_Mode_PGS",
     .automaticList = "GI_Sheet_Sel_Mch_Mode_PGS_JPN",
     .marks = modeMarks},
    {.link = N::CL_PgSrch_ATT, .code = &datCh::attenuator, .list = "GI_Sheet_Sel_Mch_ATT_PGS"},
};

} // namespace

const datMemField* cmcScanEdgeFieldTable::find(int link) {
    const auto found = std::find_if(std::begin(Fields), std::end(Fields),
                                    [link](const datMemField& f) { return f.link == link; });
    return found == std::end(Fields) ? nullptr : found;
}
