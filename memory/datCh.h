#pragma once

#include <array>
#include <cstdint>

class cmcEeprom;

// One record of the image decoded into plain fields. Load fills the fields from the bound
// image, store packs them back; nothing else knows the byte layouts of the records.
//
// Bank entries (kind 2) are addressed by the memory channel they refer to: callers turn a
// bank and position into a channel through cmcEeprom::bankEntry and decode it as kind 2, which
// reads and writes exactly what kind 1 does.
class datCh {
public:
    enum Kind {
        KindNone = 0,
        KindMemory = 1,
        KindBank = 2,
        KindScanEdge = 3,
        KindScanLink = 4,
        KindAutoWrite = 5,
        KindBandDefault = 8,
    };
    enum Flag : uint8_t { InUse = 1, LowEdgeValid = 2, HighEdgeValid = 4 };
    enum Mode { ModeFM = 0, ModeWFM = 1, ModeAM = 2, ModeAuto = 3, ModeUnset = 4 };
    enum Step { Step9k = 3, Step8_33k = 2, StepAuto = 14, StepUnset = 15 };
    enum Raster { Raster5k = 0, Raster6_25k = 1, Raster8_33k = 2, Raster9k = 3 };

    static constexpr int ScanLinkRows = 26;
    static constexpr uint8_t NoBank = 255;
    static constexpr uint8_t NoEdge = 255;
    static constexpr uint32_t DefaultTrainFrequency = 2280;

    explicit datCh(cmcEeprom* image = nullptr) : image(image) {}
    void bind(cmcEeprom* target) { image = target; }
    cmcEeprom* boundImage() const { return image; }

    // The fields of a fresh record: all zero, in use, no bank, a blank name.
    void reset();
    // Kinds without a layout (0, 6, 7, 9 and above) only reset the fields.
    void load(int kind, int number);
    // Kind 0 stores the record's own kind and number. Band defaults are never stored.
    void store(int kind, int number);
    void store() { store(KindNone, 0); }
    void reload() { load(kind, number); }
    void storeAndReload() {
        store();
        reload();
    }
    // Writes the fields as band default record number (0 .. 12); only the built-in images
    // are made this way.
    void storeBandDefault(int number);

    // The record a new record of this kind starts from, given the band default record of its
    // band: an unset, unused scan edge; the band default itself for auto-write channels; the
    // band default with its low edge at its frequency otherwise.
    static datCh kindDefault(int kind, const datCh& bandDefault);

    // The raster codes a frequency and an offset are stored with: the first unit of 9000,
    // 5000, 6250 and 8333 Hz that fits both, else the first that fits each, else 5000 Hz.
    static void chooseRasters(uint32_t frequency, uint32_t offset, int& frequencyRaster,
                              int& offsetRaster);
    static uint32_t encode(uint32_t value, int raster);
    static uint32_t decode(uint32_t count, int raster);

    static bool kindRange(int kind, int& lowest, int& highest);
    static int firstEmptyChannel(const cmcEeprom& image, int from);
    static int emptyChannelCount(const cmcEeprom& image);

    bool inUse() const { return flags & InUse; }
    void setInUse(bool used) { flags = used ? (flags | InUse) : (flags & ~InUse); }

    int kind = KindNone;
    int number = 0;
    uint8_t flags = InUse;
    uint32_t frequency = 0;
    uint32_t lowEdge = 0;
    int duplex = 0;
    uint32_t offset = 0;
    int skip = 0;
    int step = 0;
    int mode = 0;
    int attenuator = 0;
    int afFilter = 0;
    int toneMode = 0;
    int toneIndex = 0;
    int dtcsIndex = 0;
    int dtcsPolarity = 0;
    int canceller = 0;
    uint32_t trainFrequency = 0;
    int vsc = 0;
    int frequencyRaster = 0;
    int lowEdgeRaster = 0;
    int offsetRaster = 0;
    std::array<char, 6> name{' ', ' ', ' ', ' ', ' ', ' '};
    int bankGroup = NoBank;
    int bankPosition = 255;
    int memberEdge = 0;
    int memberFlag = 0;

private:
    void loadChannel(int base);
    void storeChannel(int base);
    void loadChannelFlags(int n);
    void storeChannelFlags(int n);
    void loadScanEdge(int n);
    void storeScanEdge(int n);
    void loadScanLink(int entry);
    void storeScanLink(int entry);
    void loadAutoWrite(int n);
    void storeAutoWrite(int n);
    void loadBandDefault(int n);
    bool edgeSet(uint32_t stored, int flagAddress) const;

    uint32_t word32(int address) const;
    void setWord32(int address, uint32_t value);

    cmcEeprom* image;
};
