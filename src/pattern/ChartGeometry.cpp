#include "pattern/ChartGeometry.h"

#include <algorithm>
#include <cmath>

namespace tessaline {

namespace {

// Extra canvas width beside the grid: left margin plus room on the right.
constexpr int kCanvasExtraWidth = 83;

} // namespace

int ChartGeometry::legendWidth(int gw) const {
    const double pixelsPerCell = legendUnit > 0 ? cell / legendUnit : cell;
    return static_cast<int>(std::lround(pixelsPerCell * std::max(gw, 0)));
}

ChartGeometry screenChartGeometry(int gw, int gh, int legendHeightPixels) {
    ChartGeometry g;
    g.surfaceWidth = chartCanvasSize(gw, gh, legendHeightPixels).width;
    return g;
}

ChartGeometry printChartGeometry(double cellSize, double pageWidth) {
    const double s = cellSize;
    // Millimetres per canvas pixel.
    const double k = s / kChartCellPixels;
    ChartGeometry g;
    g.surfaceWidth = pageWidth;
    g.cell = s;
    // The printout's own margins and gaps (twice the canvas's, in fifths of
    // a cell): the canvas keeps more than enough room below the legend for
    // them.
    g.topMargin = 11 * s / 5;
    g.leftMargin = 40 * s / 5;
    g.gridGap = 3 * s / 5;
    g.legendGap = 8 * s / 5;
    g.rowLineStart = 0.3 * g.leftMargin;
    // Everything else is the canvas layout, scaled.
    const ChartGeometry screen;
    g.infoGap = screen.infoGap * k;
    g.headerTail = screen.headerTail * k;
    g.columnLineOverhang = screen.columnLineOverhang * k;
    g.gridResultGap = screen.gridResultGap * k;
    g.blockInsetStart = 0.01;
    g.blockInsetEnd = 0.01;
    g.rowNumberDx = screen.rowNumberDx * k;
    g.rowNumberDy = screen.rowNumberDy * k;
    g.letterDx = screen.letterDx * k;
    g.letterDy = screen.letterDy * k;
    g.digitDx = screen.digitDx * k;
    for (int i = 0; i < 3; ++i) {
        g.digitDy[i] = screen.digitDy[i] * k;
    }
    g.symbolDx = 0.01;
    g.symbolDy = 0;
    // Paper lines: a hairline and a heavy line twice as wide, centred; thin
    // enough for the smallest cells.
    g.thinLine = {std::min(0.1, s / 10), std::min(0.05, s / 20)};
    g.heavyLine = {std::min(0.2, s / 5), std::min(0.1, s / 10)};
    g.legendUnit = k;
    g.legendTextDx = screen.legendTextDx * k;
    g.legendTextDy = screen.legendTextDy * k;
    g.swatches = false;
    g.noteDx = screen.noteDx * k;
    g.noteDy = screen.noteDy * k;
    g.symbolNoteDx = screen.symbolNoteDx * k;
    g.symbolNoteDy = screen.symbolNoteDy * k;
    g.footerBack = screen.footerBack * k;
    g.footerDy = screen.footerDy * k;
    g.blocksInPatternColor = true;
    g.symbolsForEveryKind = true;
    g.fitTexts = true;
    // A canvas line of text is 14 pixels (the legend's line); the notes
    // are 12 apart at the closest (symbol note to footer).
    g.headerLineHeight = kScreenLegendMetrics.lineHeight * k;
    g.noteLineHeight = (screen.footerDy - screen.symbolNoteDy) * k;
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
    // The side with less room decides, so the scaled canvas never passes
    // the printable area on either side.
    constexpr double kSpare = 0.01;
    return std::min(pageWidth / cw, pageHeight / ch) * kChartCellPixels - kSpare;
}

std::string chartTitle(const std::string& title) {
    return title.empty() ? std::string(kDefaultChartTitle) : title;
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
