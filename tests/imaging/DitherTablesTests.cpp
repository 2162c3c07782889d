#include "imaging/DitherArithmetic.h"
#include "imaging/DitherTables.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace tessaline {
namespace {

TEST(DitherTables, MatrixIsAPermutationWithKnownCorners) {
    const auto& m = ditherMatrix();
    std::array<int, 256> seen{};
    for (auto v : m) {
        ++seen[v];
    }
    EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
    EXPECT_EQ(m[0], 0);
    EXPECT_EQ(m[1], 235);
    EXPECT_EQ(m[16], 128);
    EXPECT_EQ(m[255], 85);
    EXPECT_EQ(m[103], 255); // row 6, column 7
    EXPECT_EQ(m[15 + 16 * 6], 252);
    EXPECT_EQ(m[8 + 16 * 8], 1);
}

// Position-weighted sums pin each whole table: swapping any two thresholds
// changes the sum by (i - j) x (m[j] - m[i]), never zero, which the
// permutation check above and a few known entries would let through.
template <typename Table> std::uint64_t positionalChecksum(const Table& values) {
    std::uint64_t sum = 0;
    std::uint64_t position = 1;
    for (const auto value : values) {
        sum += position++ * value;
    }
    return sum;
}

TEST(DitherTables, EachWholeTableIsPinnedByAPositionalChecksum) {
    EXPECT_EQ(positionalChecksum(ditherMatrix()), 4203936U);
    // The three orientations the colour reductions read, rows 0 to 15.
    std::vector<int> blue;
    std::vector<int> green;
    std::vector<int> red;
    for (int y = 0; y < 16; ++y) {
        const auto t = dither::rowThresholds(y, true);
        blue.insert(blue.end(), t.blue.begin(), t.blue.end());
        green.insert(green.end(), t.green.begin(), t.green.end());
        red.insert(red.end(), t.red.begin(), t.red.end());
    }
    EXPECT_EQ(positionalChecksum(blue), 4084336U);
    EXPECT_EQ(positionalChecksum(green), 4203936U);
    EXPECT_EQ(positionalChecksum(red), 4304144U);
}

TEST(DitherTables, BitMaskAndInitHandOutTheSameTables) {
    EXPECT_EQ(bitMask(), (std::array<std::uint8_t, 8>{128, 64, 32, 16, 8, 4, 2, 1}));
    const DitherTables& tables = initDitherTables();
    EXPECT_EQ(&tables.ditherMatrix, &ditherMatrix());
    EXPECT_EQ(&tables.bitMask, &bitMask());
}

TEST(DitherArithmetic, NearestRoundsHalvesToEven) {
    EXPECT_EQ(dither::nearestEven(0.5), 0.0);
    EXPECT_EQ(dither::nearestEven(1.5), 2.0);
    EXPECT_EQ(dither::nearestEven(2.5), 2.0);
    EXPECT_EQ(dither::nearestEven(84.6), 85.0);
    EXPECT_EQ(dither::nearestEven(254.49), 254.0);
    EXPECT_EQ(dither::nearestEven(0.5f), 0.0f);
    EXPECT_EQ(dither::nearestEven(3.5f), 4.0f);
    EXPECT_EQ(dither::nearestEven(-1.5), -2.0);
}

TEST(DitherArithmetic, RotatedThresholdsReadTheMatrixInOtherOrientations) {
    // Row y = 8: blue reads index 16 x + 15 - 8, red 16 (15 - x) + 8.
    const auto t = dither::rowThresholds(8, true);
    EXPECT_EQ(t.green[0], 3);  // index 128
    EXPECT_EQ(t.blue[6], 255); // index 103
    EXPECT_EQ(t.red[9], 42);   // index 104: row 6, column 8
    const auto r7 = dither::rowThresholds(7, true);
    EXPECT_EQ(r7.red[9], 255); // 16 * 6 + 7 = 103
    const auto plain = dither::rowThresholds(8, false);
    EXPECT_EQ(plain.blue, plain.green);
    EXPECT_EQ(plain.red, plain.green);
}

} // namespace
} // namespace tessaline
