#include "pattern/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

// Screen offsets are pixels; the printed page carries them over as
// millimetres divided by five (38 / 5 -> 8 mm legend columns, 42 / 5 mm for
// the block letters, ...).
constexpr double kPaperPerPixel = 1.0 / 5.0;
// Text is as large on paper as on a 96 dpi screen, so the spacing between
// the lines of text under the legend keeps its screen size.
constexpr double kTextPaperPerPixel = 25.4 / 96.0;

// Extra canvas width beside the grid: left margin plus room on the right.
constexpr int kCanvasExtraWidth = 83;

} // namespace

int ChartGeometry::legendWidth(int gw) const {
    return static_cast<int>(std::lround(cell * std::max(gw, 0)));
}

ChartGeometry screenChartGeometry(int gw, int gh, int legendHeightPixels) {
    ChartGeometry g;
    g.surfaceWidth = chartCanvasSize(gw, gh, legendHeightPixels).width;
    return g;
}

ChartGeometry printChartGeometry(double cellSize, double pageWidth) {
    const double s = cellSize;
    const double k = kPaperPerPixel;
    ChartGeometry g;
    g.surfaceWidth = pageWidth;
    g.cell = s;
    g.topMargin = 11 * s / 5;
    g.leftMargin = 40 * s / 5;
    g.infoGap = 3;
    g.headerTail = 2;
    g.gridGap = 3 * s / 5;
    g.legendGap = 8 * s / 5;
    g.rowLineStart = 0.3 * g.leftMargin;
    // The numbering area and the gap to the legend keep the same fifth of a
    // pixel as the labels inside them, so that the legend, the notes and the
    // footer stay on the page the cell size was fitted to.
    g.columnLineOverhang = 40 * k;
    g.gridResultGap = 50 * k;
    g.blockInsetStart = 0.01;
    g.blockInsetEnd = 0.01;
    g.rowNumberDx = -18 * k;
    g.rowNumberDy = -1;
    g.letterDx = -1;
    g.letterDy = 42 * k;
    g.digitDx = 0.5;
    g.digitDy[0] = 0.5;
    g.digitDy[1] = 3;
    g.digitDy[2] = 5.5;
    g.symbolDx = 0.01;
    g.symbolDy = 0;
    // Paper lines: a fine hairline and a heavy line twice as wide, centred.
    g.thinLine = {0.1, 0.05};
    g.heavyLine = {0.2, 0.1};
    g.legend = kPrintLegendMetrics;
    g.swatches = false;
    const double t = kTextPaperPerPixel;
    g.noteDx = 2 * t;
    g.noteDy = 18 * t;
    g.symbolNoteDx = 23 * t;
    g.symbolNoteDy = 36 * t;
    g.footerBack = 120 * t;
    g.footerDy = 48 * t;
    g.blocksInPatternColor = true;
    g.symbolsForEveryKind = true;
    return g;
}

CanvasSize chartCanvasSize(int gw, int gh, int legendHeightPixels) {
    return {kChartCellPixels * gw + kCanvasExtraWidth, kChartCellPixels * gh + legendHeightPixels};
}

double printCellSize(double pageWidth, double pageHeight, int gw, int gh, int legendHeightPixels) {
    const CanvasSize canvas = chartCanvasSize(gw, gh, legendHeightPixels);
    const double cw = canvas.width;
    const double ch = canvas.height;
    if (cw <= 0 || ch <= 0 || pageWidth <= 0 || pageHeight <= 0) {
        return 0;
    }
    // The page height is compared in whole millimetres; the formula uses it as is.
    const double roundedHeight = std::max(std::round(pageHeight), 1.0);
    constexpr double kSpare = 0.01;
    if (pageWidth / roundedHeight > cw / ch) {
        return pageHeight * kChartCellPixels / ch - kSpare;
    }
    return pageWidth * kChartCellPixels / cw - kSpare;
}

std::string chartTitle(const std::string& title) {
    return title.empty() ? std::string(kDefaultChartTitle) : title;
}

std::string chartInfoLine(const std::string& whichType, int maxColor, int gw, int gh) {
    return "绣线:" + whichType + "  颜色数：" + std::to_string(maxColor) + "   宽x高：" +
           std::to_string(gw) + "x" + std::to_string(gh);
}

int effectiveGridSize(int gridSize) {
    return std::max(gridSize, 1);
}

std::string rowNumberText(int row, int gridSize) {
    const int n = std::max(row, 0) % effectiveGridSize(gridSize) + 1;
    std::string text = std::to_string(n);
    return text.size() < 2 ? std::string(2 - text.size(), '0') + text : text;
}

std::string blockLetterText(int k) {
    // Codes past 126 are not plain characters; patterns stop long before
    // (320 columns / 6 per block gives at most 53 letters, up to "u").
    const int code = std::clamp(64 + k, 65, 126);
    return std::string(1, static_cast<char>(code));
}

std::string columnDigitsText(int column) {
    const int n = std::clamp(column + 1, 0, 999);
    std::string text = std::to_string(n);
    return std::string(3 - text.size(), '0') + text;
}

} // namespace tessaline
