#pragma once
// ClsDIB: the program's pixel buffer. A device-independent bitmap held in
// plain memory: a 40-byte header, rows padded to four bytes and stored
// bottom-up, and for 1, 4 and 8 bits a colour table of 2^bits entries
// (blue, green, red, 0). It also reads and writes BMP files and carries the
// seven ordered-dither colour reductions.
#include "app/Color.h"
#include "imaging/BitmapHeader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

namespace tessaline {

class ClsDIB {
  public:
    // Largest picture LoadBitMap accepts, in either direction.
    static constexpr std::int32_t kMaxLoadDimension = 16384;

    ClsDIB() = default;
    ~ClsDIB() = default;
    ClsDIB(const ClsDIB&) = delete;
    ClsDIB& operator=(const ClsDIB&) = delete;
    ClsDIB(ClsDIB&& other) noexcept;
    ClsDIB& operator=(ClsDIB&& other) noexcept;

    // A non-zero token naming the allocation while the buffer holds pixels,
    // 0 when it is empty.
    std::uintptr_t hDC() const { return reinterpret_cast<std::uintptr_t>(pixels_.get()); }
    std::int32_t DataSize() const { return static_cast<std::int32_t>(header_.biSizeImage); }
    std::int32_t Width() const { return header_.biWidth; }
    std::int32_t Height() const { return header_.biHeight; }
    std::int32_t ColorBit() const { return header_.biBitCount; }
    std::uint8_t* DataPtr() { return pixels_.get(); }
    const std::uint8_t* DataPtr() const { return pixels_.get(); }
    const BitmapInfoHeader& header() const { return header_; }

    // Entry Index of the colour table as 0x00BBGGRR; 0 when there is no
    // such entry.
    Color GetColorTable(std::int32_t index) const;
    // Writes entry Index from a 0x00BBGGRR colour; false when the buffer has
    // no colour table or the entry does not exist.
    bool SetColorTable(std::int32_t index, Color c);

    // Allocates width x height pixels of cbit bits (1, 4, 8, 16, 24, 32) with
    // a black colour table. Pixel bytes, padding included, start at 0, so
    // clsMap only matters as a request to clear. False (and empty) for an
    // unsupported depth, a size that is not positive, or a buffer whose size
    // does not fit 31 bits.
    bool Create(std::int32_t width, std::int32_t height, std::int32_t cbit, bool clsMap);
    void Free();
    // Sets every pixel byte to 0.
    void Cls();

    // Attaches `a` to the pixel bytes (bottom row first) and returns the
    // stride; an empty buffer gives an empty view and 0. The view is valid
    // until the buffer is freed or re-created.
    std::int32_t MapArray(std::span<std::uint8_t>& a);
    std::int32_t MapArray(std::span<const std::uint8_t>& a) const;
    static void UnMapArray(std::span<std::uint8_t>& a) { a = {}; }
    static void UnMapArray(std::span<const std::uint8_t>& a) { a = {}; }

    // Reads a BMP file (1, 4, 8, 16, 24 or 32 bits, bottom-up or top-down,
    // uncompressed or with bit fields) into a 24-bit buffer of the file's
    // size. A missing, malformed or oversized file gives false and leaves
    // the buffer as it was.
    bool LoadBitMap(const std::filesystem::path& fileName);
    bool LoadBitMapFromBytes(const std::uint8_t* data, std::size_t size);

    // The buffer as a BMP file: file header, this header, the colour table
    // for 8 bits or fewer, the pixel rows. Empty for an empty buffer.
    std::vector<std::uint8_t> bmpBytes() const;
    // The BMP file bmpBytes() gives for a 24-bit buffer of this picture,
    // made straight from 32-bit rows: each pixel a 0xAARRGGBB word (alpha
    // ignored), as Qt's RGB32 images hold them, the top row at `topRow` and
    // each next one `wordsPerLine` words on. One pass into the file's one
    // buffer; empty for a size that is not positive or does not fit 31 bits.
    static std::vector<std::uint8_t> bmpBytesFromRgb32(std::int32_t width, std::int32_t height,
                                                       const std::uint32_t* topRow,
                                                       std::ptrdiff_t wordsPerLine);
    // Writes bmpBytes() through the program's output files: the file is
    // replaced only once complete. False for an empty buffer (file
    // untouched) or any write failure.
    bool SaveBMP(const std::filesystem::path& fileName) const;

    // Ordered-dither reductions of a 24-bit source into this buffer, which is
    // re-created each time. False, with this buffer untouched, when the
    // source is not 24-bit. ddRotate gives each channel its own orientation
    // of the threshold matrix.
    bool ddGet1Bit(const ClsDIB& srcDIB);                 // 1 bit, black and white
    bool ddGet2Bit(const ClsDIB& srcDIB);                 // 4 bits, 4 greys
    bool ddGet3Bit(const ClsDIB& srcDIB, bool ddRotate);  // 4 bits, 8 colours
    bool ddGet4Bit(const ClsDIB& srcDIB);                 // 4 bits, 16 greys
    bool ddGet8Bit(const ClsDIB& srcDIB, bool ddRotate);  // 8 bits, 8 x 8 x 4 cube
    bool ddGet216C(const ClsDIB& srcDIB, bool ddRotate);  // 8 bits, 6 x 6 x 6 cube
    bool ddGet16Bit(const ClsDIB& srcDIB, bool ddRotate); // 24 bits, 32 x 64 x 32 levels

  private:
    struct FreeDeleter {
        void operator()(std::uint8_t* p) const noexcept;
    };

    BitmapInfoHeader header_{};
    std::unique_ptr<std::uint8_t[], FreeDeleter> pixels_;
    // Blue, green, red, 0 per entry; 2^bits entries are in use.
    std::array<std::uint8_t, 4 * 256> colorTable_{};
};

} // namespace tessaline
