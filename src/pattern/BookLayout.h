#pragma once
// The pattern book as numbers: the paper's parts, how many cells a chart page
// holds at the chosen pitch, how the pattern is split into pages (each page
// repeats the last two rows and columns of the page before it), which cells
// and numbers each page shows, and the legend with every thread a cell uses.
// Drawing is in render/PatternBook; everything here is in millimetres.
#include "app/Color.h"
#include "pattern/BookSettings.h"
#include "pattern/Pattern.h"

#include <string>
#include <vector>

namespace tessaline {

// Rows and columns a page repeats from its neighbour above and to the left.
inline constexpr int kBookOverlapCells = 2;

struct PaperMillimetres {
    double width = 0;
    double height = 0;
};
PaperMillimetres paperMillimetres(PaperSize paper);

// The fixed parts of every page, millimetres.
struct BookPageFrame {
    double margin = 10;      // all four sides
    double header = 9;       // title line above the chart
    double columnGutter = 7; // column numbers above the chart
    double rowGutter = 9;    // row numbers left of the chart
    double footer = 20;      // page map and page number below the chart
};

// A run of whole-pattern cells on one page: first .. first + count - 1
// (0-based); the first `repeated` of them are the previous page's last.
struct BookSpan {
    int first = 0;
    int count = 0;
    int repeated = 0;
    int end() const { return first + count; }
};

// Chart page k (0-based, rows of pages top to bottom, each left to right).
struct ChartPage {
    int index = 0;
    int across = 0; // page column
    int down = 0;   // page row
    BookSpan columns;
    BookSpan rows;
};

// Pages needed for `total` cells at `perPage` a page with the overlap.
int bookPagesFor(int total, int perPage);
// The span of page `k` along one side: the pages share the cells evenly.
BookSpan bookSpan(int k, int total, int perPage);

// Whole-pattern numbers (1-based) printed beside a span: every multiple of
// gridSize inside it, and the span's first cell unless a multiple is
// within three cells of it.
std::vector<int> axisNumbers(const BookSpan& span, int gridSize);

class BookLayout {
  public:
    BookLayout(int width, int height, int legendEntries, const BookSettings& settings,
               const BookPageFrame& frame = {});

    const BookSettings& settings() const { return settings_; }
    const BookPageFrame& frame() const { return frame_; }
    PaperMillimetres paper() const { return paper_; }

    // Cells a chart page holds at most.
    int cellsAcross() const { return cellsAcross_; }
    int cellsDown() const { return cellsDown_; }
    int pagesAcross() const { return pagesAcross_; }
    int pagesDown() const { return pagesDown_; }
    int chartPages() const { return pagesAcross_ * pagesDown_; }
    ChartPage chartPage(int k) const;

    // Legend rows a page has room for, in two columns side by side.
    int legendRowsPerColumn() const { return legendRowsPerColumn_; }
    static constexpr int kLegendColumns = 2;
    int legendEntriesPerPage() const { return kLegendColumns * legendRowsPerColumn_; }
    int legendPages() const { return legendPages_; }

    // Book pages (1-based): the cover, the chart pages, the legend pages.
    int pageCount() const { return 1 + chartPages() + legendPages_; }
    int chartPageNumber(int k) const { return 2 + k; }
    int legendPageNumber(int k) const { return 2 + chartPages() + k; }

    // Top-left corner of the chart's first cell on a chart page.
    double chartLeft() const { return frame_.margin + frame_.rowGutter; }
    double chartTop() const { return frame_.margin + frame_.header + frame_.columnGutter; }
    // Top of the footer band.
    double footerTop() const { return paper_.height - frame_.margin - frame_.footer; }
    // Height of a legend row and the top of the first one.
    static constexpr double kLegendRowHeight = 7;
    double legendTop() const { return frame_.margin + frame_.header + kLegendRowHeight; }

  private:
    BookSettings settings_;
    BookPageFrame frame_;
    PaperMillimetres paper_;
    int width_ = 0;
    int height_ = 0;
    int cellsAcross_ = 1;
    int cellsDown_ = 1;
    int pagesAcross_ = 1;
    int pagesDown_ = 1;
    int legendRowsPerColumn_ = 1;
    int legendPages_ = 1;
};

// One row of the book's legend.
struct BookLegendEntry {
    int paletteIndex = 0; // the cells' index, the symbol map's key
    Color color = kWhite;
    std::string threadNo; // without padding
    // As a shop knows it: "310 Black", "B5200 Snow White", "Ecru"; under
    // "CC" the colour's number.
    std::string label;
    std::string symbol;
    int stitches = 0;
    int skeins = 0;
    // Fewer cells than the ignorable count: on the chart, not in the
    // ordinary legend.
    bool belowIgnorable = false;
};

// The legend entries in their order, then every other thread the cells use
// (in order of first appearance, marked belowIgnorable), each with its
// skeins on the settings' fabric and strands.
std::vector<BookLegendEntry> bookLegend(const Pattern& pattern, const BookSettings& settings);

// The centre line of `cells` cells, in cells from the first one's edge:
// through the middle cell, or between the two middle ones.
constexpr double centreLine(int cells) {
    return cells / 2.0;
}

// True when a symbol on a block of `block` reads better in white than in
// black (the larger contrast ratio of relative luminances).
bool whiteSymbolOn(Color block);

} // namespace tessaline
