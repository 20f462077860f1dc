#include "cmcMemFields.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
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

enum Notification { RedrawPage = 13, RedrawRecord = 16, PageShown = 41, ChannelsChanged = 42 };
constexpr int Backspace = 8;
constexpr int Space = 32;
// Codes up to this one are typed characters.
constexpr int LastCharacter = 127;

bool printable(int key) {
    return key >= Space && key < LastCharacter;
}

bool isEnter(int key) {
    return key == datCellReq::KeyEnter || key == datCellReq::KeyMouse;
}

// Character codes and the click on the current cell; function keys and commands are not.
bool fieldKey(int key) {
    return key > 0 && key <= datCellReq::KeyMouse;
}

QByteArray typed(int key) {
    return printable(key) ? QByteArray(1, static_cast<char>(key)) : QByteArray();
}

QByteArray withoutTrailingBlanks(QByteArray text) {
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

int openEditor(datCellReq& request, const QByteArray& text, int start, int length) {
    request.editorText = text;
    request.selectionStart = start;
    request.selectionLength = length;
    return cmcCellHandler::OpenEditor;
}

quint32 greyText() {
    static const quint32 silver = cmcCellNames::colour("clSilver").value_or(0);
    return silver;
}

} // namespace

cmcMemFields::cmcMemFields(cmcPageData& data, cmcCellHandler& fallback)
    : data(data), fallback(fallback), lists(data.table()) {}

const datMemField* cmcMemFields::fieldOf(const cmcCellObj& cell) const {
    if (cell.category() != N::CT_Conv || cell.index() < 0 || cell.index() >= mm::MemoryChannels)
        return nullptr;
    return cmcMemFieldTable::find(cell.link());
}

datCh cmcMemFields::channel(int number) {
    datCh record(&data.image());
    record.load(datCh::KindMemory, number);
    return record;
}

QByteArray cmcMemFields::shownText(datCellReq& request) {
    const datMemField* field = fieldOf(*request.cell);
    if (!field)
        return fallback.shownText(request);
    const datCh record = channel(request.cell->index());
    mark(request, *field, record);
    if (!cmcMemFieldTable::shown(record))
        return {};
    if (field->grey && field->grey(record))
        request.textColour = greyText();
    return shownOf(*field, record);
}

QByteArray cmcMemFields::shownOf(const datMemField& field, const datCh& record) {
    if (!field.isList())
        return field.text(record);
    // The fuller list names every code the channel may hold, whatever the destination offers.
    const char* list = field.automaticList ? field.automaticList : field.list;
    return lists.valueText(list, N::Flex0, record.*field.code);
}

void cmcMemFields::mark(datCellReq& request, const datMemField& field, const datCh& record) {
    if (!field.marks || !record.inUse())
        return;
    const int bits = field.marks(record, cmcRecordRules(data.bandPlan()), data.image());
    request.warningMark = request.warningMark || (bits & cmcRecordRules::Warning);
    request.errorMark = request.errorMark || (bits & cmcRecordRules::Error);
}

int cmcMemFields::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return listChoice(request);
    const datMemField* field = fieldOf(*request.cell);
    if (!field || (!request.hasInput && !fieldKey(request.key)))
        return fallback.act(request);
    datCh record = channel(request.cell->index());
    const bool creating = field->link == N::CL_Mch_Freq && request.hasInput;
    if (!cmcMemFieldTable::shown(record) && !creating)
        return actOnEmpty(request, *field);
    if (request.hasInput)
        return commit(*field, record, request.input);
    return field->isList() ? actOnList(request, *field, record)
                           : actOnEntry(request, *field, record);
}

void cmcMemFields::refresh(cmcCellObj& cell) {
    fallback.refresh(cell);
}

// An empty channel can only be given a frequency: every cell of its row opens the frequency
// editor, with the character that was typed.
int cmcMemFields::actOnEmpty(datCellReq& request, const datMemField& field) {
    const bool character = request.key != datCellReq::KeyMouse && !request.hasInput;
    if (character && request.key > LastCharacter)
        return Nothing;
    if (field.link != N::CL_Mch_Freq) {
        request.moveRequested = true;
        request.moveLink = N::CL_Mch_Freq;
        request.moveIndex = request.cell->index();
    }
    const QByteArray text = request.hasInput ? QByteArray() : typed(request.key);
    return openEditor(request, text, int(text.size()), 0);
}

int cmcMemFields::actOnEntry(datCellReq& request, const datMemField& field, datCh& record) {
    const QByteArray text = field.text(record);
    // A blank cell (a position outside any bank) has nothing to edit.
    if (text.isEmpty())
        return Nothing;
    if (isEnter(request.key)) {
        const QByteArray shown = withoutTrailingBlanks(text);
        return openEditor(request, shown, 0, int(shown.size()));
    }
    if (printable(request.key))
        return openEditor(request, typed(request.key), 1, 0);
    return Nothing;
}

int cmcMemFields::actOnList(datCellReq& request, const datMemField& field, datCh& record) {
    const QByteArray list = offeredList(field);
    if (isEnter(request.key)) {
        request.listSheet = list;
        request.listChoice = record.*field.code;
        return Nothing;
    }
    if (request.key != Space && request.key != Backspace)
        return Nothing;
    const int step = request.key == Space ? 1 : -1;
    const std::optional<int> next = lists.nextChoice(list, N::Flex0, record.*field.code, step);
    return next ? choose(field, record, *next) : Nothing;
}

int cmcMemFields::listChoice(datCellReq& request) {
    const bool owned = request.owner && request.owner->cell;
    const datMemField* field = owned ? fieldOf(*request.owner->cell) : nullptr;
    if (!field || !field->isList())
        return fallback.act(request);
    datCh record = channel(request.owner->cell->index());
    const int choice = request.cell->index();
    if (request.cell->link() != N::Flex0 || !cmcMemFieldTable::shown(record) ||
        !offers(offeredList(*field), choice))
        return Nothing;
    return choose(*field, record, choice);
}

int cmcMemFields::choose(const datMemField& field, datCh& record, int choice) {
    const int previous = record.*field.code;
    record.*field.code = choice;
    if (field.chosen)
        field.chosen(record, previous, data.image());
    return stored(field, record);
}

int cmcMemFields::commit(const datMemField& field, datCh& record, const QByteArray& input) {
    if (!field.edit || !field.edit(record, input, data.bandPlan(), data.templateImage()))
        return Nothing;
    return stored(field, record);
}

int cmcMemFields::stored(const datMemField& field, datCh& record) {
    record.storeAndReload();
    cmcEvMan& events = data.events();
    if (field.notices & datMemField::ChannelsChanged)
        events.Send(ChannelsChanged);
    if (field.notices & datMemField::PageRedrawn)
        events.Send(RedrawPage);
    else
        events.Send(RedrawRecord, record.number);
    if (field.notices & datMemField::PageShown)
        events.Send(PageShown);
    return Repaint;
}

QByteArray cmcMemFields::offeredList(const datMemField& field) const {
    const bool automatic = field.automaticList && data.bandPlan().automaticLists();
    return automatic ? field.automaticList : field.list;
}

bool cmcMemFields::offers(const QByteArray& list, int choice) {
    const auto& choices = lists.record(list, N::Flex0).byNumber;
    return std::any_of(choices.begin(), choices.end(),
                       [choice](const auto& entry) { return entry.number == choice; });
}
