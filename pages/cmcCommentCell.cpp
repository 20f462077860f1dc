#include "cmcCommentCell.h"

#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

QByteArray cmcCommentCell::shownText(datCellReq& request) {
    (void)request;
    return text();
}

int cmcCommentCell::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return Nothing;
    if (!request.hasInput)
        return cmcTextEntry::startEditor(request, cmcTextEntry::withoutTrailingBlanks(text()),
                                         mm::CommentSize);
    const QByteArray comment = cmcTextEntry::fixedText(request.input, mm::CommentSize);
    cmcTextEntry::storeText(data.image(), mm::Comment, comment);
    return Repaint;
}

QByteArray cmcCommentCell::text() const {
    return cmcTextEntry::imageText(data.image(), mm::Comment, mm::CommentSize);
}
