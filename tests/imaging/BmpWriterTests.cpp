#include "DibProbe.h"
#include "TempDir.h"
#include "imaging/ClsDIB.h"

#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace tessaline {
namespace {

using test::readAll;
using test::TempDir;
using test::writeAll;

std::uint32_t at32(const std::vector<std::uint8_t>& b, std::size_t i) {
    return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<std::uint32_t>(b[i + 3]) << 24);
}

TEST(SaveBMP, OneBitThreeByOneIsSixtySixBytes) {
    TempDir dir;
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(3, 1, 1, true));
    dib.SetColorTable(1, 0x00FFFFFF);
    dib.DataPtr()[0] = 0xA0; // pixels 0 and 2 white
    const auto file = dir.path() / "one.bmp";
    ASSERT_TRUE(dib.SaveBMP(file));

    const std::vector<std::uint8_t> expected = {
        'B',  'M', 66, 0, 0,   0,   0,   0, 0, 0, 62, 0, 0, 0, // file header
        40,   0,   0,  0, 3,   0,   0,   0, 1, 0, 0,  0, 1, 0,
        1,    0, // size, width, height, planes, bits
        0,    0,   0,  0, 4,   0,   0,   0, 0, 0, 0,  0, 0, 0,
        0,    0,                            // compression, size image, ppm
        0,    0,   0,  0, 0,   0,   0,   0, // colours used, important
        0,    0,   0,  0, 255, 255, 255, 0, // black, white
        0xA0, 0,   0,  0};                  // the one padded row
    EXPECT_EQ(readAll(file), expected);
}

TEST(SaveBMP, TwentyFourBitHasNoColourTableAndBottomUpRows) {
    TempDir dir;
    ClsDIB dib = test::solid(2, 2, rgb(10, 20, 30));
    dib.DataPtr()[0] = 99; // bottom-left blue byte comes first in the file
    const auto file = dir.path() / "rgb.bmp";
    ASSERT_TRUE(dib.SaveBMP(file));
    const auto bytes = readAll(file);
    ASSERT_EQ(bytes.size(), 54u + 16u);
    EXPECT_EQ(at32(bytes, 2), 70u);
    EXPECT_EQ(at32(bytes, 10), 54u);
    EXPECT_EQ(at32(bytes, 14), 40u);
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(at32(bytes, 34), 16u);
    EXPECT_EQ((std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 62)),
              (std::vector<std::uint8_t>{99, 20, 10, 30, 20, 10, 0, 0}));
}

TEST(BmpFromRgb32, GivesTheBytesOfATwentyFourBitBufferOfThePicture) {
    // Every padding (widths 1 to 4), rows with unused words at their end,
    // and alpha bytes that must not leak into the file.
    for (int width = 1; width <= 5; ++width) {
        const int height = 3;
        const std::ptrdiff_t wordsPerLine = width + 2;
        std::vector<std::uint32_t> rows(static_cast<std::size_t>(wordsPerLine * height),
                                        0x5A123456u);
        ClsDIB dib;
        ASSERT_TRUE(dib.Create(width, height, 24, true));
        std::span<std::uint8_t> bytes;
        const int stride = dib.MapArray(bytes);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::uint8_t red = static_cast<std::uint8_t>(40 * x + y);
                const std::uint8_t green = static_cast<std::uint8_t>(255 - 30 * y - x);
                const std::uint8_t blue = static_cast<std::uint8_t>(7 * x * y + 3);
                rows[static_cast<std::size_t>(y * wordsPerLine + x)] =
                    (static_cast<std::uint32_t>(0x80 + x) << 24) | (red << 16) | (green << 8) |
                    blue;
                std::uint8_t* pixel =
                    &bytes[static_cast<std::size_t>((height - 1 - y) * stride + 3 * x)];
                pixel[0] = blue;
                pixel[1] = green;
                pixel[2] = red;
            }
        }
        EXPECT_EQ(ClsDIB::bmpBytesFromRgb32(width, height, rows.data(), wordsPerLine),
                  dib.bmpBytes())
            << width;
    }
    const std::uint32_t one = 0;
    EXPECT_TRUE(ClsDIB::bmpBytesFromRgb32(0, 1, &one, 1).empty());
    EXPECT_TRUE(ClsDIB::bmpBytesFromRgb32(1, 1, nullptr, 1).empty());
    EXPECT_TRUE(ClsDIB::bmpBytesFromRgb32(40000, 40000, &one, 0).empty()); // beyond 31 bits
}

TEST(SaveBMP, EightBitWritesAllTableEntriesAndReadsBack) {
    TempDir dir;
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(3, 2, 8, true));
    dib.SetColorTable(0, 0x00336699);
    dib.SetColorTable(200, 0x000000FF);
    dib.DataPtr()[0] = 200; // bottom-left pixel
    const auto file = dir.path() / "indexed.bmp";
    ASSERT_TRUE(dib.SaveBMP(file));
    const auto bytes = readAll(file);
    ASSERT_EQ(bytes.size(), 54u + 1024u + 8u);
    EXPECT_EQ(at32(bytes, 10), 1078u);
    EXPECT_EQ(at32(bytes, 54), 0x00996633u); // blue, green, red, 0 of 0x00336699
    EXPECT_EQ(at32(bytes, 54 + 4 * 200), 0x00FF0000u);
    EXPECT_EQ(at32(bytes, 54 + 4 * 255), 0u); // untouched entries are black

    ClsDIB loaded;
    ASSERT_TRUE(loaded.LoadBitMap(file));
    EXPECT_EQ(loaded.ColorBit(), 24);
    EXPECT_EQ(test::pixel24(loaded, 0, 1), 0x000000FF);
    EXPECT_EQ(test::pixel24(loaded, 2, 0), 0x00336699);
}

TEST(SaveBMP, EmptyBufferFailsAndLeavesTheFileAlone) {
    TempDir dir;
    const auto file = dir.path() / "keep.bmp";
    writeAll(file, {1, 2, 3});
    ClsDIB empty;
    EXPECT_FALSE(empty.SaveBMP(file));
    EXPECT_EQ(readAll(file), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(empty.SaveBMP(dir.path() / "new.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "new.bmp"));
}

TEST(SaveBMP, UncreatableTargetsFailWithoutLeavingFiles) {
    TempDir dir;
    ClsDIB dib = test::solid(2, 2, 0);
    writeAll(dir.path() / "plain", {7});
    // A regular file where a folder should be, and a missing folder.
    EXPECT_FALSE(dib.SaveBMP(dir.path() / "plain" / "x.bmp"));
    EXPECT_FALSE(dib.SaveBMP(dir.path() / "missing" / "x.bmp"));
    // A folder in place of the file.
    std::filesystem::create_directory(dir.path() / "folder.bmp");
    EXPECT_FALSE(dib.SaveBMP(dir.path() / "folder.bmp"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "folder.bmp"));
    EXPECT_FALSE(dib.SaveBMP(""));
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u); // only "plain" and "folder.bmp"
}

} // namespace
} // namespace tessaline
