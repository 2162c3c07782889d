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
    // The page height is rounded for the comparison only: 171.9 / 199.6
    // would favour the height, 171.9 / 200 (just below 1083 / 1260) the width.
    EXPECT_NEAR(printCellSize(171.9, 199.6, 100, 100, 260), 171.9 * 10 / 1083 - 0.01, 1e-9);
    // Nothing to fit on an empty page.
    EXPECT_EQ(printCellSize(0, 287, 100, 100, 302), 0);
}

TEST(ChartGeometryTest, PrintedOffsetsScaleWithTheCell) {
    const double s = 1.84;
    const ChartGeometry g = printChartGeometry(s, 210);
    EXPECT_EQ(g.surfaceWidth, 210);
    EXPECT_DOUBLE_EQ(g.cell, s);
    EXPECT_DOUBLE_EQ(g.topMargin, 11 * s / 5);
    EXPECT_DOUBLE_EQ(g.leftMargin, 40 * s / 5);
    EXPECT_DOUBLE_EQ(g.gridGap, 3 * s / 5);
    EXPECT_DOUBLE_EQ(g.legendGap, 8 * s / 5);
    EXPECT_DOUBLE_EQ(g.rowLineStart, 0.3 * 40 * s / 5);
    EXPECT_DOUBLE_EQ(g.rowNumberDx, -18.0 / 5);
    EXPECT_DOUBLE_EQ(g.rowNumberDy, -1);
    EXPECT_DOUBLE_EQ(g.letterDx, -1);
    EXPECT_DOUBLE_EQ(g.letterDy, 42.0 / 5);
    EXPECT_DOUBLE_EQ(g.digitDx, 0.5);
    EXPECT_DOUBLE_EQ(g.digitDy[0], 0.5);
    EXPECT_DOUBLE_EQ(g.digitDy[1], 3);
    EXPECT_DOUBLE_EQ(g.digitDy[2], 5.5);
    EXPECT_DOUBLE_EQ(g.symbolDx, 0.01);
    EXPECT_DOUBLE_EQ(g.blockInsetStart, 0.01);
    EXPECT_DOUBLE_EQ(g.blockInsetEnd, 0.01);
    // Notes and footer: screen pixels at 96 dpi, as the text itself.
    EXPECT_DOUBLE_EQ(g.noteDy, 18 * 25.4 / 96);
    EXPECT_DOUBLE_EQ(g.symbolNoteDx, 23 * 25.4 / 96);
    EXPECT_DOUBLE_EQ(g.footerDy, 48 * 25.4 / 96);
    EXPECT_DOUBLE_EQ(g.footerBack, 120 * 25.4 / 96);
    EXPECT_DOUBLE_EQ(g.gridResultGap, 50.0 / 5);
    EXPECT_DOUBLE_EQ(g.columnLineOverhang, 40.0 / 5);
    EXPECT_EQ(g.legend.columnWidth, 8);
    EXPECT_EQ(g.legend.lineHeight, 3);
    EXPECT_FALSE(g.swatches);
    EXPECT_TRUE(g.blocksInPatternColor);
    EXPECT_TRUE(g.symbolsForEveryKind);
    // Printed legend columns: s x gw rounded, 1.84 x 100 = 184 mm.
    EXPECT_EQ(g.legendWidth(100), 184);
    EXPECT_EQ(printChartGeometry(1.837, 210).legendWidth(100), 184); // 183.7 rounds up
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

TEST(ChartGeometryTest, HeaderTexts) {
    EXPECT_EQ(chartTitle(""), "我的绣图");
    EXPECT_EQ(chartTitle("小猫"), "小猫");
    EXPECT_EQ(chartInfoLine("DMC", 25, 120, 90), "绣线:DMC  颜色数：25   宽x高：120x90");
}

} // namespace
} // namespace tessaline
