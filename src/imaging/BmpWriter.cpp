// SaveBMP: the buffer as a BMP file, written through the program's output
// files, so a failed save leaves whatever stood there before.
#include "app/OutputFiles.h"
#include "imaging/ClsDIB.h"
#include "imaging/LittleEndian.h"

#include <algorithm>

namespace tessaline {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

} // namespace

std::vector<std::uint8_t> ClsDIB::bmpBytes() const {
    if (!pixels_) {
        return {};
    }
    const int bits = ColorBit();
    const std::uint32_t tableBytes = bits <= 8 ? 4u << bits : 0u;
    const std::uint32_t offBits = kFileHeaderSize + BitmapInfoHeader::kSize + tableBytes;
    const auto dataSize = static_cast<std::uint32_t>(DataSize());

    // File header, info header, colour table and rows, without padding.
    std::vector<std::uint8_t> bytes(std::size_t{offBits} + dataSize);
    bytes[0] = 'B';
    bytes[1] = 'M';
    le::write32(&bytes[2], offBits + dataSize);
    le::write16(&bytes[6], 0);
    le::write16(&bytes[8], 0);
    le::write32(&bytes[10], offBits);
    const auto info = header_.toBytes();
    std::copy(info.begin(), info.end(), bytes.begin() + kFileHeaderSize);
    std::copy_n(colorTable_.begin(), tableBytes, bytes.begin() + offBits - tableBytes);
    std::copy_n(pixels_.get(), dataSize, bytes.begin() + offBits);
    return bytes;
}

bool ClsDIB::SaveBMP(const std::filesystem::path& fileName) const {
    if (!pixels_ || fileName.empty()) {
        return false;
    }
    return writeOutputFile(fileName, bmpBytes()).ok();
}

} // namespace tessaline
