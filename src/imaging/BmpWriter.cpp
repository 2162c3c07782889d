// SaveBMP: the buffer as a BMP file. The bytes go to a temporary file beside
// the target, which is renamed over the target only once it is complete, so
// a failed save leaves whatever stood there before.
#include "imaging/ClsDIB.h"
#include "imaging/LittleEndian.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

namespace tessaline {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

// An existing target must be writable: a locked or read-only file is
// reported as a failure, as if it could not be created.
bool canReplaceFile(const std::filesystem::path& fileName) {
    std::error_code ec;
    const auto status = std::filesystem::status(fileName, ec);
    if (ec && ec != std::errc::no_such_file_or_directory) {
        return false;
    }
    if (!std::filesystem::exists(status)) {
        return true;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return false;
    }
    // Opening for update neither truncates nor creates the file.
    std::fstream probe(fileName, std::ios::binary | std::ios::in | std::ios::out);
    return probe.is_open();
}

bool writeFile(const std::filesystem::path& path, const std::uint8_t* head, std::size_t headSize,
               const std::uint8_t* pixels, std::size_t pixelSize) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(head), static_cast<std::streamsize>(headSize));
    out.write(reinterpret_cast<const char*>(pixels), static_cast<std::streamsize>(pixelSize));
    out.close();
    if (out.fail()) {
        // Only a file this save opened is removed, never something that
        // merely stood in the way.
        std::error_code ec;
        std::filesystem::remove(path, ec);
        return false;
    }
    return true;
}

} // namespace

std::filesystem::path ClsDIB::saveTemporaryPath(const std::filesystem::path& fileName) {
    std::filesystem::path temporary = fileName;
    temporary += ".saving";
    return temporary;
}

bool ClsDIB::SaveBMP(const std::filesystem::path& fileName) const {
    if (!pixels_ || fileName.empty() || !canReplaceFile(fileName)) {
        return false;
    }
    const int bits = ColorBit();
    const std::uint32_t tableBytes = bits <= 8 ? 4u << bits : 0u;
    const std::uint32_t offBits = kFileHeaderSize + BitmapInfoHeader::kSize + tableBytes;
    const auto dataSize = static_cast<std::uint32_t>(DataSize());

    // File header, info header and colour table, laid out without padding.
    std::vector<std::uint8_t> head(offBits);
    head[0] = 'B';
    head[1] = 'M';
    le::write32(&head[2], offBits + dataSize);
    le::write16(&head[6], 0);
    le::write16(&head[8], 0);
    le::write32(&head[10], offBits);
    const auto info = header_.toBytes();
    std::copy(info.begin(), info.end(), head.begin() + kFileHeaderSize);
    std::copy_n(colorTable_.begin(), tableBytes, head.begin() + offBits - tableBytes);

    const std::filesystem::path temporary = saveTemporaryPath(fileName);
    if (!writeFile(temporary, head.data(), head.size(), pixels_.get(), dataSize)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, fileName, ec);
    if (ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace tessaline
