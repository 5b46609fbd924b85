// Carves a fuzzer's bytes into the values a target needs: numbers from the
// front, texts from what is left. Every input gives some values, so every
// input is exercised.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data(data), size(size) {}

    uint8_t byte() { return at < size ? data[at++] : 0; }
    // Any number an option can carry (the parser saturates at the int range).
    int anyNumber() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
        return static_cast<int>(value);
    }
    // Within what the platform can hand over: GDI coordinates and sizes
    // keep to 27 bits and a sign.
    int number() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = (value << 8) | byte();
        return static_cast<int>(value % (2 * gdiLimit + 1)) - static_cast<int>(gdiLimit);
    }
    static const uint32_t gdiLimit = (1u << 27) - 1;
    // A size the platform measures: never negative.
    int extent() { return static_cast<int>(static_cast<uint32_t>(anyNumber()) % (gdiLimit + 1)); }
    bool flag() { return byte() & 1; }
    // Up to the next zero byte (or the end).
    std::string text() {
        std::string out;
        while (at < size && data[at] != 0) out += static_cast<char>(data[at++]);
        if (at < size) ++at;
        return out;
    }
    bool empty() const { return at >= size; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};
