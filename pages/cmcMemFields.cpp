#include "cmcMemFields.h"

#include "MemoryMap.h"
#include "cmcCellKey.h"
#include "cmcCellNames.h"
#include "cmcEntryNotice.h"
#include "cmcEvMan.h"
#include "cmcMemFieldTable.h"
#include "cmcPageData.h"
#include "cmcRecordRules.h"
#include "datCellReq.h"
#include "datCh.h"
#include "datMemField.h"
#include "indDestination.h"

#include <algorithm>

namespace {

using N = cmcCellNames;
using K = cmcCellKey;

QByteArray withoutTrailingBlanks(QByteArray text) {
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

quint32 greyText() {
    static const quint32 silver = cmcCellNames::colour("clSilver").value_or(0);
    return silver;
}

} // namespace

cmcMemFields::cmcMemFields(cmcPageData& data, cmcCellHandler& fallback)
    : data(data), fallback(fallback), lists(data.table()) {}

int cmcMemFields::category() const {
    return N::CT_Conv;
}

int cmcMemFields::rowCount() const {
    return mm::MemoryChannels;
}

const datMemField* cmcMemFields::field(int link) const {
    return cmcMemFieldTable::find(link);
}

datCh cmcMemFields::record(int row) {
    datCh channel(&data.image());
    channel.load(datCh::KindMemory, row);
    return channel;
}

bool cmcMemFields::editable(int) const {
    return true;
}

bool cmcMemFields::shown(const datCh& record) const {
    return cmcMemFieldTable::shown(record);
}

bool cmcMemFields::creates(int link) const {
    return link == N::CL_Mch_Freq;
}

int cmcMemFields::entryLink() const {
    return N::CL_Mch_Freq;
}

// A memory channel row is its own channel.
bool cmcMemFields::place(datCh&) {
    return true;
}

const datMemField* cmcMemFields::fieldOf(const cmcCellObj& cell) const {
    if (cell.category() != category() || cell.index() < 0 || cell.index() >= rowCount())
        return nullptr;
    return field(cell.link());
}

QByteArray cmcMemFields::shownText(datCellReq& request) {
    const datMemField* found = fieldOf(*request.cell);
    if (!found)
        return fallback.shownText(request);
    const datCh row = record(request.cell->index());
    mark(request, *found, row);
    if (!shown(row))
        return {};
    if (found->grey && found->grey(row))
        request.textColour = greyText();
    return shownOf(*found, row);
}

QByteArray cmcMemFields::shownOf(const datMemField& shownField, const datCh& row) {
    if (!shownField.isList())
        return shownField.text(row);
    // The fuller list names every code the record may hold, whatever the destination offers.
    const char* list = shownField.automaticList ? shownField.automaticList : shownField.list;
    return lists.valueText(list, N::Flex0, row.*shownField.code);
}

void cmcMemFields::mark(datCellReq& request, const datMemField& marked, const datCh& row) {
    if (!marked.marks || !row.inUse())
        return;
    const int bits = marked.marks(row, cmcRecordRules(data.bandPlan()), data.image());
    request.warningMark = request.warningMark || (bits & cmcRecordRules::Warning);
    request.errorMark = request.errorMark || (bits & cmcRecordRules::Error);
}

int cmcMemFields::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return listChoice(request);
    const datMemField* found = fieldOf(*request.cell);
    if (!found || !K::forCell(request))
        return fallback.act(request);
    const int row = request.cell->index();
    if (!editable(row))
        return Nothing;
    datCh current = record(row);
    const bool creating = creates(found->link) && request.hasInput;
    if (!shown(current) && !creating)
        return actOnEmpty(request, *found);
    if (request.hasInput)
        return commit(*found, current, request.input, row);
    return found->isList() ? actOnList(request, *found, current, row)
                           : actOnEntry(request, *found, current);
}

void cmcMemFields::refresh(cmcCellObj& cell) {
    fallback.refresh(cell);
}

// An empty row can only be given a frequency: every cell of its row opens the frequency
// editor, with the character that was typed.
int cmcMemFields::actOnEmpty(datCellReq& request, const datMemField& emptyField) {
    const bool character = request.key != datCellReq::KeyMouse && !request.hasInput;
    if (character && request.key > K::LastCharacter)
        return Nothing;
    if (!creates(emptyField.link)) {
        request.moveRequested = true;
        request.moveLink = entryLink();
        request.moveIndex = request.cell->index();
    }
    const QByteArray text = request.hasInput ? QByteArray() : K::typed(request.key);
    return K::openEditor(request, text, int(text.size()), 0);
}

