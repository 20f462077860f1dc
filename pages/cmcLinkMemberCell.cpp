#include "cmcLinkMemberCell.h"

#include "MemoryMap.h"
#include "cmcCellKey.h"
#include "cmcCellNames.h"
#include "cmcEvMan.h"
#include "cmcLinkEntry.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

#include <algorithm>

namespace {

using K = cmcCellKey;

constexpr char EdgeList[] = "GI_Sheet_Sel_Pg_Link";

quint32 memberColour() {
    static const quint32 olive = cmcCellNames::colour("clOlive").value_or(0);
    return olive;
}

} // namespace

cmcLinkMemberCell::cmcLinkMemberCell(cmcPageData& data, cmcCellHandler& fallback)
    : data(data), fallback(fallback) {}

QByteArray cmcLinkMemberCell::shownText(datCellReq& request) {
    const int record = request.cell->index();
    if (!cmcLinkEntry::valid(record))
        return {};
    const datCh entry = cmcLinkEntry::load(data, record);
    if (!cmcLinkEntry::member(entry))
        return {};
    request.textColour = memberColour();
    return QByteArray::number(entry.memberEdge);
}

int cmcLinkMemberCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return listChoice(request);
    if (!K::forCell(request))
        return fallback.act(request);
    const int record = request.cell->index();
    if (!cmcLinkEntry::valid(record))
        return Nothing;
    if (request.hasInput)
        return commit(request.input, record);
    return startEditor(request, record);
}

int cmcLinkMemberCell::listChoice(datCellReq& request) {
    const int record = request.owner && request.owner->cell ? request.owner->cell->index() : -1;
    const int edge = request.cell->index();
    if (request.cell->link() != cmcCellNames::Flex0 || !cmcLinkEntry::valid(record) || edge < 0 ||
        edge >= mm::ScanEdges)
        return Nothing;
    return join(record, edge);
}

// Enter opens the list of edges on the row's member; only a row without one takes typing.
int cmcLinkMemberCell::startEditor(datCellReq& request, int record) {
    const datCh entry = cmcLinkEntry::load(data, record);
    const bool member = cmcLinkEntry::member(entry);
    if (K::isEnter(request.key)) {
        request.listSheet = EdgeList;
        request.listChoice = member ? entry.memberEdge : 0;
        return Nothing;
    }
    if (member || !K::printable(request.key))
        return Nothing;
    return K::openEditor(request, K::typed(request.key), 1, 0);
}

int cmcLinkMemberCell::commit(const QByteArray& input, int record) {
    const std::optional<qint64> typed = cmcTextEntry::decimal(input);
    if (!typed)
        return Nothing;
    return join(record, int(std::clamp<qint64>(*typed, 0, mm::ScanEdges - 1)));
}

int cmcLinkMemberCell::join(int record, int edge) {
    datCh entry = cmcLinkEntry::load(data, record);
    entry.memberEdge = edge;
    entry.memberFlag = 1;
    entry.store(datCh::KindScanLink, record);
    data.events().Send(cmcEventId::RedrawAll);
    return Repaint;
}
