#include "cmcFBitsR.h"

#include "cmcCellNames.h"
#include "cmcEeprom.h"
#include "cmcFCache.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

namespace {

constexpr char OnOffList[] = "GI_Sheet_Sel_Misc_OnOff";
constexpr char HeaderArgument[] = "Letter";

} // namespace

cmcFBitsR::cmcFBitsR(cmcEeprom& image, int address, const QByteArray& letters, cmcFCache& lists)
    : image(image), address(address), groupLetters(letters.left(8)), lists(lists),
      edited(image.getByte(address) & mask()) {}

void cmcFBitsR::toggle(int n) {
    if (inGroup(n))
        edited ^= static_cast<uint8_t>(1u << n);
}

void cmcFBitsR::accept() {
    const uint8_t kept = image.getByte(address) & static_cast<uint8_t>(~mask());
    image.setByte(address, static_cast<uint8_t>(kept | edited));
}

bool cmcFBitsR::isHeader(const datCellReq& request) {
    return request.cell->argument() == QByteArray(HeaderArgument);
}

QByteArray cmcFBitsR::shownText(datCellReq& request) {
    const int n = request.cell->index();
    if (request.cell->link() != cmcCellNames::CL_FBits || !inGroup(n))
        return {};
    if (isHeader(request))
        return groupLetters.mid(n, 1);
    return lists.valueText(OnOffList, cmcCellNames::Flex0, bit(n) ? 1 : 0);
}

int cmcFBitsR::act(datCellReq& request) {
    const int n = request.cell->index();
    if (request.cell->link() != cmcCellNames::CL_FBits || !inGroup(n) || isHeader(request) ||
        request.hasInput)
        return Nothing;
    const int key = request.key;
    if (key != datCellReq::KeyEnter && key != datCellReq::KeyMouse && key != cmcTextEntry::KeyBlank)
        return Nothing;
    toggle(n);
    return Repaint;
}
