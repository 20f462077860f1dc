#include "cmcEvent.h"

QByteArray cmcEvent::text() const {
    const qsizetype end = payload.indexOf('\0');
    return end < 0 ? payload : payload.left(end);
}
