#include "cmcListRowOps.h"

#include "cmcCellNames.h"
#include "cmcPageData.h"
#include "datClipCh.h"
#include "datRowContext.h"

#include <algorithm>

using N = cmcCellNames;

bool cmcListRowOps::run(int link, datRowContext& row) {
    if (row.kind == datCh::KindScanLink) {
        if (link != N::CL_PMenu_Delete)
            return false;
        removeLinkEntry(row);
        return true;
    }
    if (row.kind == datCh::KindAutoWrite && link != N::CL_PMenu_Copy)
        return false;
    switch (link) {
    case N::CL_PMenu_Copy:
        copy(row);
        return true;
    case N::CL_PMenu_Paste:
        paste(row);
        return true;
    case N::CL_PMenu_CarryUp:
        moveUp(row);
        return true;
    case N::CL_PMenu_CarryDown:
        moveDown(row);
        return true;
    case N::CL_PMenu_Clear:
        clear(row);
        return true;
    case N::CL_PMenu_Delete:
        remove(row);
        return true;
    case N::CL_PMenu_Insert:
        insert(row);
        return true;
    default:
        return false;
    }
}

bool cmcListRowOps::anyUsed(int kind, int first, int last) {
    datCh record(&data.image());
    for (int n = first; n <= last; ++n) {
        record.load(kind, n);
        if (record.inUse())
            return true;
    }
    return false;
}

void cmcListRowOps::clearRecords(int kind, int first, int last) {
    datCh record;
    for (int n = first; n <= last; ++n) {
        record.bind(&data.templateImage());
        record.load(kind, n);
        record.setInUse(false);
        record.bind(&data.image());
        record.store(kind, n);
    }
}

void cmcListRowOps::moveRecords(int kind, int from, int to, int count) {
    if (count <= 0)
        return;
    datClipCh buffer;
    buffer.copy(data.image(), kind, from, count);
    buffer.paste(data.image(), kind, to, count);
}

void cmcListRowOps::copy(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.cursorOnPage() || !row.block(first, last))
        return;
    clip.copy(data.image(), row.kind, first, last - first + 1);
    row.selectAfter(first, last);
    status("GI_AppMess_S_Copy");
    if (clip.kind() == datCh::KindAutoWrite)
        clip.relabel(datCh::KindMemory);
}

void cmcListRowOps::paste(datRowContext& row) {
    if (!row.cursorOnPage() || !clip.canPasteInto(row.kind))
        return;
    const int space = row.pageLast - row.cursor + 1;
    if (space < clip.count() && !confirm("GI_AppMess_Conv_Overflow_Paste"))
        return;
    const int last = row.cursor + std::min(clip.count(), space) - 1;
    if (anyUsed(row.kind, row.cursor, last) && !confirm("GI_AppMess_Conv_Overwrite"))
        return;
    clip.paste(data.image(), row.kind, row.cursor, last - row.cursor + 1);
    send(cmcEventId::ChannelsChanged);
    post(cmcEventId::RedrawAll);
    row.selectAfter(row.cursor, last);
    status("GI_AppMess_S_Paste");
}

void cmcListRowOps::swapNeighbour(int kind, int first, int last, int step) {
    const int neighbourRow = step < 0 ? first - 1 : last + 1;
    datClipCh neighbour;
    datClipCh block;
    neighbour.copy(data.image(), kind, neighbourRow, 1);
    block.copy(data.image(), kind, first, last - first + 1);
    block.paste(data.image(), kind, first + step, last - first + 1);
    neighbour.paste(data.image(), kind, step < 0 ? last : first, 1);
}

void cmcListRowOps::moveUp(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (row.block(first, last) && row.pageFirst < first) {
        swapNeighbour(row.kind, first, last, -1);
        row.selectAfter(first - 1, last - 1);
        row.cursor = first - 1;
    }
    send(cmcEventId::ChannelsChanged);
}

void cmcListRowOps::moveDown(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (row.block(first, last) && last < row.pageLast) {
        swapNeighbour(row.kind, first, last, 1);
        row.selectAfter(first + 1, last + 1);
        row.cursor = last + 1;
    }
    send(cmcEventId::ChannelsChanged);
}

void cmcListRowOps::clear(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last) || !confirm("GI_AppMess_Conv_Clear"))
        return;
    clearRecords(row.kind, first, last);
    send(cmcEventId::ChannelsChanged);
    for (int n = first; n <= last; ++n)
        post(cmcEventId::RedrawRecord, n);
    post(cmcEventId::RedrawAll);
    status("GI_AppMess_S_Clear");
}

void cmcListRowOps::remove(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last))
        return;
    if (anyUsed(row.kind, first, last) && !confirm("GI_AppMess_Conv_Delete"))
        return;
    const int length = last - first + 1;
    moveRecords(row.kind, last + 1, first, row.pageLast - last);
    clearRecords(row.kind, row.pageLast - length + 1, row.pageLast);
    row.dropSelection = true;
    row.cursor = first;
    send(cmcEventId::ChannelsChanged);
    post(cmcEventId::RedrawAll);
    status("GI_AppMess_S_Delete");
}

void cmcListRowOps::insert(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.block(first, last))
        return;
    const int length = last - first + 1;
    if (anyUsed(row.kind, row.pageLast - length + 1, row.pageLast) &&
        !confirm("GI_AppMess_Conv_Overflow"))
        return;
    moveRecords(row.kind, first, first + length, row.pageLast - length - first + 1);
    clearRecords(row.kind, first, last);
    row.selectAfter(first, last);
    send(cmcEventId::ChannelsChanged);
    post(cmcEventId::RedrawAll);
    status("GI_AppMess_S_Insert");
}

// A link's rows follow its set of edges: removing the cursor row's edge is all it takes.
void cmcListRowOps::removeLinkEntry(datRowContext& row) {
    int first = 0;
    int last = 0;
    if (!row.cursorOnPage() || !row.block(first, last))
        return;
    if (anyUsed(row.kind, first, last) && !confirm("GI_AppMess_Conv_Delete"))
        return;
    datCh entry(&data.image());
    entry.load(row.kind, row.cursor);
    entry.memberFlag = 0;
    entry.store();
    row.dropSelection = true;
    row.cursor = first;
    post(cmcEventId::RedrawAll);
    status("GI_AppMess_S_Delete");
}
