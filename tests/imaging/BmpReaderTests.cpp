#include "BmpBuilder.h"
#include "DibProbe.h"
#include "TempDir.h"
#include "imaging/ClsDIB.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using test::BmpFile;
using test::pixel24;

bool load(ClsDIB& dib, const std::vector<std::uint8_t>& bytes) {
    return dib.LoadBitMapFromBytes(bytes.data(), bytes.size());
}

constexpr Color kRed = 0x000000FF, kGreen = 0x0000FF00, kBlue = 0x00FF0000;

// 1 bit, 3 x 2, bottom-up: bottom row 1 0 1, top row 0 1 1.
BmpFile oneBitFile() {
    BmpFile f;
    f.width = 3;
    f.height = 2;
    f.bits = 1;
    f.palette = {0x00FF0000, 0x000000FF}; // file order R,G,B: red, blue
    f.pixels = {0xA0, 0, 0, 0, 0x60, 0, 0, 0};
    return f;
}

TEST(LoadBitMap, OneBitBottomUp) {
    ClsDIB dib;
    ASSERT_TRUE(load(dib, oneBitFile().bytes()));
    EXPECT_EQ(dib.ColorBit(), 24);
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.DataSize(), 24);
    EXPECT_EQ(pixel24(dib, 0, 1), kBlue);
    EXPECT_EQ(pixel24(dib, 1, 1), kRed);
    EXPECT_EQ(pixel24(dib, 2, 1), kBlue);
    EXPECT_EQ(pixel24(dib, 0, 0), kRed);
    EXPECT_EQ(pixel24(dib, 1, 0), kBlue);
    EXPECT_EQ(pixel24(dib, 2, 0), kBlue);
    EXPECT_EQ(dib.DataPtr()[9], 0); // row padding stays 0
}

TEST(LoadBitMap, FourAndEightBitTopDownWithShortPalette) {
    BmpFile f;
    f.width = 3;
    f.height = -2; // top row first
    f.bits = 4;
    f.colorsUsed = 2;
    f.palette = {0x00FFFFFF, 0x0000FF00};
    f.pixels = {0x01, 0x50, 0, 0, 0x10, 0x10, 0, 0}; // index 5 lies outside the palette
    ClsDIB dib;
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(pixel24(dib, 0, 0), 0x00FFFFFF);
    EXPECT_EQ(pixel24(dib, 1, 0), kGreen);
    EXPECT_EQ(pixel24(dib, 2, 0), 0); // missing entries read as black
    EXPECT_EQ(pixel24(dib, 0, 1), kGreen);
    EXPECT_EQ(pixel24(dib, 2, 1), kGreen);

    f.bits = 8;
    f.colorsUsed = 0;
    f.palette.assign(256, 0);
    f.palette[200] = 0x00123456;
    f.pixels = {200, 0, 0, 0, 0, 0, 200, 0};
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(pixel24(dib, 1, 0), 0);
    EXPECT_EQ(pixel24(dib, 2, 1), rgb(0x12, 0x34, 0x56));
}

TEST(LoadBitMap, SixteenBitDefaultAndBitfields) {
    BmpFile f;
    f.width = 2;
    f.height = 1;
    f.bits = 16;
    // 5-5-5: pure red 0x7C00, then blue 16 of 31 (rounds to 132).
    f.pixels = {0x00, 0x7C, 0x10, 0x00};
    ClsDIB dib;
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), kRed);
    EXPECT_EQ(pixel24(dib, 1, 0), rgb(0, 0, 132));

    f.compression = 3; // 5-6-5 masks
    f.masks = {0xF800, 0x07E0, 0x001F};
    f.pixels = {0xE0, 0x07, 0x1F, 0xF8}; // green 63, then red 31 + blue 31
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), kGreen);
    EXPECT_EQ(pixel24(dib, 1, 0), rgb(255, 0, 255));

    f.headerSize = 124; // V5 header carries the masks itself
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 1, 0), rgb(255, 0, 255));
}

