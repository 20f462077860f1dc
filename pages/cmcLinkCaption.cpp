#include "cmcLinkCaption.h"

#include "MemoryMap.h"
#include "cmcTextEntry.h"

QByteArray cmcLinkCaption::text(const cmcEeprom& image, int link) {
    if (link < 0 || link >= mm::ScanLinks)
        return {};
    QByteArray caption(1, static_cast<char>('0' + link));
    return caption.append(": ").append(
        cmcTextEntry::imageText(image, mm::scanLinkName(link), mm::NameSize));
}
