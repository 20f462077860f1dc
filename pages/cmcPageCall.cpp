#include "cmcPageCall.h"

#include "cmcCellSyntax.h"

#include <QList>

namespace {

const char* const PageClasses[] = {"St_ColCut", "St_PLink", "St_CCBank", "St_Common"};

} // namespace

cmcPageCall cmcPageCall::split(const QByteArray& text) {
    cmcPageCall call;
    call.identity = text;
    const qsizetype comma = text.indexOf(',');
    const QByteArray head = comma < 0 ? text : text.left(comma);
    call.parameters = comma < 0 ? QByteArray() : text.mid(comma + 1);
    const qsizetype open = head.indexOf('[');
    const qsizetype close = open < 0 ? -1 : head.indexOf(']', open);
    if (close > open) {
        call.pageType = head.mid(open + 1, close - open - 1);
        call.sheetKey = head.mid(close + 1);
    } else {
        call.sheetKey = head;
    }
    if (call.hasPageClass()) {
        const QList<QByteArray> numbers = call.parameters.split(',');
        call.pageIndex = cmcCellSyntax::decimal(numbers.value(0));
        call.firstRecord = cmcCellSyntax::decimal(numbers.value(1));
    }
    return call;
}

bool cmcPageCall::hasPageClass() const {
    for (const char* name : PageClasses) {
        if (pageType == name)
            return true;
    }
    return false;
}
