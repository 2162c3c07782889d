#pragma once
// Reads pixels of a buffer by image coordinates (y from the top), going
// through the public byte view, for checking results by hand.
#include "imaging/ClsDIB.h"

#include <span>

namespace tessaline::test {

// Byte offset of image row y: the buffer keeps its rows bottom-up.
inline std::size_t rowOffset(ClsDIB& dib, int y) {
    std::span<std::uint8_t> bytes;
    const auto stride = static_cast<std::size_t>(dib.MapArray(bytes));
    return stride * static_cast<std::size_t>(dib.Height() - 1 - y);
}

// A 24-bit pixel as 0x00BBGGRR.
inline Color pixel24(ClsDIB& dib, int x, int y) {
    const std::uint8_t* p = dib.DataPtr() + rowOffset(dib, y) + 3 * x;
    return rgb(p[2], p[1], p[0]);
}

// The colour-table index of an indexed pixel, unpacked from 1, 4 or 8 bits.
inline int index(ClsDIB& dib, int x, int y) {
    const std::uint8_t* row = dib.DataPtr() + rowOffset(dib, y);
    switch (dib.ColorBit()) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 15;
    default:
        return row[x];
    }
}

// A 24-bit buffer filled with one colour.
inline ClsDIB solid(int width, int height, Color c) {
    ClsDIB dib;
    dib.Create(width, height, 24, true);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = dib.DataPtr() + rowOffset(dib, y);
        for (int x = 0; x < width; ++x) {
            p[3 * x] = getBlue(c);
            p[3 * x + 1] = getGreen(c);
            p[3 * x + 2] = getRed(c);
        }
    }
    return dib;
}

} // namespace tessaline::test
