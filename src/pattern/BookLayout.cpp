#include "pattern/BookLayout.h"

#include "pattern/DmcNames.h"
#include "pattern/SkeinEstimate.h"
#include "pattern/ThreadTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessaline {

namespace {

// Whole cells of `pitch` in `room`, never fewer than one more than the
// overlap so that every page shows cells of its own.
int cellsIn(double room, double pitch) {
    const int cells = pitch > 0 ? static_cast<int>(std::floor(room / pitch + 1e-9)) : 0;
    return std::max(cells, kBookOverlapCells + 1);
}

std::string withoutPadding(std::string text) {
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

// Relative luminance of an sRGB colour.
double luminance(Color color) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(getRed(color)) + 0.7152 * linear(getGreen(color)) +
           0.0722 * linear(getBlue(color));
}

} // namespace

PaperMillimetres paperMillimetres(PaperSize paper) {
    return paper == PaperSize::Letter ? PaperMillimetres{215.9, 279.4} : PaperMillimetres{210, 297};
}

int bookPagesFor(int total, int perPage) {
    if (total <= perPage) {
        return 1;
    }
    // The first page shows perPage new cells, every further one perPage - 2.
    const int stride = perPage - kBookOverlapCells;
    return 1 + (total - perPage + stride - 1) / stride;
}

BookSpan bookSpan(int k, int total, int perPage) {
    // The pages share the cells evenly (the first ones one more when they
    // do not divide), so that no page holds a sliver.
    const int pages = bookPagesFor(total, perPage);
    BookSpan span;
    if (k < 0 || k >= pages || total <= 0) {
        return span;
    }
    const int shown = total + kBookOverlapCells * (pages - 1);
    const int base = shown / pages;
    const int extra = shown % pages;
    span.count = std::min(perPage, base + (k < extra ? 1 : 0));
    span.first = k * (base - kBookOverlapCells) + std::min(k, extra);
    span.repeated = k == 0 ? 0 : std::min(kBookOverlapCells, span.count);
    return span;
}

std::vector<int> axisNumbers(const BookSpan& span, int gridSize) {
    gridSize = std::max(gridSize, 1);
    std::vector<int> numbers;
    const int firstNumber = span.first + 1;
    const int lastNumber = span.end();
    const int firstMultiple = (firstNumber + gridSize - 1) / gridSize * gridSize;
    if (span.count > 0 && (firstMultiple > lastNumber || firstMultiple - firstNumber > 3)) {
        numbers.push_back(firstNumber);
    }
    for (int n = firstMultiple; n <= lastNumber; n += gridSize) {
        numbers.push_back(n);
    }
    return numbers;
}

BookLayout::BookLayout(int width, int height, int legendEntries, const BookSettings& settings,
                       const BookPageFrame& frame)
    : settings_(settings), frame_(frame), paper_(paperMillimetres(settings.paper)),
      width_(std::max(width, 1)), height_(std::max(height, 1)) {
    const double roomAcross = paper_.width - 2 * frame_.margin - frame_.rowGutter;
    const double roomDown =
        paper_.height - 2 * frame_.margin - frame_.header - frame_.columnGutter - frame_.footer;
    cellsAcross_ = cellsIn(roomAcross, settings_.pitchMm);
    cellsDown_ = cellsIn(roomDown, settings_.pitchMm);
    pagesAcross_ = bookPagesFor(width_, cellsAcross_);
    pagesDown_ = bookPagesFor(height_, cellsDown_);

    legendRowsPerColumn_ =
        std::max(1, static_cast<int>(std::floor((footerTop() - legendTop()) / kLegendRowHeight)));
    const int perPage = legendEntriesPerPage();
    legendPages_ = std::max(1, (legendEntries + perPage - 1) / perPage);
}

ChartPage BookLayout::chartPage(int k) const {
    ChartPage page;
    page.index = k;
    page.across = k % pagesAcross_;
    page.down = k / pagesAcross_;
    page.columns = bookSpan(page.across, width_, cellsAcross_);
    page.rows = bookSpan(page.down, height_, cellsDown_);
    return page;
}

std::vector<BookLegendEntry> bookLegend(const Pattern& pattern, const BookSettings& settings) {
    const PatternThreads& threads = pattern.threads;
    std::vector<BookLegendEntry> legend;
    auto add = [&](int index, Color color, const std::string& threadNo, int stitches, bool rare) {
        BookLegendEntry entry;
        entry.paletteIndex = index;
        entry.color = color;
        entry.threadNo = withoutPadding(threadNo);
        entry.label =
            threads.category == ThreadCategory::Dmc ? threadLabel(entry.threadNo) : entry.threadNo;
        entry.symbol = threads.stitchSymbol(index);
        entry.stitches = stitches;
        entry.skeins = skeinsFor(stitches, settings.fabricCount, settings.strands);
        entry.belowIgnorable = rare;
        legend.push_back(std::move(entry));
    };
    for (const ThreadEntry& entry : threads.table) {
        add(entry.paletteIndex, entry.color, entry.threadNo, entry.amount, false);
    }

    // The threads the ignorable count kept out of the legend keep their
    // cells and symbols; the book lists them too.
    for (const ThreadEntry& entry : pattern.rare()) {
        add(entry.paletteIndex, entry.color, entry.threadNo, entry.amount, true);
    }
    return legend;
}

bool whiteSymbolOn(Color block) {
    // Contrast ratios (L1 + 0.05) / (L2 + 0.05) against black and white.
    const double l = luminance(block);
    return (1.05 / (l + 0.05)) > ((l + 0.05) / 0.05);
}

} // namespace tessaline
