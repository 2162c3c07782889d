#include "pattern/LegendLayout.h"

#include <algorithm>

namespace tessaline {

int legendColumns(int width, int columnWidth) {
    // The heading column plus at least one entry column: below that a
    // narrow pattern would list no thread at all (and divide by zero).
    constexpr int kMinimumColumns = 2;
    if (columnWidth <= 0) {
        return kMinimumColumns;
    }
    return std::max(width / columnWidth - 1, kMinimumColumns);
}

LegendLayout legendLayout(int width, int entryCount, LegendMetrics metrics) {
    LegendLayout layout;
    layout.columns = legendColumns(width, metrics.columnWidth);
    layout.entriesPerRow = layout.columns - 1;
    const int entries = std::max(entryCount, 0);
    layout.rows = (entries + layout.entriesPerRow - 1) / layout.entriesPerRow;
    return layout;
}

LegendLayout screenLegendLayout(int gw, int entryCount) {
    // Wider than any pattern; keeps 10 x gw from overflowing.
    constexpr int kWidestPattern = 100000;
    const int width = kChartCellPixels * std::clamp(gw, 0, kWidestPattern);
    return legendLayout(width, entryCount, kScreenLegendMetrics);
}

int legendHeight(const LegendLayout& layout, int lineHeight) {
    return layout.textLines() * lineHeight + kLegendNotesHeight;
}

int legendBottom(int legendTop, const LegendLayout& layout, int lineHeight) {
    return legendTop + lineHeight * (layout.textLines() + 2);
}

LegendCell legendCellOf(int k, const LegendLayout& layout) {
    const int perRow = std::max(layout.entriesPerRow, 1);
    const int offset = std::max(k, 1) - 1;
    LegendCell cell;
    cell.row = offset / perRow;
    cell.column = offset % perRow + 1;
    cell.firstLine = kLegendLinesPerRow * cell.row;
    return cell;
}

} // namespace tessaline
