#pragma once
// Where the parts of a chart go, as numbers only: the same painter draws the
// screen canvas (pixels, 10 per cell) and the printed page (millimetres, s
// per cell), so every offset that differs between the two lives here.
#include "pattern/LegendLayout.h"

#include <string>

namespace tessaline {

// A drawn line: it covers [pos - offset, pos - offset + width) across its
// direction and [from - offset, to - offset + width) along it. On the canvas
// a thin line (width 1, offset 0) is exactly the pixels from..to at pos.
struct ChartLine {
    double width = 1;
    double offset = 0;
};

struct ChartGeometry {
    // Drawing surface: width of the canvas or of the printed page.
    double surfaceWidth = 0;
    // Cell pitch: 10 pixels, or s millimetres.
    double cell = kChartCellPixels;

    double topMargin = 11;
    double leftMargin = 40;
    // Info line: title y + title height + this.
    double infoGap = 8;
    // Header result: info y + two text lines (printing moves one line down) + this.
    double headerTail = 3;
    // gridTop = header result + gridGap; legendTop = grid result + legendGap.
    double gridGap = 3;
    double legendGap = 8;

    // Thin row lines start at rowLineStart (0.3 x leftMargin); column lines
    // run columnLineOverhang below the grid through the numbering.
    double rowLineStart = 12;
    double columnLineOverhang = 40;
    // Grid result: grid bottom + this.
    double gridResultGap = 50;

    // A colour block spans [cell + blockInsetStart, next cell - blockInsetEnd):
    // on the canvas pixels 1..9 of the cell, so the grid lines stay visible.
    double blockInsetStart = 1;
    double blockInsetEnd = 0;

    // Row numbers at (L + rowNumberDx, T + rowNumberDy + cell x r).
    double rowNumberDx = -18;
    double rowNumberDy = -1;
    // Block letters at (L + cell x c + letterDx, T + cell x H + letterDy).
    double letterDx = -5;
    double letterDy = 42;
    // Column digits at x = L + cell x c + digitDx, y = T + cell x H + digitDy[i].
    double digitDx = 2;
    double digitDy[3] = {2, 12, 22};
    // Symbols at (L + cell x x + symbolDx, T + cell x y + symbolDy).
    double symbolDx = 1;
    double symbolDy = 0;

    ChartLine thinLine{1, 0};
    ChartLine heavyLine{2, 1};

    // Legend grid: 38 x 14 canvas pixels, scaled by legendUnit (1 on the
    // canvas; on paper the canvas layout scaled to the cell pitch).
    LegendMetrics legend = kScreenLegendMetrics;
    double legendUnit = 1;
    // Heading and entry text inside a legend cell.
    double legendTextDx = 4;
    double legendTextDy = 1;
    // Swatch inside the cell (canvas only): x + 13 .. + 35, y + 1 .. + 11.
    bool swatches = true;
    double swatchDx = 13;
    double swatchDy = 1;
    double swatchWidth = 23;
    double swatchHeight = 11;
    // Notes under the legend and the footer line.
    double noteDx = 2;
    double noteDy = 18;
    double symbolNoteDx = 23;
    double symbolNoteDy = 36;
    double footerBack = 120; // footer x = L + cell x gw - footerBack
    double footerDy = 48;

    // On paper the blocks take the cell's own pattern colour (not the
    // thread's) and the symbols are printed for every chart kind.
    bool blocksInPatternColor = false;
    bool symbolsForEveryKind = false;

    // On paper every text is sized from the room it has (never above its
    // design size): a symbol fits its cell, a row number its row, a column
    // digit its column, a legend text its legend cell, header and notes
    // their lines and the page width. On the canvas only the legend texts
    // are fitted, and only in width.
    bool fitTexts = false;
    // Height of a header line and of a note line when fitTexts.
    double headerLineHeight = 0;
    double noteLineHeight = 0;

    // Legend grid in layout units.
    double legendColumnWidth() const { return legend.columnWidth * legendUnit; }
    double legendLineHeight() const { return legend.lineHeight * legendUnit; }
    // Legend columns under a chart gw cells wide, counted in canvas pixels
    // (10 x gw) on the canvas and on paper alike.
    int legendWidth(int gw) const;
};

// Screen canvas of a pattern gw cells wide (10 pixels per cell).
ChartGeometry screenChartGeometry(int gw, int gh, int legendHeightPixels);

// Printed page pageWidth millimetres wide with cells of cellSize
// millimetres: the canvas layout scaled by cellSize / 10 (margins, gaps,
// numbering, legend, notes and footer alike), so that everything the canvas
// holds fits the page the cell size was chosen for.
ChartGeometry printChartGeometry(double cellSize, double pageWidth);

// Below this pitch the printed symbols are hard to read.
inline constexpr double kReadableCellMillimetres = 1.5;

struct CanvasSize {
    int width = 0;
    int height = 0;
};

// The chart canvas: 10 x gw + 83 by 10 x gh + legendHeight pixels.
CanvasSize chartCanvasSize(int gw, int gh, int legendHeightPixels);

// Printed cell pitch s: the canvas layout scaled by s / 10 fits a page of
// pageWidth x pageHeight millimetres on both sides, with 0.01 mm to spare.
double printCellSize(double pageWidth, double pageHeight, int gw, int gh, int legendHeightPixels);

// The title a pattern file records: the pattern's own, "我的绣图" when it has
// none. It is data, the same in every interface language; the drawn chart's
// words are the interface's (render/ChartTexts.h).
inline constexpr const char* kDefaultChartTitle = "我的绣图";
std::string chartTitle(const std::string& title);

// Numbering of the chart.
// Row r numbered within its block: "01" .. gridSize, then "01" again.
std::string rowNumberText(int row, int gridSize);
// Letter of the k-th block boundary (k = 1: "A", 2: "B", ... past "Z" on
// through the following character codes).
std::string blockLetterText(int k);
// Column c (0-based) as the three digits of c + 1: "001" .. "320".
std::string columnDigitsText(int column);
// gridSize as used for numbering and heavy lines (at least 1).
int effectiveGridSize(int gridSize);

} // namespace tessaline
