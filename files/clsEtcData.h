#pragma once

#include <cstdint>

// The destination index and the two option flags packed into one 10-bit word with a 3-bit
// check, as clone files and the settings store keep them.
class clsEtcData {
public:
    struct Decoded {
        int destination;
        int flagA;
        int flagB;
        bool valid;
    };

    // destination 0 .. 16 (bits above 4 are dropped); flags 0 or 1.
    static int32_t encode(int destination, int flagA, int flagB);
    // Bits above 9 are ignored.
    static Decoded decode(int32_t word);
};
