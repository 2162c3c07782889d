#include "imaging/ClsDIB.h"

#include "imaging/LittleEndian.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace tessaline {

std::array<std::uint8_t, BitmapInfoHeader::kSize> BitmapInfoHeader::toBytes() const {
    std::array<std::uint8_t, kSize> out{};
    std::uint8_t* p = out.data();
    le::write32(p + 0, biSize);
    le::write32(p + 4, static_cast<std::uint32_t>(biWidth));
    le::write32(p + 8, static_cast<std::uint32_t>(biHeight));
    le::write16(p + 12, biPlanes);
    le::write16(p + 14, biBitCount);
    le::write32(p + 16, biCompression);
    le::write32(p + 20, biSizeImage);
    le::write32(p + 24, static_cast<std::uint32_t>(biXPelsPerMeter));
    le::write32(p + 28, static_cast<std::uint32_t>(biYPelsPerMeter));
    le::write32(p + 32, biClrUsed);
    le::write32(p + 36, biClrImportant);
    return out;
}

void ClsDIB::FreeDeleter::operator()(std::uint8_t* p) const noexcept {
    std::free(p);
}

ClsDIB::ClsDIB(ClsDIB&& other) noexcept
    : header_(std::exchange(other.header_, BitmapInfoHeader{})), pixels_(std::move(other.pixels_)),
      colorTable_(other.colorTable_) {}

ClsDIB& ClsDIB::operator=(ClsDIB&& other) noexcept {
    if (this != &other) {
        header_ = std::exchange(other.header_, BitmapInfoHeader{});
        pixels_ = std::move(other.pixels_);
        colorTable_ = other.colorTable_;
    }
    return *this;
}

namespace {

int colorTableEntries(std::int32_t bits) {
    return bits >= 1 && bits <= 8 ? 1 << bits : 0;
}

} // namespace

Color ClsDIB::GetColorTable(std::int32_t index) const {
    if (!pixels_ || index < 0 || index >= colorTableEntries(ColorBit())) {
        return 0;
    }
    const std::uint8_t* entry = &colorTable_[static_cast<std::size_t>(index) * 4];
    return rgb(entry[2], entry[1], entry[0]);
}

bool ClsDIB::SetColorTable(std::int32_t index, Color c) {
    if (!pixels_ || index < 0 || index >= colorTableEntries(ColorBit())) {
        return false;
    }
    std::uint8_t* entry = &colorTable_[static_cast<std::size_t>(index) * 4];
    entry[0] = getBlue(c);
    entry[1] = getGreen(c);
    entry[2] = getRed(c);
    entry[3] = 0;
    return true;
}

bool ClsDIB::Create(std::int32_t width, std::int32_t height, std::int32_t cbit, bool clsMap) {
    Free();
    if (!isSupportedBitCount(cbit) || width <= 0 || height <= 0) {
        return false;
    }
    const std::int64_t dataSize = dibStride(width, cbit) * height;
    if (dataSize > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    // calloc hands out zeroed memory (cheaply for large blocks), which keeps
    // the row padding 0 as a fresh DIB section has it.
    auto* memory = static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(dataSize), 1));
    if (memory == nullptr) {
        return false;
    }
    pixels_.reset(memory);
    header_ = BitmapInfoHeader::forPixels(width, height, static_cast<std::uint16_t>(cbit),
                                          static_cast<std::uint32_t>(dataSize));
    colorTable_.fill(0);
    if (clsMap) {
        Cls();
    }
    return true;
}

void ClsDIB::Free() {
    pixels_.reset();
    header_ = BitmapInfoHeader{};
    colorTable_.fill(0);
}

void ClsDIB::Cls() {
    if (pixels_) {
        std::memset(pixels_.get(), 0, static_cast<std::size_t>(DataSize()));
    }
}

std::int32_t ClsDIB::MapArray(std::span<std::uint8_t>& a) {
    if (!pixels_) {
        a = {};
        return 0;
    }
    a = std::span<std::uint8_t>(pixels_.get(), static_cast<std::size_t>(DataSize()));
    return DataSize() / Height();
}

std::int32_t ClsDIB::MapArray(std::span<const std::uint8_t>& a) const {
    if (!pixels_) {
        a = {};
        return 0;
    }
    a = std::span<const std::uint8_t>(pixels_.get(), static_cast<std::size_t>(DataSize()));
    return DataSize() / Height();
}

} // namespace tessaline