TEST(LoadBitMap, TwentyFourAndThirtyTwoBit) {
    BmpFile f;
    f.width = 2;
    f.height = 2;
    f.pixels = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
    ClsDIB dib;
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 1), rgb(3, 2, 1));
    EXPECT_EQ(pixel24(dib, 1, 0), rgb(12, 11, 10));

    f.bits = 32;
    f.height = -1;
    f.pixels = {1, 2, 3, 99, 4, 5, 6, 99};
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), rgb(3, 2, 1));
    EXPECT_EQ(pixel24(dib, 1, 0), rgb(6, 5, 4));

    f.compression = 3; // alpha first, then red, green, blue
    f.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
    f.pixels = {99, 1, 2, 3, 99, 4, 5, 6};
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), rgb(1, 2, 3));
}

TEST(LoadBitMap, CoreHeader) {
    BmpFile f;
    f.headerSize = 12;
    f.width = 2;
    f.height = 1;
    f.bits = 1;
    f.palette = {0x00000000, 0x0000FF00};
    f.pixels = {0x40, 0, 0, 0};
    ClsDIB dib;
    ASSERT_TRUE(load(dib, f.bytes()));
    EXPECT_EQ(pixel24(dib, 0, 0), 0);
    EXPECT_EQ(pixel24(dib, 1, 0), kGreen);
}

TEST(LoadBitMap, FromDiskAndMissingFile) {
    test::TempDir dir;
    test::writeAll(dir.path() / "a.bmp", oneBitFile().bytes());
    ClsDIB dib;
    ASSERT_TRUE(dib.LoadBitMap(dir.path() / "a.bmp"));
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_FALSE(dib.LoadBitMap(dir.path() / "none.bmp"));
    EXPECT_FALSE(dib.LoadBitMap(dir.path()));
    EXPECT_EQ(dib.Width(), 3); // a failed load keeps the picture
}

// Each case damages a valid file in one way.
TEST(LoadBitMap, MalformedFilesAreRefused) {
    const auto base = oneBitFile();
    const auto valid = base.bytes();
    auto patch32 = [&valid](std::size_t at, std::uint32_t v) {
        auto b = valid;
        for (int i = 0; i < 4; ++i) {
            b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
        return b;
    };
    std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty", {}},
        {"signature", patch32(0, 0x4D41)},
        {"pixel offset past end", patch32(10, 1000)},
        {"pixel offset inside header", patch32(10, 20)},
        {"header size unknown", patch32(14, 64)},
        {"header size past end", patch32(14, 4000)},
        {"zero width", patch32(18, 0)},
        {"negative width", patch32(18, 0xFFFFFFFD)},
        {"huge width", patch32(18, 100000)},
        {"zero height", patch32(22, 0)},
        {"most negative height", patch32(22, 0x80000000)},
        {"huge height", patch32(22, 0x7FFFFFFF)},
        {"too many rows for the data", patch32(22, 3)},
        {"planes", patch32(26, 0x00010002)},
        {"bit count 2", patch32(26, 0x00020001)},
        {"bit count 0", patch32(26, 0x00000001)},
        {"run-length compression", patch32(30, 2)},
        {"bitfields on 1 bit", patch32(30, 3)},
        {"palette larger than the depth", patch32(46, 3)},
        {"truncated pixels", {valid.begin(), valid.end() - 1}},
        {"truncated header", {valid.begin(), valid.begin() + 30}},
    };
    BmpFile noPalette = base; // palette cut off: pixels start in the header's place
    noPalette.palette.clear();
    cases.emplace_back("palette past the pixel offset", noPalette.bytes());
    BmpFile masksMissing;
    masksMissing.bits = 16;
    masksMissing.compression = 3;
    masksMissing.pixels = {};
    masksMissing.width = 1;
    masksMissing.height = 1;
    auto cut = masksMissing.bytes();
    cases.emplace_back("bitfields without masks", cut);

    for (const auto& [what, bytes] : cases) {
        ClsDIB dib;
        EXPECT_FALSE(dib.LoadBitMapFromBytes(bytes.data(), bytes.size())) << what;
        EXPECT_EQ(dib.hDC(), 0u) << what;
    }
    ClsDIB dib;
    EXPECT_FALSE(dib.LoadBitMapFromBytes(nullptr, 100));
}

} // namespace
} // namespace tessaline
