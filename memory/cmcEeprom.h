#pragma once

#include <cstdint>
#include <vector>

// A configuration-memory image: a plain byte array addressed from 0, with the receiver's bytes
// at the receiver's addresses. Copies are deep.
class cmcEeprom {
public:
    cmcEeprom() = default;

    bool operator==(const cmcEeprom& other) const { return data == other.data; }

    // A new size, or the same size, leaves every byte 0.
    void resize(int32_t n);
    int32_t size() const { return static_cast<int32_t>(data.size()); }
    bool isValidAddress(int32_t address) const { return address >= 0 && address < size(); }
    void fill(uint8_t value);

    // Addresses come from the memory map or from checked input; one outside the image is an
    // internal error that ends the program.
    void setByte(int32_t address, uint8_t value);
    uint8_t getByte(int32_t address) const;

    // Copies that would leave the image, or copy nothing, are skipped.
    void writeBlock(int32_t address, const uint8_t* source, int32_t count);
    void readBlock(int32_t address, uint8_t* destination, int32_t count) const;

    uint8_t* bytes() { return data.data(); }
    const uint8_t* bytes() const { return data.data(); }

    // The checks every image taken in from outside must pass: a format revision below 2 and,
    // when asked for, the format signature. The image must hold the whole receiver area.
    bool formatAccepted(bool checkSignature) const;

    // Becomes the template of a destination: the receiver area of its built-in default image
    // (destinations without one use image 6) and an empty bank index. An image smaller than
    // mm::ImageSize is first resized to it; the bytes between the two areas are kept.
    void loadTemplate(int destination);

    // The bank index is derived from the channels' bank group and position: each entry holds
    // the used memory channel that claims it, mm::BankEntryFree, or mm::BankEntryConflict
    // when several do.
    void rebuildBankIndex();
    // The entry of a bank and position; any value from 1300 up reads as mm::BankEntryFree.
    uint16_t bankEntry(int bank, int position) const;

private:
    bool blockFits(int32_t address, int32_t count) const;

    std::vector<uint8_t> data;
};
