#include "cmcBankRowOps.h"

#include "MemoryMap.h"
#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcPageData.h"
#include "datClipCh.h"
#include "datRowContext.h"

#include <algorithm>

using N = cmcCellNames;

namespace {

constexpr int LastPosition = mm::BankPositions - 1;

} // namespace

bool cmcBankRowOps::run(int link, datRowContext& row) {
    using Operation = void (cmcBankRowOps::*)(datRowContext&);
    Operation operation = nullptr;
    switch (link) {
    case N::CL_PMenu_Copy:
        operation = &cmcBankRowOps::copy;
        break;
    case N::CL_PMenu_Paste:
        operation = &cmcBankRowOps::paste;
        break;
    case N::CL_PMenu_CarryUp:
        operation = &cmcBankRowOps::moveUp;
        break;
    case N::CL_PMenu_CarryDown:
        operation = &cmcBankRowOps::moveDown;
        break;
    case N::CL_PMenu_Clear:
        operation = &cmcBankRowOps::clear;
        break;
    case N::CL_PMenu_Delete:
        operation = &cmcBankRowOps::remove;
        break;
    case N::CL_PMenu_Insert:
        operation = &cmcBankRowOps::insert;
        break;
    case N::CL_PMenu_BankOff:
        operation = &cmcBankRowOps::bankOff;
        break;
    default:
        return false;
    }
    bank = row.bank;
    if (bank >= 0 && bank < mm::Banks)
        (this->*operation)(row);
    return true;
}

int cmcBankRowOps::channelAt(int position) const {
    const uint16_t entry = data.image().bankEntry(bank, position);
    return entry < mm::MemoryChannels ? entry : -1;
}

bool cmcBankRowOps::anyChannel(int first, int last) const {
    for (int p = first; p <= last; ++p)
        if (channelAt(p) >= 0)
            return true;
    return false;
}

void cmcBankRowOps::pageChanged(const char* statusKey) {
    send(cmcEventId::ChannelsChanged);
    post(cmcEventId::RedrawAll);
    if (statusKey)
        status(statusKey);
    post(cmcEventId::PageShown);
}

void cmcBankRowOps::copy(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.cursorOnPage() || !row.block(first, last))
        return;
    clip.copy(data.image(), datCh::KindBank, bank * mm::BankPositions + first, last - first + 1);
    row.selectAfter(first, last);
}

void cmcBankRowOps::paste(datRowContext& row) {
    if (!row.cursorOnPage() || !clip.canPasteInto(datCh::KindBank))
        return;
    const int space = LastPosition - row.cursor + 1;
    if (space < clip.count() && !confirm("GI_AppMess_Conv_Overflow_Paste"))
        return;
    const int count = std::min(clip.count(), space);
    if (anyChannel(row.cursor, row.cursor + count - 1) && !confirm("GI_AppMess_Conv_Overwrite"))
        return;
    const int pasted =
        clip.paste(data.image(), datCh::KindBank, bank * mm::BankPositions + row.cursor, count);
    send(cmcEventId::ChannelsChanged);
    send(cmcEventId::RedrawAll);
    send(cmcEventId::PageShown);
    if (pasted > 0)
        row.selectAfter(row.cursor, row.cursor + pasted - 1);
    if (pasted < count)
        stop("GI_AppMess_BankChErr_NoChSpace");
}

void cmcBankRowOps::bankOff(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last))
        return;
    datCh channel(&data.image());
    for (int p = first; p <= last; ++p) {
        const int n = channelAt(p);
        if (n < 0)
            continue;
        channel.load(datCh::KindMemory, n);
        channel.bankGroup = datCh::NoBank;
        channel.bankPosition = datCh::NoBank;
        channel.store();
    }
    send(cmcEventId::ChannelsChanged);
    post(cmcEventId::RedrawAll);
}

void cmcBankRowOps::emptyChannels(int first, int last) {
    datCh channel(&data.image());
    for (int p = first; p <= last; ++p) {
        const int n = channelAt(p);
        if (n < 0)
            continue;
        channel.load(datCh::KindMemory, n);
        channel.setInUse(false);
        channel.store();
    }
}

void cmcBankRowOps::clear(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last) || !confirm("GI_AppMess_Conv_Clear"))
        return;
    emptyChannels(first, last);
    pageChanged("GI_AppMess_S_Clear");
}

void cmcBankRowOps::shiftPositions(int from, int by) {
    datCh channel(&data.image());
    for (int n = 0; n < mm::MemoryChannels; ++n) {
        channel.load(datCh::KindMemory, n);
        if (!channel.inUse() || channel.bankGroup != bank || channel.bankPosition < from)
            continue;
        channel.bankPosition += by;
        if (channel.bankPosition > LastPosition)
            channel.setInUse(false);
        channel.store();
    }
}

void cmcBankRowOps::remove(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last))
        return;
    if (anyChannel(first, last) && !confirm("GI_AppMess_Conv_Delete"))
        return;
    emptyChannels(first, last);
    shiftPositions(last + 1, -(last - first + 1));
    row.dropSelection = true;
    row.cursor = first;
    pageChanged("GI_AppMess_S_Delete");
}

void cmcBankRowOps::insert(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last))
        return;
    const int length = last - first + 1;
    if (anyChannel(LastPosition - length + 1, LastPosition) && !confirm("GI_AppMess_Conv_Overflow"))
        return;
    shiftPositions(first, length);
    row.selectAfter(first, last);
    pageChanged("GI_AppMess_S_Insert");
}

// One pair at a time, each read from the index the previous exchange's event rebuilt.
void cmcBankRowOps::exchange(int position, int other) {
    const int here = channelAt(position);
    const int there = channelAt(other);
    datCh channel(&data.image());
    if (here >= 0) {
        channel.load(datCh::KindMemory, here);
        channel.bankPosition = other;
        channel.store();
    }
    if (there >= 0) {
        channel.load(datCh::KindMemory, there);
        channel.bankPosition = position;
        channel.store();
    }
    send(cmcEventId::ChannelsChanged);
}

void cmcBankRowOps::moveUp(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last) || first == 0)
        return;
    for (int p = first; p <= last; ++p)
        exchange(p, p - 1);
    row.selectAfter(first - 1, last - 1);
    row.cursor = first - 1;
    post(cmcEventId::RedrawAll);
}

void cmcBankRowOps::moveDown(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last) || last == LastPosition)
        return;
    for (int p = last; p >= first; --p)
        exchange(p, p + 1);
    row.selectAfter(first + 1, last + 1);
    row.cursor = last + 1;
    post(cmcEventId::RedrawAll);
}
