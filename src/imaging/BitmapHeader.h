#pragma once
// The 40-byte BITMAPINFOHEADER a pixel buffer carries and writes to disk,
// and the row stride rule every DIB follows.
#include <array>
#include <cstdint>

namespace tessaline {

struct BitmapInfoHeader {
    static constexpr std::uint32_t kSize = 40;
    static constexpr std::uint32_t kCompressionRgb = 0;
    static constexpr std::uint32_t kCompressionBitfields = 3;

    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows stored bottom-up
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;

    // The header of an uncompressed bottom-up buffer of width x height
    // pixels of `bits` bits whose padded rows take dataSize bytes.
    static constexpr BitmapInfoHeader forPixels(std::int32_t width, std::int32_t height,
                                                std::uint16_t bits, std::uint32_t dataSize) {
        BitmapInfoHeader header;
        header.biSize = kSize;
        header.biWidth = width;
        header.biHeight = height;
        header.biPlanes = 1;
        header.biBitCount = bits;
        header.biCompression = kCompressionRgb;
        header.biSizeImage = dataSize;
        return header;
    }

    // The header as it appears in a file: little-endian, no padding.
    std::array<std::uint8_t, kSize> toBytes() const;
    bool operator==(const BitmapInfoHeader&) const = default;
};

constexpr bool isSupportedBitCount(std::int64_t bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Bytes per row for a width and bit depth: rows are padded to a multiple of
// four bytes. Computed in 64 bits so that file headers cannot overflow it.
// Returns 0 for an unsupported depth.
constexpr std::int64_t dibStride(std::int64_t width, std::int64_t bits) {
    switch (bits) {
    case 1:
        return ((width + 7) / 8 + 3) & ~std::int64_t{3};
    case 4:
        return ((width + 1) / 2 + 3) & ~std::int64_t{3};
    case 8:
        return (width + 3) & ~std::int64_t{3};
    case 16:
        return (2 * width + 3) & ~std::int64_t{3};
    case 24:
        return (3 * width + 3) & ~std::int64_t{3};
    case 32:
        return 4 * width;
    default:
        return 0;
    }
}

} // namespace tessaline
