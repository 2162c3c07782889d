#include "pattern/LegendLayout.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(PatternLegendLayout, A117CellPatternHas29ColumnsAnd28EntriesPerRow) {
    // 1170 \ 38 = 30, less one.
    EXPECT_EQ(legendColumns(1170, 38), 29);
    const LegendLayout one = screenLegendLayout(117, 28);
    EXPECT_EQ(one.columns, 29);
    EXPECT_EQ(one.entriesPerRow, 28);
    EXPECT_EQ(one.rows, 1);
    EXPECT_EQ(one.textLines(), 3);
    const LegendLayout two = screenLegendLayout(117, 29);
    EXPECT_EQ(two.rows, 2);
    EXPECT_EQ(two.textLines(), 6);
}

TEST(PatternLegendLayout, HeightAndBottom) {
    const LegendLayout two = screenLegendLayout(117, 29);
    EXPECT_EQ(legendHeight(two), 6 * 14 + 260);
    EXPECT_EQ(legendBottom(1000, two), 1000 + 14 * 8);
    const LegendLayout none = screenLegendLayout(117, 0);
    EXPECT_EQ(none.rows, 0);
    EXPECT_EQ(legendHeight(none), 260);
    EXPECT_EQ(legendBottom(1000, none), 1028);
}

TEST(PatternLegendLayout, EntryCellsFillRowsLeftToRightAfterTheHeadingColumn) {
    const LegendLayout layout = screenLegendLayout(117, 60);
    LegendCell first = legendCellOf(1, layout);
    EXPECT_EQ(first.row, 0);
    EXPECT_EQ(first.column, 1);
    EXPECT_EQ(first.firstLine, 0);
    LegendCell last = legendCellOf(28, layout);
    EXPECT_EQ(last.row, 0);
    EXPECT_EQ(last.column, 28);
    LegendCell wrap = legendCellOf(29, layout);
    EXPECT_EQ(wrap.row, 1);
    EXPECT_EQ(wrap.column, 1);
    EXPECT_EQ(wrap.firstLine, 3);
    EXPECT_EQ(legendCellOf(57, layout).row, 2);
    EXPECT_EQ(legendCellOf(0, layout).column, 1); // clamped to entry 1
}

TEST(PatternLegendLayout, NarrowPatternsStillListEveryThreadOnePerRow) {
    // 12 cells: 120 \ 38 - 1 = 2 columns, the smallest regular legend.
    EXPECT_EQ(screenLegendLayout(12, 5).entriesPerRow, 1);
    // 11 cells give 1 column and 7 cells 0: both use one entry column.
    for (int gw : {11, 8, 7, 1, 0, -4}) {
        const LegendLayout layout = screenLegendLayout(gw, 3);
        EXPECT_EQ(layout.columns, 2) << gw;
        EXPECT_EQ(layout.entriesPerRow, 1) << gw;
        EXPECT_EQ(layout.rows, 3) << gw;
        EXPECT_EQ(legendCellOf(3, layout).row, 2) << gw;
        EXPECT_EQ(legendCellOf(3, layout).column, 1) << gw;
    }
    EXPECT_EQ(legendColumns(500, 0), 2); // no division by zero
}

} // namespace
} // namespace tessaline
