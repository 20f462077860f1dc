#pragma once

#include "datMemField.h"

// The fields of a memory channel row, from link to behaviour.
class cmcMemFieldTable {
public:
    // None for a link that is not a memory channel field.
    static const datMemField* find(int link);
    // A channel shows its fields only while it is used and its frequency is valid; any other
    // channel is empty and takes a frequency first.
    static bool shown(const datCh& channel);
};
