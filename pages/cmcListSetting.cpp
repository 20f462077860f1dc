#include "cmcListSetting.h"

#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

#include <bit>

cmcListSetting::cmcListSetting(cmcPageData& data, cmcFCache& lists, const Field& field,
                               int dependentLink)
    : data(data), lists(lists), field(field), shift(std::countr_zero(field.mask)),
      dependentLink(dependentLink) {}

QByteArray cmcListSetting::shownText(datCellReq& request) {
    (void)request;
    return lists.valueText(field.listKey, cmcCellNames::Flex0, code());
}

int cmcListSetting::act(datCellReq& request) {
    if (request.mode == datCellReq::ListChoice)
        return request.cell->link() == cmcCellNames::Flex0 ? store(request.cell->index()) : Nothing;
    if (request.hasInput)
        return Nothing;
    switch (request.key) {
    case datCellReq::KeyEnter:
    case datCellReq::KeyMouse:
        request.listSheet = field.listKey;
        request.listChoice = code();
        return Nothing;
    case cmcTextEntry::KeyBlank:
        return step(+1);
    case cmcTextEntry::KeyBackspace:
        return step(-1);
    default:
        return Nothing;
    }
}

int cmcListSetting::code() const {
    return (data.image().getByte(field.address) & field.mask) >> shift;
}

int cmcListSetting::store(int code) {
    const uint8_t old = data.image().getByte(field.address);
    const auto bits = static_cast<uint8_t>((code << shift) & field.mask);
    const auto value = static_cast<uint8_t>((old & ~field.mask) | bits);
    data.image().setByte(field.address, value);
    if (value != old && dependentLink != cmcCellNames::LinkNone)
        data.events().Send(cmcEventId::RedrawLink, dependentLink);
    return Repaint;
}

int cmcListSetting::step(int direction) {
    const std::optional<int> next =
        lists.nextChoice(field.listKey, cmcCellNames::Flex0, code(), direction);
    return next ? store(*next) : Nothing;
}