int cmcMemFields::actOnEntry(datCellReq& request, const datMemField& entry, const datCh& row) {
    const QByteArray text = entry.text(row);
    // A blank cell (a position outside any bank) has nothing to edit.
    if (text.isEmpty())
        return Nothing;
    request.editorLength = entry.length;
    if (K::isEnter(request.key)) {
        const QByteArray shownText = withoutTrailingBlanks(text);
        return K::openEditor(request, shownText, 0, int(shownText.size()));
    }
    if (K::printable(request.key))
        return K::openEditor(request, K::typed(request.key), 1, 0);
    return Nothing;
}

int cmcMemFields::actOnList(datCellReq& request, const datMemField& listField, datCh& current,
                            int row) {
    const QByteArray list = offeredList(listField);
    if (K::isEnter(request.key)) {
        request.listSheet = list;
        request.listChoice = current.*listField.code;
        return Nothing;
    }
    if (request.key != K::Blank && request.key != K::Backspace)
        return Nothing;
    const int step = request.key == K::Blank ? 1 : -1;
    const std::optional<int> next = lists.nextChoice(list, N::Flex0, current.*listField.code, step);
    return next ? choose(listField, current, *next, row) : Nothing;
}

int cmcMemFields::listChoice(datCellReq& request) {
    const bool owned = request.owner && request.owner->cell;
    const datMemField* found = owned ? fieldOf(*request.owner->cell) : nullptr;
    if (!found || !found->isList())
        return fallback.act(request);
    const int row = request.owner->cell->index();
    if (!editable(row))
        return Nothing;
    datCh current = record(row);
    const int choice = request.cell->index();
    if (request.cell->link() != N::Flex0 || !shown(current) || !offers(offeredList(*found), choice))
        return Nothing;
    return choose(*found, current, choice, row);
}

int cmcMemFields::choose(const datMemField& listField, datCh& current, int choice, int row) {
    const int previous = current.*listField.code;
    current.*listField.code = choice;
    if (listField.chosen)
        listField.chosen(current, previous, data.image());
    return stored(listField, current, row);
}

int cmcMemFields::commit(const datMemField& entry, datCh& current, const QByteArray& input,
                         int row) {
    if (!entry.edit || !entry.edit(current, input, data.bandPlan(), data.templateImage())) {
        tell(entry, input, {}, false);
        return Nothing;
    }
    if (!place(current))
        return Nothing;
    const int result = stored(entry, current, row);
    tell(entry, input, entry.text(current), true);
    return result;
}

// Only an entry stored otherwise than typed, or refused, is worth a line.
void cmcMemFields::tell(const datMemField& entry, const QByteArray& input, const QByteArray& shown,
                        bool accepted) {
    const cmcEntryNotice::Kind kind = cmcEntryNotice::judge(entry.entry, input, shown, accepted);
    if (kind == cmcEntryNotice::Kind::AsTyped)
        return;
    data.events().SendText(cmcEventId::StatusText, int32_t(N::clWindowText),
                           int32_t(cmcCellNames::clBtnFace),
                           cmcEntryNotice::line(data.table(), kind, input, shown).constData());
}

int cmcMemFields::stored(const datMemField& changed, datCh& current, int row) {
    current.storeAndReload();
    cmcEvMan& events = data.events();
    if (changed.notices & datMemField::ChannelsChanged)
        events.Send(cmcEventId::ChannelsChanged);
    if (changed.notices & datMemField::PageRedrawn)
        events.Send(cmcEventId::RedrawAll);
    else
        events.Send(cmcEventId::RedrawRecord, row);
    if (changed.notices & datMemField::PageShown)
        events.Send(cmcEventId::PageShown);
    return Repaint;
}

QByteArray cmcMemFields::offeredList(const datMemField& listField) const {
    return listField.offered(data.bandPlan().automaticLists());
}

bool cmcMemFields::offers(const QByteArray& list, int choice) {
    const auto& choices = lists.record(list, N::Flex0).byNumber;
    return std::any_of(choices.begin(), choices.end(),
                       [choice](const auto& entry) { return entry.number == choice; });
}
