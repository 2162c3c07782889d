// Reductions checked against values worked out by hand from the threshold
// matrix: T at column c, row r is the matrix entry c + 16 r.
#include "DibProbe.h"
#include "imaging/ClsDIB.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tessaline {
namespace {

using test::index;
using test::solid;

// How often each output index occurs in the top-left 16 x 16 tile.
std::map<int, int> tileHistogram(ClsDIB& dib) {
    std::map<int, int> counts;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            ++counts[index(dib, x, y)];
        }
    }
    return counts;
}

TEST(ddGet1Bit, WhiteTileHasOneBlackPixelWhereTheThresholdIs255) {
    ClsDIB src = solid(20, 18, 0x00FFFFFF);
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet1Bit(src));
    EXPECT_EQ(dst.ColorBit(), 1);
    EXPECT_EQ(dst.Width(), 20);
    EXPECT_EQ(dst.GetColorTable(0), 0);
    EXPECT_EQ(dst.GetColorTable(1), 0x00FFFFFF);
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 20; ++x) {
            EXPECT_EQ(index(dst, x, y), (x == 7 && y == 6) ? 0 : 1) << x << "," << y;
        }
    }
    // The last byte of a row holds pixels 16 ... 19 in its top bits.
    EXPECT_EQ(dst.DataPtr()[2], 0xF0);
    EXPECT_EQ(dst.DataPtr()[3], 0x00);
}

TEST(ddGet1Bit, MidGreyIsHalfWhite) {
    ClsDIB src = solid(16, 16, rgb(128, 128, 128));
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet1Bit(src));
    EXPECT_EQ(tileHistogram(dst)[1], 128);
    EXPECT_EQ(index(dst, 0, 0), 1);  // T = 0
    EXPECT_EQ(index(dst, 1, 0), 0);  // T = 235
    EXPECT_EQ(index(dst, 0, 1), 0);  // T = 128 is not below 128
    EXPECT_EQ(index(dst, 5, 15), 1); // T = 103
}

TEST(ddGet2Bit, LevelsAroundEightyFive) {
    ClsDIB dst;
    // Y = 0.299 * 85 + 0.587 * 85 + 0.114 * 81 = 84.544 rounds to 85:
    // level 1, f negative, never raised.
    ASSERT_TRUE(dst.ddGet2Bit(solid(16, 16, rgb(85, 85, 81))));
    EXPECT_EQ(dst.ColorBit(), 4);
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{1, 256}}));
    // Grey 86: level 1, f = 256 / 85 = 3.01 raises where T is 0 ... 3.
    ASSERT_TRUE(dst.ddGet2Bit(solid(16, 16, rgb(86, 86, 86))));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{1, 252}, {2, 4}}));
    // Grey 84: level 0, f = 84 * 256 / 85 = 252.98 raises unless T >= 253.
    ASSERT_TRUE(dst.ddGet2Bit(solid(16, 16, rgb(84, 84, 84))));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{0, 3}, {1, 253}}));
    EXPECT_EQ(index(dst, 7, 6), 0); // T = 255
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(dst.GetColorTable(i), rgb(85 * i, 85 * i, 85 * i));
    }
    EXPECT_EQ(dst.GetColorTable(4), 0);
    ASSERT_TRUE(dst.ddGet2Bit(solid(3, 1, 0x00FFFFFF)));
    EXPECT_EQ(dst.DataPtr()[0], 0x33);
    EXPECT_EQ(dst.DataPtr()[1], 0x30); // odd width: low nibble left 0
}

TEST(ddGet4Bit, SixteenGreys) {
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet4Bit(solid(16, 16, rgb(17, 17, 17))));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{1, 256}}));
    // Grey 18: level 1, f = 256 / 17 = 15.06 raises where T is 0 ... 15.
    ASSERT_TRUE(dst.ddGet4Bit(solid(16, 16, rgb(18, 18, 18))));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{1, 240}, {2, 16}}));
    EXPECT_EQ(dst.GetColorTable(15), 0x00FFFFFF);
    EXPECT_EQ(dst.GetColorTable(3), rgb(51, 51, 51));
    ASSERT_TRUE(dst.ddGet4Bit(solid(1, 2, 0x00FFFFFF)));
    EXPECT_EQ(dst.DataPtr()[0], 0xF0);
    EXPECT_EQ(dst.DataPtr()[4], 0xF0);
}

