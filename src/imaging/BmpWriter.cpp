// Every BMP file the program writes: a buffer's bytes, or a 32-bit picture's
// rows written straight into the file's bytes (the chart canvas), and
// SaveBMP, which hands them to the program's output files, so a failed save
// leaves whatever stood there before.
#include "app/OutputFiles.h"
#include "imaging/ClsDIB.h"
#include "imaging/LittleEndian.h"

#include <algorithm>
#include <limits>
#include <span>

namespace tessaline {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

// A file of `header`'s pixels with `table` before them: the file header,
// the info header and the table written, `dataSize` bytes of pixel rows left
// zero (so their padding is too).
std::vector<std::uint8_t> startFile(const BitmapInfoHeader& header,
                                    std::span<const std::uint8_t> table, std::uint32_t dataSize) {
    const auto tableBytes = static_cast<std::uint32_t>(table.size());
    const std::uint32_t offBits = kFileHeaderSize + BitmapInfoHeader::kSize + tableBytes;
    std::vector<std::uint8_t> bytes(std::size_t{offBits} + dataSize);
    bytes[0] = 'B';
    bytes[1] = 'M';
    le::write32(&bytes[2], offBits + dataSize);
    le::write16(&bytes[6], 0);
    le::write16(&bytes[8], 0);
    le::write32(&bytes[10], offBits);
    const auto info = header.toBytes();
    std::copy(info.begin(), info.end(), bytes.begin() + kFileHeaderSize);
    std::copy(table.begin(), table.end(), bytes.begin() + offBits - tableBytes);
    return bytes;
}

} // namespace

std::vector<std::uint8_t> ClsDIB::bmpBytes() const {
    if (!pixels_) {
        return {};
    }
    const int bits = ColorBit();
    const std::size_t tableBytes = bits <= 8 ? 4u << bits : 0u;
    const auto dataSize = static_cast<std::uint32_t>(DataSize());
    // File header, info header, colour table and the rows as they are held.
    std::vector<std::uint8_t> bytes =
        startFile(header_, std::span(colorTable_).first(tableBytes), dataSize);
    std::copy_n(pixels_.get(), dataSize, bytes.end() - dataSize);
    return bytes;
}

std::vector<std::uint8_t> ClsDIB::bmpBytesFromRgb32(std::int32_t width, std::int32_t height,
                                                    const std::uint32_t* topRow,
                                                    std::ptrdiff_t wordsPerLine) {
    if (width <= 0 || height <= 0 || topRow == nullptr) {
        return {};
    }
    const std::int64_t stride = dibStride(width, 24);
    const std::int64_t dataSize = stride * height;
    if (dataSize > std::numeric_limits<std::int32_t>::max()) {
        return {};
    }
    const auto size = static_cast<std::uint32_t>(dataSize);
    std::vector<std::uint8_t> bytes =
        startFile(BitmapInfoHeader::forPixels(width, height, 24, size), {}, size);
    // The file's rows run bottom-up: its first is the picture's last.
    std::uint8_t* out = bytes.data() + (bytes.size() - size);
    for (std::int32_t row = height - 1; row >= 0; --row, out += stride) {
        const std::uint32_t* in = topRow + row * wordsPerLine;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t pixel = in[x];
            out[3 * x] = static_cast<std::uint8_t>(pixel);           // blue
            out[3 * x + 1] = static_cast<std::uint8_t>(pixel >> 8);  // green
            out[3 * x + 2] = static_cast<std::uint8_t>(pixel >> 16); // red
        }
    }
    return bytes;
}

bool ClsDIB::SaveBMP(const std::filesystem::path& fileName) const {
    if (!pixels_ || fileName.empty()) {
        return false;
    }
    return writeOutputFile(fileName, bmpBytes()).ok();
}

} // namespace tessaline
