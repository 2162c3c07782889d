// The legend under the chart on the screen canvas: grid, swatches, texts,
// notes and footer, for wide, narrow and empty legends.
#include "ChartTestSupport.h"
#include "render/ChartCanvas.h"
#include "render/ChartPainter.h"
#include "render/ChartTexts.h"
#include "render/FontSetup.h"

#include <QImage>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

using test::countPixels;
using test::isInk;
using test::lightThread;
using test::makeChart;
using test::pixel;
using test::qcolor;
using test::threadColor;

const QColor kGrey(166, 166, 166);
const QColor kWhiteColor(255, 255, 255);
constexpr int L = 40;

int gridTopOf(const QImage& canvas) {
    return 11 + 3 * test::songLineHeight(canvas) + 8 + 3 + 3;
}
// Grid bottom + 50, then 8 more.
int legendTopOf(const QImage& canvas, int gh) {
    return gridTopOf(canvas) + 10 * gh + 50 + 8;
}

TEST(ChartLegendTest, GridHasPColumnsOf38AndThreeLinesPerRow) {
    // 117 cells: P = 1170 \ 38 - 1 = 29; 29 threads fill a row of 28 and one more.
    auto chart = makeChart(117, 3, [](int x, int) { return lightThread(x % 29); });
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = legendTopOf(canvas, 3);
    const int right = L + 38 * 29;
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(pixel(canvas, L, T + 14 * i), kGrey) << i;
        EXPECT_EQ(pixel(canvas, right, T + 14 * i), kGrey) << i;
        EXPECT_EQ(pixel(canvas, right + 1, T + 14 * i), kWhiteColor) << i;
        EXPECT_EQ(pixel(canvas, L - 1, T + 14 * i), kWhiteColor) << i;
    }
    EXPECT_EQ(pixel(canvas, right - 10, T + 14 * 7), kWhiteColor);
    for (int c = 0; c <= 29; ++c) {
        EXPECT_EQ(pixel(canvas, L + 38 * c, T + 84), kGrey) << c;
        EXPECT_EQ(pixel(canvas, L + 38 * c, T + 85), kWhiteColor) << c;
    }
    // Headings in column 0 of both legend rows.
    const QFont song = songFont(9);
    for (int row = 0; row < 2; ++row) {
        const int y = T + 42 * row;
        EXPECT_TRUE(
            test::showsText(canvas, QRect(L + 1, y + 1, 37, 13), L + 4, y + 1, "符号", song));
        EXPECT_TRUE(
            test::showsText(canvas, QRect(L + 1, y + 15, 37, 13), L + 4, y + 15, "线号", song));
        EXPECT_TRUE(
            test::showsText(canvas, QRect(L + 1, y + 29, 37, 13), L + 4, y + 29, "数量", song));
    }
}

TEST(ChartLegendTest, SwatchesAre23By11InTheThreadColour) {
    auto chart = makeChart(117, 3, [](int x, int) { return lightThread(x % 29); });
    ChartSource source = chart->source(ChartKind::SymbolsOnly);
    const QImage canvas = renderChartCanvas(source);
    const int T = legendTopOf(canvas, 3);
    // Entry k in row (k - 1) \ 28, column (k - 1) mod 28 + 1.
    for (int k : {1, 2, 28, 29}) {
        const int row = (k - 1) / 28;
        const int column = (k - 1) % 28 + 1;
        const int x = L + 38 * column + 13;
        const int y = T + 42 * row + 1;
        const QColor color = qcolor(threadColor(lightThread(k - 1)));
        EXPECT_EQ(countPixels(canvas, x, y, 23, 11, [&](const QColor& p) { return p == color; }),
                  23 * 11)
            << k;
        EXPECT_NE(pixel(canvas, x + 23, y + 5), color) << k;
        EXPECT_NE(pixel(canvas, x - 1, y + 5), color) << k;
        EXPECT_NE(pixel(canvas, x + 5, y + 11), color) << k;
        EXPECT_NE(pixel(canvas, x + 5, y - 1), color) << k;
    }

    // Under the grey methods each swatch is the average of its channels.
    source.greySwatches = true;
    const QImage grey = renderChartCanvas(source);
    const Color c = threadColor(lightThread(0));
    const int average = (getRed(c) + getGreen(c) + getBlue(c)) / 3;
    EXPECT_EQ(pixel(grey, L + 38 + 13, T + 1), QColor(average, average, average));
}

TEST(ChartLegendTest, GreySwatchRule) {
    EXPECT_EQ(legendSwatchColor(rgb(30, 60, 90), true), rgb(60, 60, 60));
    EXPECT_EQ(legendSwatchColor(rgb(30, 60, 91), true), rgb(60, 60, 60)); // 181 \ 3
    EXPECT_EQ(legendSwatchColor(rgb(30, 60, 90), false), rgb(30, 60, 90));
    // Green and blue both 255: the colour stays.
    EXPECT_EQ(legendSwatchColor(rgb(100, 255, 255), true), rgb(100, 255, 255));
    EXPECT_EQ(legendSwatchColor(rgb(100, 255, 254), true), rgb(203, 203, 203));
}