TEST(ddGet3Bit, ChannelsSetTheirBits) {
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet3Bit(solid(16, 16, rgb(255, 0, 0)), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{1, 256}}));
    ASSERT_TRUE(dst.ddGet3Bit(solid(16, 16, rgb(0, 255, 255)), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{6, 256}}));
    ASSERT_TRUE(dst.ddGet3Bit(solid(16, 16, 0x00FFFFFF), false));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{7, 256}}));
    // Green 128 scales to 128: set where T < 128, half of the tile.
    ASSERT_TRUE(dst.ddGet3Bit(solid(16, 16, rgb(0, 128, 0)), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{0, 128}, {2, 128}}));
    EXPECT_EQ(dst.GetColorTable(5), rgb(255, 0, 255));
    EXPECT_EQ(dst.GetColorTable(6), rgb(0, 255, 255));
    EXPECT_EQ(dst.GetColorTable(8), 0);
}

TEST(ddGet216C, LevelsTableAndRotation) {
    ClsDIB dst;
    // Exact multiples of 51 are never raised: 36 * 3 + 6 * 2 + 1.
    ASSERT_TRUE(dst.ddGet216C(solid(16, 16, rgb(51, 102, 153)), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{121, 256}}));
    ASSERT_TRUE(dst.ddGet216C(solid(16, 16, 0x00FFFFFF), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{215, 256}}));
    // Blue 254: level 4, f = 50 * 256 / 51 = 250.98, so T 251 ... 255 keep 4.
    ASSERT_TRUE(dst.ddGet216C(solid(16, 16, rgb(0, 0, 254)), false));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{144, 5}, {180, 251}}));
    EXPECT_EQ(index(dst, 7, 6), 144);
    // Rotated, blue reads index 16 x + 15 - y: 255 sits at x = 6, y = 8.
    ASSERT_TRUE(dst.ddGet216C(solid(16, 16, rgb(0, 0, 254)), true));
    EXPECT_EQ(index(dst, 6, 8), 144);
    EXPECT_EQ(index(dst, 7, 6), 180);
    // ... and red reads 16 (15 - x) + y: 255 at x = 9, y = 7.
    ASSERT_TRUE(dst.ddGet216C(solid(16, 16, rgb(254, 0, 0)), true));
    EXPECT_EQ(index(dst, 9, 7), 4);
    EXPECT_EQ(tileHistogram(dst)[5], 251);

    EXPECT_EQ(dst.GetColorTable(100), rgb(204, 204, 102));
    EXPECT_EQ(dst.GetColorTable(215), 0x00FFFFFF);
    EXPECT_EQ(dst.GetColorTable(1), rgb(51, 0, 0));
    EXPECT_EQ(dst.GetColorTable(216), 0);
    EXPECT_EQ(dst.GetColorTable(255), 0);
}

TEST(ddGet8Bit, LevelsAndTable) {
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet8Bit(solid(16, 16, 0x00FFFFFF), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{255, 256}}));
    // Blue 73: 73 / 36.42857 = 2.004, f = 1.004 raises where T is 0 or 1.
    ASSERT_TRUE(dst.ddGet8Bit(solid(16, 16, rgb(0, 0, 73)), false));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{64, 254}, {96, 2}}));
    EXPECT_EQ(index(dst, 0, 0), 96);
    EXPECT_EQ(index(dst, 8, 8), 96);
    // Red 170 = 2 * 85 exactly; green 255 is the top level 7.
    ASSERT_TRUE(dst.ddGet8Bit(solid(16, 16, rgb(170, 255, 0)), true));
    EXPECT_EQ(tileHistogram(dst), (std::map<int, int>{{28 + 2, 256}}));

    EXPECT_EQ(dst.GetColorTable(77), rgb(85, 109, 73));
    const int steps[] = {0, 36, 73, 109, 146, 182, 219, 255};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dst.GetColorTable(32 * i), rgb(0, 0, steps[i]));
        EXPECT_EQ(dst.GetColorTable(4 * i + 3), rgb(255, steps[i], 0));
    }
}

