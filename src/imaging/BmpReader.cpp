// Our own BMP reader. Every size and offset in a file is checked against the
// file's length before it is used, so a header that lies is refused instead
// of making the reader go past the data or allocate without bound.
#include "imaging/ClsDIB.h"
#include "imaging/LittleEndian.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <limits>
#include <vector>

namespace tessaline {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12; // OS/2 BITMAPCOREHEADER
constexpr std::uint32_t kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr std::uint32_t kCompressionRgb = 0;
constexpr std::uint32_t kCompressionBitfields = 3;
// Largest file read from disk: a 16384 x 16384 picture at 32 bits plus the
// biggest header and palette.
constexpr std::uint64_t kMaxFileBytes =
    std::uint64_t{4} * ClsDIB::kMaxLoadDimension * ClsDIB::kMaxLoadDimension + 4096;

bool isInfoHeaderSize(std::uint32_t size) {
    // BITMAPINFOHEADER, its two extensions with masks, V4 and V5.
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// One colour channel of a 16- or 32-bit pixel: the bits under its mask,
// scaled to 0 ... 255 with rounding.
class ChannelMask {
  public:
    explicit ChannelMask(std::uint32_t mask = 0)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask >> shift_) {}

    std::uint8_t extract(std::uint32_t pixel) const {
        if (max_ == 0) {
            return 0;
        }
        const std::uint64_t value = (pixel & mask_) >> shift_;
        if (max_ == 255) {
            return static_cast<std::uint8_t>(value);
        }
        return static_cast<std::uint8_t>((value * 255 + max_ / 2) / max_);
    }

  private:
    std::uint32_t mask_;
    int shift_;
    std::uint64_t max_;
};

struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint64_t pixelOffset = 0;
    std::uint64_t stride = 0;
    ChannelMask red, green, blue;
    // Palette as blue, green, red; entries the file does not give are black.
    std::array<std::array<std::uint8_t, 3>, 256> palette{};
};

bool readPalette(const std::uint8_t* data, std::uint64_t offset, std::uint64_t entries,
                 std::uint64_t entrySize, std::uint64_t limit, BmpLayout& layout) {
    if (offset + entries * entrySize > limit) {
        return false;
    }
    for (std::uint64_t i = 0; i < entries; ++i) {
        const std::uint8_t* entry = data + offset + i * entrySize;
        layout.palette[i] = {entry[0], entry[1], entry[2]};
    }
    return true;
}

bool parseCoreHeader(const std::uint8_t* data, std::uint64_t size, BmpLayout& layout) {
    const std::uint8_t* h = data + kFileHeaderSize;
    layout.width = le::read16(h + 4);
    layout.height = le::read16(h + 6);
    layout.bits = le::read16(h + 10);
    if (le::read16(h + 8) != 1 || layout.width == 0 || layout.height == 0) {
        return false;
    }
    if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24) {
        return false;
    }
    const std::uint64_t paletteOffset = kFileHeaderSize + kCoreHeaderSize;
    const std::uint64_t entries = layout.bits <= 8 ? std::uint64_t{1} << layout.bits : 0;
    if (layout.pixelOffset < paletteOffset) {
        return false;
    }
    return readPalette(data, paletteOffset, entries, 3, std::min(layout.pixelOffset, size), layout);
}

bool parseInfoHeader(const std::uint8_t* data, std::uint64_t size, std::uint32_t headerSize,
                     BmpLayout& layout) {
    const std::uint8_t* h = data + kFileHeaderSize;
    const std::int32_t width = le::readSigned32(h + 4);
    const std::int32_t height = le::readSigned32(h + 8);
    const std::uint16_t planes = le::read16(h + 12);
    layout.bits = le::read16(h + 14);
    const std::uint32_t compression = le::read32(h + 16);
    const std::uint32_t colorsUsed = le::read32(h + 32);

    if (planes != 1 || width <= 0 || height == 0 ||
        height == std::numeric_limits<std::int32_t>::min()) {
        return false;
    }
    layout.width = width;
    layout.topDown = height < 0;
    layout.height = height < 0 ? -height : height;
    if (!isSupportedBitCount(layout.bits)) {
        return false;
    }
    const bool bitfields = compression == kCompressionBitfields;
    if (compression != kCompressionRgb &&
        !(bitfields && (layout.bits == 16 || layout.bits == 32))) {
        return false; // run-length and embedded JPEG/PNG data are not read
    }

    std::uint64_t tableOffset = kFileHeaderSize + headerSize;
    if (bitfields) {
        // A plain 40-byte header is followed by the three masks; the larger
        // headers hold them at the same place inside the header.
        const std::uint64_t masksOffset = kFileHeaderSize + kInfoHeaderSize;
        if (headerSize == kInfoHeaderSize) {
            tableOffset += 12;
        }
        if (tableOffset > size) {
            return false;
        }
        layout.red = ChannelMask(le::read32(data + masksOffset));
        layout.green = ChannelMask(le::read32(data + masksOffset + 4));
        layout.blue = ChannelMask(le::read32(data + masksOffset + 8));
    } else if (layout.bits == 16) {
        layout.red = ChannelMask(0x7C00);
        layout.green = ChannelMask(0x03E0);
        layout.blue = ChannelMask(0x001F);
    } else if (layout.bits == 32) {
        layout.red = ChannelMask(0x00FF0000);
        layout.green = ChannelMask(0x0000FF00);
        layout.blue = ChannelMask(0x000000FF);
    }

    if (layout.pixelOffset < tableOffset) {
        return false;
    }
    if (layout.bits > 8) {
        return true; // a palette of a true-colour file is only a hint
    }
    const std::uint64_t maxEntries = std::uint64_t{1} << layout.bits;
    if (colorsUsed > maxEntries) {
        return false;
    }
    const std::uint64_t entries = colorsUsed != 0 ? colorsUsed : maxEntries;
    return readPalette(data, tableOffset, entries, 4, std::min(layout.pixelOffset, size), layout);
}

