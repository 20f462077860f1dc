#include "cmcBankSelectCell.h"

#include "MemoryMap.h"
#include "cmcCellKey.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"
#include "datCh.h"
#include "indDestination.h"

#include <algorithm>

namespace {

using K = cmcCellKey;

} // namespace

cmcBankSelectCell::cmcBankSelectCell(cmcPageData& data, int bank, cmcCellHandler& fallback)
    : data(data), fallback(fallback), bank(bank) {}

bool cmcBankSelectCell::isPosition(int position) const {
    return bank >= 0 && bank < mm::Banks && position >= 0 && position < mm::BankPositions;
}

QByteArray cmcBankSelectCell::shownText(datCellReq& request) {
    const int position = request.cell->index();
    if (!isPosition(position))
        return {};
    const uint16_t entry = data.image().bankEntry(bank, position);
    request.errorMark = request.errorMark || entry == mm::BankEntryConflict;
    return entry < mm::MemoryChannels ? QByteArray::number(entry) : QByteArray();
}

int cmcBankSelectCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice || !K::forCell(request))
        return fallback.act(request);
    const int position = request.cell->index();
    if (!isPosition(position))
        return Nothing;
    if (request.hasInput)
        return commit(request.input, position);
    return startEditor(request, position);
}

// Blank and backspace open the editor as Enter does, on the number of the position's channel.
int cmcBankSelectCell::startEditor(datCellReq& request, int position) {
    const bool asEnter =
        K::isEnter(request.key) || request.key == K::Blank || request.key == K::Backspace;
    if (!asEnter)
        return K::printable(request.key) ? K::openEditor(request, K::typed(request.key), 1, 0)
                                         : Nothing;
    const uint16_t entry = data.image().bankEntry(bank, position);
    const QByteArray number = entry < mm::MemoryChannels ? QByteArray::number(entry) : "";
    return K::openEditor(request, number, 0, int(number.size()));
}

int cmcBankSelectCell::commit(const QByteArray& input, int position) {
    if (input.trimmed().isEmpty())
        return vacate(position, std::nullopt) ? changed() : Nothing;
    const std::optional<qint64> typed = cmcTextEntry::decimal(input);
    if (!typed)
        return Nothing;
    const int channel = int(std::clamp<qint64>(*typed, 0, mm::MemoryChannels - 1));
    vacate(position, channel);
    seat(channel, position);
    return changed();
}

bool cmcBankSelectCell::vacate(int position, std::optional<int> staying) {
    datCh channel(&data.image());
    bool left = false;
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        channel.load(datCh::KindMemory, n);
        if (n == staying || !channel.inUse() || channel.bankGroup != bank ||
            channel.bankPosition != position)
            continue;
        channel.bankGroup = datCh::NoBank;
        channel.bankPosition = 0;
        channel.store();
        left = true;
    }
    return left;
}

// An empty channel becomes used with a frequency no receiver takes, so that it shows blank and
// carries its error mark until it is given a frequency.
void cmcBankSelectCell::seat(int number, int position) {
    datCh channel(&data.image());
    channel.load(datCh::KindMemory, number);
    channel.bankGroup = bank;
    channel.bankPosition = position;
    if (!channel.inUse()) {
        channel.setInUse(true);
        channel.frequency = indDestination::UpperLimit;
    }
    channel.store();
}

// The channel may have left another row of the page, so the whole page is redrawn.
int cmcBankSelectCell::changed() {
    data.events().Send(cmcEventId::ChannelsChanged);
    data.events().Send(cmcEventId::RedrawAll);
    return Repaint;
}
