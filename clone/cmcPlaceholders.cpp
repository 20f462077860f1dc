#include "cmcPlaceholders.h"

QByteArray cmcPlaceholders::fill(QByteArray format, std::initializer_list<QByteArray> values) {
    qsizetype from = 0;
    for (const QByteArray& value : values) {
        const qsizetype at = format.indexOf("%s", from);
        if (at < 0)
            break;
        format.replace(at, 2, value);
        from = at + value.size();
    }
    return format;
}