TEST(ChartLegendTest, EntriesShowSymbolThreadNumberAndFullAmount) {
    // One thread in 100 x 110 cells: 11000 does not fit four characters but
    // is shown in full.
    const int only = lightThread(0);
    auto chart = makeChart(100, 110, [&](int, int) { return only; });
    ASSERT_EQ(chart->threads.table.size(), 1u);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = legendTopOf(canvas, 110);
    const QFont song = songFont(9);
    const int x = L + 38 + 4;
    const QRect cell0(L + 39, T + 1, 37, 13);
    // The symbol's part of the cell, left of the swatch.
    EXPECT_TRUE(test::showsText(canvas, QRect(L + 39, T + 1, 12, 13), x, T + 1, "A", song));
    const std::string number = dmcPalette()[static_cast<std::size_t>(only)].cindex.substr(0, 8);
    EXPECT_TRUE(test::showsText(canvas, cell0.translated(0, 14), x, T + 15,
                                QString::fromStdString(number), song));
    EXPECT_TRUE(test::showsText(canvas, cell0.translated(0, 28), x, T + 29, "11000", song));
    EXPECT_FALSE(test::showsText(canvas, cell0.translated(0, 28), x, T + 29, "1100", song));
}

TEST(ChartLegendTest, NotesCountAllCellsAndFooterStaysOnTheCanvas) {
    auto chart = makeChart(100, 100, [](int x, int) { return lightThread(x % 2); });
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int bottom = legendTopOf(canvas, 100) + 14 * (3 + 2);
    const int h = test::songLineHeight(canvas);
    const QFont song = songFont(9);
    const QRect band(0, bottom + 18, canvas.width(), h);
    EXPECT_TRUE(test::showsText(
        canvas, band, L + 2, bottom + 18,
        "注:全部线量总和为10000，线量不是某种长度单位，只是用来说明各颜色线所占比例.", song));
    EXPECT_TRUE(test::showsText(canvas, band.translated(0, 18), L + 23, bottom + 36,
                                "图中的符号代表了绣线颜色，这样就可以方便的绣图", song));
    // Footer at L + 10 gw - 120 when it fits.
    EXPECT_TRUE(test::showsText(canvas, QRect(900, bottom + 48, canvas.width() - 900, h),
                                L + 1000 - 120, bottom + 48, chartFooterText(), song));
    EXPECT_EQ(canvas.height(), 1000 + 42 + 260);
}

TEST(ChartLegendTest, NarrowPatternStillListsEveryThread) {
    // 5 cells: 50 \ 38 - 1 = 0 columns would list nothing; one entry column
    // is kept, so three threads take three legend rows.
    auto chart = makeChart(5, 4, [](int x, int) { return lightThread(x % 3); });
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    EXPECT_EQ(canvas.height(), 40 + 9 * 14 + 260);
    const int T = legendTopOf(canvas, 4);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(pixel(canvas, L + 38 + 13, T + 42 * k + 1), qcolor(threadColor(lightThread(k))))
            << k;
    }
    // L + 50 - 120 would start the footer left of the canvas; it starts at
    // the left edge instead.
    const int bottom = T + 14 * (9 + 2);
    const int h = test::songLineHeight(canvas);
    EXPECT_TRUE(test::showsText(canvas, QRect(0, bottom + 48, canvas.width(), h), 0, bottom + 48,
                                chartFooterText(), songFont(9)));
}

TEST(ChartLegendTest, ThreadsUnderTheIgnorableCountAreStillKeyed) {
    // Every thread under the ignorable count: no legend entries, but the key
    // lists all four threads (two legend rows of three) and the notes follow.
    auto chart = makeChart(
        20, 5, [](int x, int) { return lightThread(x % 4); }, 1000);
    ASSERT_TRUE(chart->threads.table.empty());
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    EXPECT_EQ(canvas.height(), 50 + 3 * 2 * 14 + 260);
    const int bottom = legendTopOf(canvas, 5) + 14 * (6 + 2);
    const int h = test::songLineHeight(canvas);
    EXPECT_TRUE(test::showsText(
        canvas, QRect(0, bottom + 18, canvas.width(), h), L + 2, bottom + 18,
        "注:全部线量总和为100，线量不是某种长度单位，只是用来说明各颜色线所占比例.", songFont(9)));
}

TEST(ChartLegendTest, ListedThreadKeepsItsChartSymbol) {
    // The thread of cell (0, 0) has one cell and is left out of the legend;
    // the listed thread is the second to appear, so its symbol is "B".
    const int rare = lightThread(0);
    const int common = lightThread(1);
    auto chart = makeChart(
        12, 4, [&](int x, int y) { return x == 0 && y == 0 ? rare : common; }, 2);
    ASSERT_EQ(chart->threads.table.size(), 1u);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = legendTopOf(canvas, 4);
    const QRect cell0(L + 39, T + 1, 37, 13);
    EXPECT_TRUE(
        test::showsText(canvas, QRect(L + 39, T + 1, 12, 13), L + 42, T + 1, "B", songFont(9)));
    EXPECT_TRUE(
        test::showsText(canvas, cell0.translated(0, 28), L + 42, T + 29, "47", songFont(9)));
}

} // namespace
} // namespace tessaline