TEST(ddGet16Bit, RequantisesEachChannel) {
    ClsDIB dst;
    ASSERT_TRUE(dst.ddGet16Bit(solid(16, 16, 0x00FFFFFF), true));
    EXPECT_EQ(dst.ColorBit(), 24);
    EXPECT_EQ(test::pixel24(dst, 3, 3), 0x00FFFFFF);
    ASSERT_TRUE(dst.ddGet16Bit(solid(16, 16, 0), true));
    for (int i = 0; i < dst.DataSize(); ++i) {
        ASSERT_EQ(dst.DataPtr()[i], 0);
    }
    // Green 4 is below one step of 4.047619: f = 252.99, written 4 unless
    // T >= 253. Blue 8 below 8.225806: f = 248.96, written 8 unless T >= 249.
    ASSERT_TRUE(dst.ddGet16Bit(solid(16, 16, rgb(0, 4, 8)), false));
    int green4 = 0, blue8 = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Color c = test::pixel24(dst, x, y);
            green4 += getGreen(c) == 4;
            blue8 += getBlue(c) == 8;
            EXPECT_EQ(getRed(c), 0);
        }
    }
    EXPECT_EQ(green4, 253);
    EXPECT_EQ(blue8, 249);
    EXPECT_EQ(test::pixel24(dst, 7, 6), 0); // T = 255
    // Blue 25 is level 3 with f = 10.04, raised at T = 0: 4 steps are
    // 32.90, written 33.
    ASSERT_TRUE(dst.ddGet16Bit(solid(1, 1, rgb(0, 0, 25)), false));
    EXPECT_EQ(dst.DataPtr()[0], 33);
    EXPECT_EQ(dst.DataPtr()[3], 0); // padding
}

TEST(Reductions, BlackGivesZeroBytesInEveryMode) {
    const ClsDIB src = solid(5, 3, 0);
    ClsDIB dst;
    const std::function<bool()> modes[] = {
        [&] { return dst.ddGet1Bit(src); },       [&] { return dst.ddGet2Bit(src); },
        [&] { return dst.ddGet3Bit(src, true); }, [&] { return dst.ddGet4Bit(src); },
        [&] { return dst.ddGet8Bit(src, true); }, [&] { return dst.ddGet216C(src, true); },
        [&] { return dst.ddGet16Bit(src, true); }};
    const int depths[] = {1, 4, 4, 4, 8, 8, 24};
    for (int mode = 0; mode < 7; ++mode) {
        ASSERT_TRUE(modes[mode]());
        EXPECT_EQ(dst.ColorBit(), depths[mode]);
        EXPECT_EQ(dst.Width(), 5);
        EXPECT_EQ(dst.Height(), 3);
        for (int i = 0; i < dst.DataSize(); ++i) {
            EXPECT_EQ(dst.DataPtr()[i], 0) << "mode " << mode << " byte " << i;
        }
    }
}

TEST(Reductions, RefuseSourcesThatAreNot24Bit) {
    ClsDIB target = solid(2, 2, rgb(9, 9, 9));
    ClsDIB eight;
    ASSERT_TRUE(eight.Create(4, 4, 8, true));
    ClsDIB one;
    ASSERT_TRUE(one.Create(4, 4, 1, true));
    ClsDIB empty;
    for (ClsDIB* src : {&eight, &one, &empty}) {
        EXPECT_FALSE(target.ddGet1Bit(*src));
        EXPECT_FALSE(target.ddGet2Bit(*src));
        EXPECT_FALSE(target.ddGet3Bit(*src, true));
        EXPECT_FALSE(target.ddGet4Bit(*src));
        EXPECT_FALSE(target.ddGet8Bit(*src, true));
        EXPECT_FALSE(target.ddGet216C(*src, true));
        EXPECT_FALSE(target.ddGet16Bit(*src, true));
    }
    EXPECT_EQ(target.ColorBit(), 24);
    EXPECT_EQ(test::pixel24(target, 1, 1), rgb(9, 9, 9));
}

TEST(Reductions, SourceMayBeTheTargetItself) {
    ClsDIB dib = solid(3, 2, 0x00FFFFFF);
    ASSERT_TRUE(dib.ddGet216C(dib, true));
    EXPECT_EQ(dib.ColorBit(), 8);
    EXPECT_EQ(index(dib, 2, 1), 215);
}

} // namespace
} // namespace tessaline
