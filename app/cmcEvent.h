#pragma once

#include "cmcEventId.h"

#include <QByteArray>
#include <cstdint>

// One event as the listeners see it. The payload is the event's own copy of the sender's data;
// a text payload keeps its terminating zero.
struct cmcEvent {
    enum Mode : int32_t { Posted = 0, Sent = 1, Question = 2 };

    int32_t number = 0;
    int32_t mode = Sent;
    int32_t first = 0;
    int32_t second = 0;
    QByteArray payload;

    cmcEventId id() const { return static_cast<cmcEventId>(number); }
    // The payload up to its terminating zero.
    QByteArray text() const;
};
