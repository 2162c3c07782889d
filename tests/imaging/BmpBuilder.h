#pragma once
// Builds BMP files byte by byte for the reader and writer tests, so every
// field of a test file is stated in the test itself.
#include <cstdint>
#include <vector>

namespace tessaline::test {

struct BmpFile {
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: rows listed top-down
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40; // 12 writes an OS/2 core header
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, written B, G, R, 0
    std::vector<std::uint32_t> masks;   // red, green, blue
    std::vector<std::uint8_t> pixels;   // rows as stored, padding included

    std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> out;
        auto put16 = [&out](std::uint32_t v) {
            out.push_back(static_cast<std::uint8_t>(v));
            out.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        auto put32 = [&](std::uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        const bool core = headerSize == 12;
        const std::uint32_t entrySize = core ? 3 : 4;
        const std::uint32_t masksAfterHeader = (headerSize == 40 && !masks.empty()) ? 12 : 0;
        const std::uint32_t offBits = 14 + headerSize + masksAfterHeader +
                                      entrySize * static_cast<std::uint32_t>(palette.size());
        out.push_back('B');
        out.push_back('M');
        put32(offBits + static_cast<std::uint32_t>(pixels.size()));
        put32(0);
        put32(offBits);
        put32(headerSize);
        if (core) {
            put16(static_cast<std::uint32_t>(width));
            put16(static_cast<std::uint32_t>(height));
            put16(1);
            put16(bits);
        } else {
            put32(static_cast<std::uint32_t>(width));
            put32(static_cast<std::uint32_t>(height));
            put16(1);
            put16(bits);
            put32(compression);
            put32(static_cast<std::uint32_t>(pixels.size()));
            put32(2835);
            put32(2835);
            put32(colorsUsed);
            put32(0);
            for (std::uint32_t v : masks) {
                put32(v);
            }
            while (out.size() < 14 + headerSize + masksAfterHeader) {
                out.push_back(0);
            }
        }
        for (std::uint32_t c : palette) {
            out.push_back(static_cast<std::uint8_t>(c));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
            out.push_back(static_cast<std::uint8_t>(c >> 16));
            if (!core) {
                out.push_back(0);
            }
        }
        out.insert(out.end(), pixels.begin(), pixels.end());
        return out;
    }
};

} // namespace tessaline::test
