#pragma once

#include <array>
#include <cstdint>

class cmcEeprom;

// The band plan of one destination (market variant) with its two option flags, and the
// document operations that depend on it. A plain value: create one wherever the current
// destination and flags are known.
class indDestination {
public:
    static constexpr uint32_t LowerLimit = 100000;
    static constexpr uint32_t UpperLimit = 1310000000;
    static constexpr int BandEdges = 11;
    static constexpr int ListedRangeSlots = 10;
    static constexpr uint32_t UnusedBound = 0xFFFFFFFF;
    static constexpr uint32_t HighestTyped = 1309995000;
    static constexpr uint32_t HighestOffset = 159995000;

    struct Range {
        uint32_t low;
        uint32_t high; // inclusive
        bool contains(uint32_t f) const { return f >= low && f <= high; }
    };

    // cellularBlocked: option flag a (1 = cellular blocks barred); expansionOn: option flag b
    // (1 = reception of the listed ranges expanded).
    explicit indDestination(int destination, bool cellularBlocked = false,
                            bool expansionOn = false);

    int destination() const { return number; }
    bool cellularBlocked() const { return cellular; }
    bool expansionOn() const { return expansion; }

    uint32_t bandEdge(int i) const { return edges[i]; }
    const std::array<Range, ListedRangeSlots>& listedRanges() const { return listed; }
    static bool validFrequency(uint32_t f) { return f >= LowerLimit && f < UpperLimit; }
    static bool inCellularSetA(uint32_t f);
    static bool inCellularSetB(uint32_t f);

    // 0 .. 10: how many of the first ten band edges lie at or below f.
    int bandOf(uint32_t f) const;
    // "Auto" takes the mode of the fixed band table; any other mode is its own.
    static int effectiveMode(uint32_t f, int mode);
    // Destinations whose lists offer "Auto" and keep the canceller settings.
    bool automaticLists() const;
    bool cellularRestriction() const;
    bool inListedRange(uint32_t f) const;
    // 0: listed (receivable only with expansion), 1: not receivable, 2: freely receivable.
    int frequencyClass(uint32_t f, int mode) const;
    bool flagged(uint32_t f, int mode) const;

    // A typed frequency or offset put on the channel grid of a band: 9 kHz multiples stay in
    // the broadcast band; otherwise the nearest 8.33 kHz (air band only), 6.25 or 5 kHz step
    // above the last 25 kHz multiple.
    static uint32_t placeOnGrid(uint32_t value, int band);
    // A typed frequency: limited to 0.1 .. 1309.995 MHz, then placed on its band's grid.
    uint32_t placeFrequency(uint32_t f) const;
    // An offset of a channel in the band: placed on the grid and at most 159.995 MHz.
    static uint32_t placeOffset(uint32_t offset, int band);

    // Makes an image fit this destination: destination-dependent settings and the format
    // marks from the template, every used channel, scan edge and auto-write channel put on its
    // band's grid with modes and steps the destination offers; rebuilds the bank index.
    void convert(cmcEeprom& image, const cmcEeprom& templateImage) const;
    // Replaces every used record whose frequency this destination flags by the template's
    // record (memory channels) or an empty one (scan edges, auto-write channels).
    void refit(cmcEeprom& image, const cmcEeprom& templateImage) const;

private:
    void convertCommonSettings(cmcEeprom& image, const cmcEeprom& templateImage) const;
    void convertRecords(cmcEeprom& image, const cmcEeprom& templateImage) const;

    int number;
    bool cellular;
    bool expansion;
    std::array<uint32_t, BandEdges> edges;
    std::array<Range, ListedRangeSlots> listed;
};
