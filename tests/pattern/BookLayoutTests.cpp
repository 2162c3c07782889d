// The pattern book's arithmetic: cells a page, the page split with its
// two-cell overlap, the numbers each page prints and the book's legend.
#include "pattern/BookLayout.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadPalette.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace tessaline {
namespace {

TEST(BookLayout, SplitsAFullSizePatternAtTenCellsAnInchOnA4) {
    // 181 x 241 mm of chart room on A4: 71 x 94 cells of 2.54 mm.
    const BookLayout book(230, 250, 100, BookSettings{});
    EXPECT_EQ(book.cellsAcross(), 71);
    EXPECT_EQ(book.cellsDown(), 94);
    // Four pages across, three down, sharing the cells evenly: 59 columns a
    // page, rows 85, 85 and 84 (each page after the first repeats two).
    EXPECT_EQ(book.pagesAcross(), 4);
    EXPECT_EQ(book.pagesDown(), 3);
    EXPECT_EQ(book.chartPages(), 12);
    // 34 legend rows a column, two columns: 100 threads on two pages.
    EXPECT_EQ(book.legendEntriesPerPage(), 68);
    EXPECT_EQ(book.legendPages(), 2);
    EXPECT_EQ(book.pageCount(), 15);

    // Page order: across first. Every cell is on a page, and each page after
    // the first in its row or column starts with the last two of the one
    // before it.
    std::set<std::pair<int, int>> covered;
    for (int k = 0; k < book.chartPages(); ++k) {
        const ChartPage page = book.chartPage(k);
        EXPECT_EQ(page.across, k % 4);
        EXPECT_EQ(page.down, k / 4);
        if (page.across > 0) {
            const ChartPage left = book.chartPage(k - 1);
            EXPECT_EQ(page.columns.first, left.columns.end() - 2);
            EXPECT_EQ(page.columns.repeated, 2);
        }
        if (page.down > 0) {
            EXPECT_EQ(page.rows.first, book.chartPage(k - 4).rows.end() - 2);
            EXPECT_EQ(page.rows.repeated, 2);
        }
        for (int y = page.rows.first; y < page.rows.end(); ++y) {
            for (int x = page.columns.first; x < page.columns.end(); ++x) {
                covered.insert({x, y});
            }
        }
    }
    EXPECT_EQ(covered.size(), 230u * 250u);
    const ChartPage last = book.chartPage(11);
    EXPECT_EQ(last.columns.first, 171);
    EXPECT_EQ(last.columns.count, 59);
    EXPECT_EQ(last.rows.first, 166);
    EXPECT_EQ(last.rows.count, 84);
    EXPECT_EQ(book.chartPage(4).rows.count, 85);
    EXPECT_EQ(book.chartPageNumber(0), 2);
    EXPECT_EQ(book.legendPageNumber(1), 15);
}

TEST(BookLayout, LargerPitchAndLetterPaper) {
    BookSettings settings;
    settings.pitchMm = 6;
    const BookLayout six(230, 250, 100, settings);
    EXPECT_EQ(six.cellsAcross(), 30);
    EXPECT_EQ(six.cellsDown(), 40);
    EXPECT_EQ(six.pagesAcross(), 9);
    EXPECT_EQ(six.pagesDown(), 7);
    EXPECT_EQ(six.chartPages(), 63);
    // No sliver at the end: 246 cells shown in nine pages, 28 on the first
    // three, 27 on the others.
    EXPECT_EQ(six.chartPage(0).columns.count, 28);
    EXPECT_EQ(six.chartPage(3).columns.count, 27);
    EXPECT_EQ(six.chartPage(8).columns.count, 27);
    EXPECT_EQ(six.chartPage(8).columns.first, 203);
    // 84 rows on pages of 80: two pages of 43, not 80 and 6.
    EXPECT_EQ(bookSpan(0, 84, 80).count, 43);
    EXPECT_EQ(bookSpan(1, 84, 80).first, 41);
    EXPECT_EQ(bookSpan(1, 84, 80).count, 43);
    EXPECT_EQ(bookSpan(2, 84, 80).count, 0);

    settings.paper = PaperSize::Letter;
    settings.pitchMm = kDefaultBookPitchMm;
    // 186.9 x 223.4 mm of chart room.
    const BookLayout letter(230, 250, 1, settings);
    EXPECT_EQ(letter.cellsAcross(), 73);
    EXPECT_EQ(letter.cellsDown(), 87);
    EXPECT_EQ(letter.legendPages(), 1);

    // A pattern that fits one page is one page, without repeats.
    const BookLayout small(40, 30, 3, BookSettings{});
    EXPECT_EQ(small.chartPages(), 1);
    EXPECT_EQ(small.chartPage(0).columns.count, 40);
    EXPECT_EQ(small.chartPage(0).rows.repeated, 0);
}

TEST(BookLayout, NumbersFollowTheWholePattern) {
    // Page 2 across at 2.54 mm shows columns 58..116 (1-based); it starts
    // two cells before a block line: that line names it.
    const BookSpan second = bookSpan(1, 230, 71);
    EXPECT_EQ(axisNumbers(second, 10), (std::vector<int>{60, 70, 80, 90, 100, 110}));
    // A page starting away from a block line also names its first cell.
    EXPECT_EQ(axisNumbers(bookSpan(2, 230, 71), 10),
              (std::vector<int>{115, 120, 130, 140, 150, 160, 170}));
    EXPECT_EQ(axisNumbers(second, 16), (std::vector<int>{58, 64, 80, 96, 112}));
    EXPECT_EQ(axisNumbers(bookSpan(0, 230, 71), 16), (std::vector<int>{1, 16, 32, 48}));
    EXPECT_EQ(axisNumbers(BookSpan{0, 5, 0}, 10), (std::vector<int>{1}));
}

TEST(BookLayout, LegendListsEveryThreadTheCellsUse) {
    // Three threads; the third has 2 cells, fewer than the ignorable 5.
    auto pattern = std::make_unique<CellMatrix>();
    auto index = std::make_unique<CellMatrix>();
    const ThreadPalette& dmc = dmcPalette();
    pattern->fill(dmc[1].color);
    for (int x = 0; x < 10; ++x) {
        (*pattern)(x, 1) = dmc[2].color;
    }
    (*pattern)(3, 2) = dmc[3].color;
    (*pattern)(4, 2) = dmc[3].color;
    GenerationSettings generation;
    generation.reduceStrength = 0;
    generation.ignorableCount = 5;
    const PatternThreads threads = generatePatternThreads(*pattern, 10, 4, generation, *index);
    ASSERT_EQ(threads.table.size(), 2u);

    const std::vector<BookLegendEntry> legend =
        bookLegend(Pattern{threads, *index, *pattern, "", {}}, BookSettings{});
    ASSERT_EQ(legend.size(), 3u);
    EXPECT_EQ(legend[0].stitches, 28);
    EXPECT_EQ(legend[1].stitches, 10);
    EXPECT_FALSE(legend[1].belowIgnorable);
    EXPECT_EQ(legend[2].paletteIndex, 3);
    EXPECT_EQ(legend[2].stitches, 2);
    EXPECT_TRUE(legend[2].belowIgnorable);
    EXPECT_EQ(legend[2].symbol, threads.stitchSymbol(3));
    EXPECT_EQ(legend[0].symbol, "■");
    EXPECT_EQ(legend[2].threadNo, dmc[3].cindex.substr(0, dmc[3].cindex.find(' ')));
    EXPECT_EQ(legend[0].label, "3713 Salmon Very Light");
    EXPECT_EQ(legend[1].label, "761 Salmon Light");
    for (const BookLegendEntry& entry : legend) {
        EXPECT_EQ(entry.skeins, 1);
    }
}

TEST(BookLayout, SymbolsTakeTheInkThatStandsOutOnTheirBlock) {
    EXPECT_TRUE(whiteSymbolOn(rgb(0, 0, 0)));
    EXPECT_TRUE(whiteSymbolOn(rgb(0, 0, 160)));
    EXPECT_FALSE(whiteSymbolOn(rgb(255, 255, 255)));
    EXPECT_FALSE(whiteSymbolOn(rgb(255, 220, 0)));
    // Mid grey 128: black 5.3:1, white 3.9:1.
    EXPECT_FALSE(whiteSymbolOn(rgb(128, 128, 128)));
    EXPECT_TRUE(whiteSymbolOn(rgb(100, 100, 100)));
}

} // namespace
} // namespace tessaline
