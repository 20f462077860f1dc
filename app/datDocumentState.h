#pragma once

#include "cmcEeprom.h"

// What an undo step puts back: the document image and the destination it was made for.
struct datDocumentState {
    cmcEeprom image;
    int destination = 0;

    bool operator==(const datDocumentState&) const = default;
};