bool parseLayout(const std::uint8_t* data, std::uint64_t size, BmpLayout& layout) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') {
        return false;
    }
    layout.pixelOffset = le::read32(data + 10);
    const std::uint32_t headerSize = le::read32(data + kFileHeaderSize);
    if (kFileHeaderSize + headerSize > size) {
        return false;
    }
    bool ok = false;
    if (headerSize == kCoreHeaderSize) {
        ok = parseCoreHeader(data, size, layout);
    } else if (isInfoHeaderSize(headerSize)) {
        ok = parseInfoHeader(data, size, headerSize, layout);
    }
    if (!ok || layout.width > ClsDIB::kMaxLoadDimension ||
        layout.height > ClsDIB::kMaxLoadDimension) {
        return false;
    }
    layout.stride = static_cast<std::uint64_t>(dibStride(layout.width, layout.bits));
    // Every row, padding included, must lie inside the file.
    return layout.pixelOffset <= size &&
           layout.stride * static_cast<std::uint64_t>(layout.height) <= size - layout.pixelOffset;
}

void decodeRow(const BmpLayout& layout, const std::uint8_t* src, std::uint8_t* dst) {
    const int width = layout.width;
    switch (layout.bits) {
    case 24:
        std::memcpy(dst, src, static_cast<std::size_t>(width) * 3);
        return;
    case 32:
    case 16:
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel =
                layout.bits == 32 ? le::read32(src + 4 * x) : le::read16(src + 2 * x);
            dst[3 * x] = layout.blue.extract(pixel);
            dst[3 * x + 1] = layout.green.extract(pixel);
            dst[3 * x + 2] = layout.red.extract(pixel);
        }
        return;
    default: {
        // Indexed: the left pixel sits in the most significant bits.
        const int bits = layout.bits;
        const int perByte = 8 / bits;
        const int valueMask = (1 << bits) - 1;
        for (int x = 0; x < width; ++x) {
            const int shift = 8 - bits * (x % perByte + 1);
            const int index = (src[x / perByte] >> shift) & valueMask;
            std::memcpy(dst + 3 * x, layout.palette[static_cast<std::size_t>(index)].data(), 3);
        }
        return;
    }
    }
}

} // namespace

bool ClsDIB::LoadBitMapFromBytes(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr) {
        return false;
    }
    BmpLayout layout;
    if (!parseLayout(data, size, layout)) {
        return false;
    }
    ClsDIB loaded;
    if (!loaded.Create(layout.width, layout.height, 24, false)) {
        return false;
    }
    const std::size_t targetStride = static_cast<std::size_t>(loaded.DataSize() / loaded.Height());
    for (std::int32_t row = 0; row < layout.height; ++row) {
        // Memory rows run bottom-up; a top-down file lists the top row first.
        const std::int32_t memoryRow = layout.topDown ? layout.height - 1 - row : row;
        const std::uint8_t* src = data + layout.pixelOffset + layout.stride * row;
        decodeRow(layout, src, loaded.DataPtr() + targetStride * memoryRow);
    }
    *this = std::move(loaded);
    return true;
}

bool ClsDIB::LoadBitMap(const std::filesystem::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length <= 0 || static_cast<std::uint64_t>(length) > kMaxFileBytes) {
        return false;
    }
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(static_cast<std::size_t>(length));
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (!in.read(reinterpret_cast<char*>(bytes.data()), length)) {
        return false;
    }
    return LoadBitMapFromBytes(bytes.data(), bytes.size());
}

} // namespace tessaline
