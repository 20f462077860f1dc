#include "cmcBankLinkCell.h"

#include "cmcEeprom.h"
#include "cmcFBitsDialog.h"
#include "cmcFBitsR.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

#include <cctype>

namespace {

constexpr char Unlinked = '_';

} // namespace

cmcBankLinkCell::cmcBankLinkCell(cmcPageData& data, cmcFCache& lists, int address,
                                 const QByteArray& letters, cmcFBitsDialog* dialog)
    : data(data), lists(lists), address(address), letters(letters.left(8)), dialog(dialog) {}

QByteArray cmcBankLinkCell::shownText(datCellReq& request) {
    (void)request;
    QByteArray text = letters;
    for (qsizetype n = 0; n < text.size(); ++n) {
        if (!(bits() >> n & 1))
            text[n] = Unlinked;
    }
    return text;
}

int cmcBankLinkCell::act(datCellReq& request) {
    const int key = request.key;
    if (request.hasInput || request.mode == datCellReq::ListChoice)
        return Nothing;
    if (key == datCellReq::KeyEnter || key == datCellReq::KeyMouse)
        return runDialog();
    if (key == cmcTextEntry::KeyBlank)
        return store(bits() == 0 ? mask() : 0);
    if (key == cmcTextEntry::KeyBackspace)
        return store(static_cast<uint8_t>(~bits()));
    if (key <= 0 || key > 0xFF)
        return Nothing;
    const qsizetype n = letters.indexOf(static_cast<char>(std::toupper(key)));
    return n < 0 ? Nothing : store(static_cast<uint8_t>(bits() ^ (1u << n)));
}

uint8_t cmcBankLinkCell::bits() const {
    return data.image().getByte(address) & mask();
}

int cmcBankLinkCell::store(uint8_t bits) {
    const uint8_t kept = data.image().getByte(address) & static_cast<uint8_t>(~mask());
    data.image().setByte(address, static_cast<uint8_t>(kept | (bits & mask())));
    return Repaint;
}

int cmcBankLinkCell::runDialog() {
    if (!dialog)
        return Nothing;
    cmcFBitsR edit(data.image(), address, letters, lists);
    if (dialog->run(edit))
        edit.accept();
    return Repaint;
}
