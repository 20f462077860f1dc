#pragma once

#include <QByteArray>
#include <cstdint>

// One answer given to a question. A question nobody answered gives the empty answer: both
// values 0 and no payload.
struct cmcEvAns {
    int32_t first = 0;
    int32_t second = 0;
    QByteArray payload;
};
