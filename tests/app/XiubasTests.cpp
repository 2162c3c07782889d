#include "app/Color.h"
#include "app/NumberedName.h"
#include "app/Xiubas.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(ColorBytes, TakeTheLowestThreeBytesApart) {
    EXPECT_EQ(getRed(0x00123456), 0x56);
    EXPECT_EQ(getGreen(0x00123456), 0x34);
    EXPECT_EQ(getBlue(0x00123456), 0x12);
    EXPECT_EQ(rgb(0x56, 0x34, 0x12), 0x00123456);
}

TEST(SharedState, ClearPatternMatrixWhitensEveryCellIncludingTheLastRowAndColumn) {
    auto state = std::make_unique<Xiubas>();
    state->patternMatrix(5, 7) = 0x123456;
    state->clearPatternMatrix();
    for (int i = 0; i <= 320; ++i) {
        ASSERT_EQ(state->patternMatrix(i, 320), kWhite);
        ASSERT_EQ(state->patternMatrix(320, i), kWhite);
        ASSERT_EQ(state->patternMatrix(i, i), kWhite);
    }
    EXPECT_EQ(state->reduceStrength, 1600);
    EXPECT_EQ(state->gridSize, 10);
}

TEST(SharedState, MatrixIndexesColumnThenRow) {
    auto state = std::make_unique<Xiubas>();
    state->patternMatrix(3, 1) = 42;
    EXPECT_EQ(state->patternMatrix(3, 1), 42);
    EXPECT_EQ(state->patternMatrix(1, 3), 0);
}

TEST(NumberedName, PadsToThreeDigitsAndGrowsPastThem) {
    EXPECT_EQ(numberedName("xiaoguo", 1, ".bmp"), "xiaoguo001.bmp");
    EXPECT_EQ(numberedName("myxiu", 42, ".bmp"), "myxiu042.bmp");
    EXPECT_EQ(numberedName("xiaoguo", 999, ".bmp"), "xiaoguo999.bmp");
    EXPECT_EQ(numberedName("xiaoguo", 1000, ".bmp"), "xiaoguo1000.bmp");
}

} // namespace
} // namespace tessaline
