#include "cmcBankNameCell.h"

#include "MemoryMap.h"
#include "cmcBankCaption.h"
#include "cmcPageData.h"
#include "cmcTextEntry.h"
#include "datCellReq.h"

namespace {

// An index outside the banks would reach other fields of the image.
bool isBank(int bank) {
    return bank >= 0 && bank < mm::Banks;
}

} // namespace

QByteArray cmcBankNameCell::shownText(datCellReq& request) {
    const int bank = request.cell->index();
    return isBank(bank) ? name(bank) : QByteArray();
}

int cmcBankNameCell::act(datCellReq& request) {
    const int bank = request.cell->index();
    if (!isBank(bank) || request.mode == datCellReq::ListChoice)
        return Nothing;
    if (!request.hasInput)
        return cmcTextEntry::startEditor(request, cmcTextEntry::withoutTrailingBlanks(name(bank)),
                                         mm::NameSize);
    cmcTextEntry::storeText(data.image(), mm::bankName(bank),
                            cmcTextEntry::channelName(request.input, mm::NameSize));
    cmcBankCaption::send(data.events(), data.image(), data.table(), bank);
    return Repaint;
}

QByteArray cmcBankNameCell::name(int bank) const {
    return cmcTextEntry::imageText(data.image(), mm::bankName(bank), mm::NameSize);
}
