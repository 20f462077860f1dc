#include "cmcLinkMemberView.h"

#include "cmcCellKey.h"
#include "cmcLinkEntry.h"
#include "cmcPageData.h"
#include "datCellReq.h"

cmcLinkMemberView::cmcLinkMemberView(cmcPageData& data, cmcCellHandler& fallback, Text text)
    : data(data), fallback(fallback), text(text) {}

QByteArray cmcLinkMemberView::shownText(datCellReq& request) {
    const int record = request.cell->index();
    if (!cmcLinkEntry::valid(record))
        return {};
    return text(cmcLinkEntry::load(data, record), *request.cell, data.table());
}

int cmcLinkMemberView::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice || !cmcCellKey::forCell(request))
        return fallback.act(request);
    return Nothing;
}
