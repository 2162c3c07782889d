#pragma once
// Arithmetic of the legend grid under the chart, shared by the screen canvas
// and the printed page. Pure functions: no drawing here.

namespace tessaline {

// Grid of one legend: column width and line height in the drawing unit.
struct LegendMetrics {
    int columnWidth;
    int lineHeight;
};
// In canvas pixels; the printout scales them with its cell pitch.
inline constexpr LegendMetrics kScreenLegendMetrics{38, 14};

// Each legend row has three text lines: symbol, thread number, amount.
inline constexpr int kLegendLinesPerRow = 3;
// Room below the legend grid for the notes and the footer (screen pixels).
inline constexpr int kLegendNotesHeight = 260;
// Pixels per cell on the screen canvas.
inline constexpr int kChartCellPixels = 10;

struct LegendLayout {
    // Grid columns P, the heading column 0 included; entries use 1..P-1.
    int columns = 2;
    // Entries per legend row (P - 1, never less than 1).
    int entriesPerRow = 1;
    // Legend rows R (0 when there are no entries).
    int rows = 0;
    // Text lines of the grid: 3R.
    int textLines() const { return kLegendLinesPerRow * rows; }
};

// Where legend entry k (1-based) sits: its row, its grid column (1..P-1)
// and the first of its three text lines.
struct LegendCell {
    int row = 0;
    int column = 1;
    int firstLine = 0;
};

// Columns that fit in `width` less one: P = width \ columnWidth - 1. When
// fewer than two would fit, two are used (headings plus one entry column)
// so every thread is still listed.
int legendColumns(int width, int columnWidth);

// Layout for `entryCount` entries under a chart `width` units wide.
LegendLayout legendLayout(int width, int entryCount, LegendMetrics metrics);

// The screen legend under a chart of `gw` cells (width 10 x gw pixels).
LegendLayout screenLegendLayout(int gw, int entryCount);

// Canvas height reserved below the chart: 3R x 14 + 260 on screen.
int legendHeight(const LegendLayout& layout, int lineHeight = kScreenLegendMetrics.lineHeight);

// The y below the legend grid, where the notes go: top + lineHeight x (3R + 2).
int legendBottom(int legendTop, const LegendLayout& layout,
                 int lineHeight = kScreenLegendMetrics.lineHeight);

// Grid place of entry k (1-based); k outside 1.. is clamped to 1.
LegendCell legendCellOf(int k, const LegendLayout& layout);

} // namespace tessaline
