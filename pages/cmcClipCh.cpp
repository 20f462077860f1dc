#include "cmcClipCh.h"

#include <algorithm>

void cmcClipCh::clear() {
    records.clear();
    recordKind = datCh::KindNone;
    firstNumber = 0;
}

void cmcClipCh::copy(cmcEeprom& image, int kind, int first, int count) {
    clear();
    recordKind = kind;
    firstNumber = first;
    records.assign(size_t(std::max(count, 0)), datCh(&image));
    for (int i = 0; i < count; ++i)
        loadOne(image, kind, first + i, records[size_t(i)]);
    if (records.empty())
        clear();
}

void cmcClipCh::loadOne(cmcEeprom& image, int kind, int number, datCh& target) {
    target.bind(&image);
    target.load(kind, number);
}

bool cmcClipCh::canPasteInto(int kind) const {
    return !records.empty() && recordKind == kind;
}

int cmcClipCh::paste(cmcEeprom& image, int kind, int first, int count) {
    if (!canPasteInto(kind))
        return 0;
    const int n = std::min(count, int(records.size()));
    for (int i = 0; i < n; ++i)
        if (!storeOne(image, kind, first + i, records[size_t(i)]))
            return i;
    return std::max(n, 0);
}

bool cmcClipCh::storeOne(cmcEeprom& image, int kind, int number, const datCh& record) {
    datCh target = record;
    target.bind(&image);
    target.store(kind, number);
    return true;
}
