#pragma once

#include <cstdint>
#include <vector>

// A growable byte queue: bytes are appended at the back and taken from the front. Taking from
// the front only moves a head offset; the storage is compacted once the head has moved far.
class cmcBuff {
public:
    cmcBuff() { clear(); }

    // Size 0 on a fresh one-byte block; the fill value returns to 0.
    void clear();
    // Bytes added by growing take the fill value.
    void setSize(int32_t n);
    void setFillValue(uint8_t value) { fillValue = value; }

    void append(uint8_t byte);
    void append(const uint8_t* bytes, int32_t count);
    void appendCopies(int32_t count, uint8_t value);
    void append(const cmcBuff& other);
    void assign(const uint8_t* bytes, int32_t count);
    void assign(const cmcBuff& other);

    // An index outside the valid bytes is an internal error that ends the program.
    uint8_t& operator[](int32_t index);
    uint8_t operator[](int32_t index) const;

    // The front byte, or -1 when empty.
    int takeFront();
    // Drops up to count bytes from the front.
    void dropFront(int32_t count);
    void compact();

    int32_t size() const { return length; }
    bool isEmpty() const { return length == 0; }
    int32_t capacity() const { return static_cast<int32_t>(block.size()) - head; }
    int32_t headOffset() const { return head; }
    const uint8_t* data() const { return block.data() + head; }
    uint8_t* data() { return block.data() + head; }

    static constexpr int32_t CompactAfter = 4097;

private:
    void reallocate(int32_t blockSize);

    std::vector<uint8_t> block;
    int32_t head = 0;
    int32_t length = 0;
    uint8_t fillValue = 0;
};
