// Chart layout arithmetic: canvas size, printed cell size and offsets, and
// the label texts.
#include "pattern/ChartGeometry.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(ChartGeometryTest, CanvasIsTenPixelsPerCellPlusMargins) {
    const CanvasSize size = chartCanvasSize(117, 132, 302);
    EXPECT_EQ(size.width, 1170 + 83);
    EXPECT_EQ(size.height, 1320 + 302);
    const ChartGeometry g = screenChartGeometry(117, 132, 302);
    EXPECT_EQ(g.surfaceWidth, 1253);
    EXPECT_EQ(g.cell, 10);
    EXPECT_EQ(g.topMargin, 11);
    EXPECT_EQ(g.leftMargin, 40);
    EXPECT_EQ(g.rowLineStart, 0.3 * 40);
    EXPECT_EQ(g.legendWidth(117), 1170);
}

TEST(ChartGeometryTest, PrintedCellFitsTheNarrowerSideOfThePage) {
    // 200 x 287 mm, 100 x 100 cells, legend 260 + 42: the canvas is
    // 1083 x 1302, relatively wider than the page, so the width decides.
    EXPECT_NEAR(printCellSize(200, 287, 100, 100, 302), 200.0 * 10 / 1083 - 0.01, 1e-9);
    EXPECT_NEAR(printCellSize(200, 287, 100, 100, 302), 1.8367, 1e-4);
    // A landscape page is relatively wider than the chart: the height decides.
    EXPECT_NEAR(printCellSize(287, 200, 100, 100, 302), 200.0 * 10 / 1302 - 0.01, 1e-9);
    // Near the balance the side with less room decides: 171.9 / 199.6 mm
    // leaves the height short by a hair.
    EXPECT_NEAR(printCellSize(171.9, 199.6, 100, 100, 260), 199.6 * 10 / 1260 - 0.01, 1e-9);
    // Nothing to fit on an empty page.
    EXPECT_EQ(printCellSize(0, 287, 100, 100, 302), 0);
}

TEST(ChartGeometryTest, PrintedLayoutIsTheCanvasScaledToTheCell) {
    const double s = 1.84;
    const double k = s / 10;
    const ChartGeometry g = printChartGeometry(s, 210);
    EXPECT_EQ(g.surfaceWidth, 210);
    EXPECT_DOUBLE_EQ(g.cell, s);
    EXPECT_DOUBLE_EQ(g.topMargin, 11 * s / 5);
    EXPECT_DOUBLE_EQ(g.leftMargin, 40 * s / 5);
    EXPECT_DOUBLE_EQ(g.gridGap, 3 * s / 5);
    EXPECT_DOUBLE_EQ(g.legendGap, 8 * s / 5);
    // Numbering, legend and notes shrink with the cell like the grid.
    EXPECT_DOUBLE_EQ(g.digitDy[2], 22 * k);
    EXPECT_DOUBLE_EQ(g.gridResultGap, 50 * k);
    EXPECT_DOUBLE_EQ(g.legendColumnWidth(), 38 * k);
    EXPECT_DOUBLE_EQ(g.legendLineHeight(), 14 * k);
    EXPECT_DOUBLE_EQ(g.footerDy, 48 * k);
    // Legend columns are counted as on the canvas: 10 x gw.
    EXPECT_EQ(g.legendWidth(100), 1000);
    EXPECT_EQ(printChartGeometry(0.837, 210).legendWidth(230), 2300);
    EXPECT_TRUE(g.fitTexts);
    EXPECT_FALSE(g.swatches);
    EXPECT_TRUE(g.blocksInPatternColor);
    EXPECT_TRUE(g.symbolsForEveryKind);
}

TEST(ChartGeometryTest, RowNumbersRestartInEveryBlock) {
    EXPECT_EQ(rowNumberText(0, 10), "01");
    EXPECT_EQ(rowNumberText(9, 10), "10");
    EXPECT_EQ(rowNumberText(10, 10), "01");
    EXPECT_EQ(rowNumberText(5, 6), "06");
    EXPECT_EQ(rowNumberText(6, 6), "01");
    EXPECT_EQ(rowNumberText(15, 16), "16");
    // A block size below 1 cannot divide: every row is its own block.
    EXPECT_EQ(rowNumberText(7, 0), "01");
}

TEST(ChartGeometryTest, BlockLettersAndColumnDigits) {
    EXPECT_EQ(blockLetterText(1), "A");
    EXPECT_EQ(blockLetterText(2), "B");
    EXPECT_EQ(blockLetterText(26), "Z");
    EXPECT_EQ(blockLetterText(27), "[");
    EXPECT_EQ(blockLetterText(53), "u");
    EXPECT_EQ(columnDigitsText(0), "001");
    EXPECT_EQ(columnDigitsText(119), "120");
    EXPECT_EQ(columnDigitsText(319), "320");
}

} // namespace
} // namespace tessaline
