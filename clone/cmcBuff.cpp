#include "cmcBuff.h"

#include "cmcFatal.h"

#include <algorithm>
#include <cstring>

void cmcBuff::clear() {
    block.assign(1, 0);
    head = 0;
    length = 0;
    fillValue = 0;
}

void cmcBuff::reallocate(int32_t blockSize) {
    std::vector<uint8_t> fresh(static_cast<size_t>(std::max(1, blockSize)), fillValue);
    std::memcpy(fresh.data(), data(), static_cast<size_t>(length));
    block.swap(fresh);
    head = 0;
}

void cmcBuff::setSize(int32_t n) {
    n = std::max(0, n);
    if (n > capacity())
        reallocate(n + length / 4);
    // Grown bytes never show what an earlier, longer content left behind.
    if (n > length)
        std::fill(data() + length, data() + n, fillValue);
    length = n;
}

void cmcBuff::append(uint8_t byte) {
    setSize(length + 1);
    data()[length - 1] = byte;
}

void cmcBuff::append(const uint8_t* bytes, int32_t count) {
    if (count <= 0)
        return;
    // Growing may move the storage that the source points into.
    const bool inside = bytes >= block.data() && bytes < block.data() + block.size();
    const std::vector<uint8_t> copy =
        inside ? std::vector<uint8_t>(bytes, bytes + count) : std::vector<uint8_t>();
    const int32_t at = length;
    setSize(length + count);
    std::memcpy(data() + at, inside ? copy.data() : bytes, static_cast<size_t>(count));
}

void cmcBuff::appendCopies(int32_t count, uint8_t value) {
    if (count <= 0)
        return;
    const int32_t at = length;
    setSize(length + count);
    std::fill(data() + at, data() + length, value);
}

void cmcBuff::append(const cmcBuff& other) {
    append(other.data(), other.size());
}

void cmcBuff::assign(const uint8_t* bytes, int32_t count) {
    const std::vector<uint8_t> copy(bytes, bytes + std::max(0, count));
    length = 0;
    append(copy.data(), static_cast<int32_t>(copy.size()));
}

void cmcBuff::assign(const cmcBuff& other) {
    if (&other != this)
        assign(other.data(), other.size());
}

uint8_t& cmcBuff::operator[](int32_t index) {
    if (index < 0 || index >= length)
        cmcFatal::stop("Out of cmcBuff element !");
    return data()[index];
}

uint8_t cmcBuff::operator[](int32_t index) const {
    if (index < 0 || index >= length)
        cmcFatal::stop("Out of cmcBuff element !");
    return data()[index];
}

int cmcBuff::takeFront() {
    if (length == 0)
        return -1;
    const uint8_t byte = data()[0];
    ++head;
    --length;
    if (head >= CompactAfter)
        compact();
    return byte;
}

void cmcBuff::dropFront(int32_t count) {
    count = std::clamp(count, 0, length);
    head += count;
    length -= count;
    if (head >= CompactAfter)
        compact();
}

void cmcBuff::compact() {
    reallocate(length);
}
