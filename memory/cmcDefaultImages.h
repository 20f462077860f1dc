#pragma once

#include "cmcEeprom.h"

// The built-in default images, one receiver area for each destination 0 to 15, made at first
// use from the empty state of the memory map and the compact table of what each market's
// receiver holds when new.
class cmcDefaultImages {
public:
    static constexpr int Count = 16;
    // Destinations without an image of their own use this one.
    static constexpr int Fallback = 6;

    // The receiver area (mm::ReceiverSize bytes) of the destination's image.
    static const cmcEeprom& image(int destination);

    // Makes the images from a table of lines ended by a null entry. A line that cannot be
    // read is a defect of the built-in data and ends the program.
    static void build(const char* const* lines, cmcEeprom (&images)[Count]);
};
