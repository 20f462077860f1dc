#include "cmcLinkNameCell.h"

#include "MemoryMap.h"
#include "cmcCellKey.h"
#include "cmcEvMan.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

namespace {

// An index outside the links would reach other fields of the image.
bool isLink(int link) {
    return link >= 0 && link < mm::ScanLinks;
}

} // namespace

cmcLinkNameCell::cmcLinkNameCell(cmcPageData& data, cmcCellHandler& fallback)
    : data(data), fallback(fallback) {}

QByteArray cmcLinkNameCell::shownText(datCellReq& request) {
    const int link = request.cell->index();
    return isLink(link) ? name(link) : QByteArray();
}

int cmcLinkNameCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice || !cmcCellKey::forCell(request))
        return fallback.act(request);
    const int link = request.cell->index();
    if (!isLink(link))
        return Nothing;
    if (!request.hasInput)
        return cmcTextEntry::startEditor(request, cmcTextEntry::withoutTrailingBlanks(name(link)),
                                         mm::NameSize);
    cmcTextEntry::storeText(data.image(), mm::scanLinkName(link),
                            cmcTextEntry::channelName(request.input, mm::NameSize));
    data.events().Send(cmcEventId::LinkNameChanged, link);
    return Repaint;
}

QByteArray cmcLinkNameCell::name(int link) const {
    return cmcTextEntry::imageText(data.image(), mm::scanLinkName(link), mm::NameSize);
}
