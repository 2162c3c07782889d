// The chart on the screen canvas: sizes, pixel positions of lines, blocks and
// labels, the three chart kinds, progress and stopping.
#include "ChartTestSupport.h"
#include "render/ChartCanvas.h"
#include "render/FontSetup.h"

#include <QImage>
#include <gtest/gtest.h>
#include <vector>

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
const QColor kHeavy(66, 66, 66);
const QColor kWhiteColor(255, 255, 255);
constexpr int L = 40;

// The grid's top: title at 11, info line one line + 8 below it, then two
// lines and 3 to the header's end, and 3 more to the grid.
int gridTopOf(const QImage& canvas) {
    return 11 + 3 * test::songLineHeight(canvas) + 8 + 3 + 3;
}

// Three threads in vertical stripes.
int stripes(int x, int) {
    return lightThread(x % 3);
}

TEST(ChartCanvasTest, CanvasIsTenPixelsPerCellPlusMarginAndLegend) {
    // 12 cells wide: 120 \ 38 - 1 = 2 columns, one entry per legend row, so
    // three threads need three rows: 3 x 3 x 14 + 260 below the grid.
    auto chart = makeChart(12, 7, stripes);
    ASSERT_EQ(chart->threads.table.size(), 3u);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    EXPECT_EQ(canvas.width(), 10 * 12 + 83);
    EXPECT_EQ(canvas.height(), 10 * 7 + 126 + 260);

    // 117 wide: 29 columns, 28 entries per row; 29 threads take two rows.
    auto wide = makeChart(117, 3, [](int x, int) { return lightThread(x % 29); });
    ASSERT_EQ(wide->threads.table.size(), 29u);
    EXPECT_EQ(chartCanvasSize(wide->source(ChartKind::BlocksOnly)),
              QSize(1170 + 83, 30 + 2 * 3 * 14 + 260));
}

TEST(ChartCanvasTest, ThinLinesAreSingleGreyPixelsAtTheirPlaces) {
    auto chart = makeChart(12, 7, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    const int T = gridTopOf(canvas);
    const int right = L + 120;
    const int bottom = T + 70;

    for (int r = 0; r <= 7; ++r) { // row lines, the closing line at r = 7 included
        const int y = T + 10 * r;
        EXPECT_EQ(pixel(canvas, 12, y), kGrey) << "row " << r;
        EXPECT_EQ(pixel(canvas, 11, y), kWhiteColor) << "row " << r;
        EXPECT_EQ(pixel(canvas, right, y), kGrey) << "row " << r;
        EXPECT_EQ(pixel(canvas, right + 1, y), kWhiteColor) << "row " << r;
        EXPECT_NE(pixel(canvas, L + 5, y + 1), kGrey) << "row " << r;
    }
    for (int c = 0; c < 12; ++c) { // column lines run 40 pixels below the grid
        const int x = L + 10 * c;
        // Column 10 lies under the heavy block line inside the grid.
        EXPECT_EQ(pixel(canvas, x, T), c == 10 ? kHeavy : kGrey) << "column " << c;
        EXPECT_EQ(pixel(canvas, x, bottom + 40), kGrey) << "column " << c;
        EXPECT_EQ(pixel(canvas, x, bottom + 41), kWhiteColor) << "column " << c;
        EXPECT_NE(pixel(canvas, x + 1, T + 5), kGrey) << "column " << c;
    }
    // The right closing line stops at the grid's bottom.
    EXPECT_EQ(pixel(canvas, right, T), kGrey);
    EXPECT_EQ(pixel(canvas, right, bottom), kGrey);
    EXPECT_EQ(pixel(canvas, right, bottom + 1), kWhiteColor);
    EXPECT_EQ(pixel(canvas, right, T - 1), kWhiteColor);
}

TEST(ChartCanvasTest, BlocksFillNinePixelsInsideTheGridLines) {
    auto chart = makeChart(12, 7, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    const int T = gridTopOf(canvas);
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 12; ++c) {
            const QColor expected = qcolor(threadColor(stripes(c, r)));
            const int x = L + 10 * c;
            const int y = T + 10 * r;
            const int lastX = c == 9 ? 8 : 9; // pixel 9 of column 9 lies under the heavy line
            EXPECT_EQ(pixel(canvas, x + 1, y + 1), expected) << c << "," << r;
            EXPECT_EQ(pixel(canvas, x + lastX, y + 9), expected) << c << "," << r;
            EXPECT_EQ(countPixels(canvas, x + 1, y + 1, lastX, 9,
                                  [&](const QColor& p) { return p == expected; }),
                      lastX * 9)
                << c << "," << r;
        }
    }
}

TEST(ChartCanvasTest, HeavyLinesAreTwoPixelsAtBlockBoundaries) {
    // Seven rows, fewer than a block: still a heavy vertical line at column 10.
    auto chart = makeChart(12, 7, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    const int T = gridTopOf(canvas);
    const int x = L + 100;
    for (int y = T - 1; y <= T + 70; ++y) {
        EXPECT_EQ(pixel(canvas, x - 1, y), kHeavy) << y;
        EXPECT_EQ(pixel(canvas, x, y), kHeavy) << y;
    }
    EXPECT_NE(pixel(canvas, x + 1, T + 5), kHeavy);
    EXPECT_NE(pixel(canvas, x - 2, T + 5), kHeavy);
    // Below the grid the thin column line goes on.
    EXPECT_EQ(pixel(canvas, x, T + 71), kGrey);
    // No heavy horizontal line: no block boundary inside seven rows.
    auto isHeavy = [](const QColor& p) { return p == kHeavy; };
    EXPECT_EQ(countPixels(canvas, L - 5, T - 5, 130, 80, isHeavy), 2 * 72);

    // Seven columns, twelve rows: only the heavy horizontal line at row 10.
    auto tall = makeChart(7, 12, stripes);
    const QImage tallCanvas = renderChartCanvas(tall->source(ChartKind::BlocksOnly));
    const int y = T + 100;
    for (int px = L - 1; px <= L + 70; ++px) {
        EXPECT_EQ(pixel(tallCanvas, px, y - 1), kHeavy) << px;
        EXPECT_EQ(pixel(tallCanvas, px, y), kHeavy) << px;
    }
    EXPECT_EQ(pixel(tallCanvas, L + 71, y), kWhiteColor);
    EXPECT_EQ(countPixels(tallCanvas, L - 5, T - 5, 80, 130, isHeavy), 2 * 72);
}

// Interior pixels of a cell (inside its grid lines).
int cellPixels(const QImage& canvas, int T, int c, int r,
               const std::function<bool(const QColor&)>& test) {
    return countPixels(canvas, L + 10 * c + 1, T + 10 * r + 1, 8, 8, test);
}

TEST(ChartCanvasTest, ChartKindsChooseBlocksAndSymbols) {
    auto chart = makeChart(12, 7, stripes);
    const QImage both = renderChartCanvas(chart->source(ChartKind::BlocksAndSymbols));
    const QImage symbolsOnly = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const QImage blocksOnly = renderChartCanvas(chart->source(ChartKind::BlocksOnly));
    const int T = gridTopOf(both);
    for (int r = 0; r < 7; ++r) {
        for (int c = 0; c < 9; ++c) {
            const QColor block = qcolor(threadColor(stripes(c, r)));
            auto isBlock = [&](const QColor& p) { return p == block; };
            auto isWhite = [](const QColor& p) { return p == QColor(Qt::white); };
            // "生成绣图色块": the block colour and a black symbol on it.
            EXPECT_GT(cellPixels(both, T, c, r, isBlock), 0) << c << "," << r;
            EXPECT_GT(cellPixels(both, T, c, r, isInk), 0) << c << "," << r;
            // "无色块绣图": white cells with their symbols.
            EXPECT_EQ(cellPixels(symbolsOnly, T, c, r, isBlock), 0) << c << "," << r;
            EXPECT_GT(cellPixels(symbolsOnly, T, c, r, isInk), 0) << c << "," << r;
            EXPECT_GT(cellPixels(symbolsOnly, T, c, r, isWhite), 20) << c << "," << r;
            // "仅生成色块": blocks only, no symbol.
            EXPECT_EQ(cellPixels(blocksOnly, T, c, r, isBlock), 64) << c << "," << r;
        }
    }
    // Same thread, same symbol; different threads, different symbols.
    const QRect a(L + 1, T + 1, 9, 9);
    EXPECT_EQ(symbolsOnly.copy(a), symbolsOnly.copy(a.translated(30, 0)));
    EXPECT_NE(symbolsOnly.copy(a), symbolsOnly.copy(a.translated(10, 0)));
}

TEST(ChartCanvasTest, SymbolsSitAtTheTopLeftOfTheirCells) {
    // One row, so no symbol of a neighbouring row reaches into the cells.
    auto chart = makeChart(6, 1, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = gridTopOf(canvas);
    const char* symbols[] = {"A", "B", "C", "A", "B", "C"};
    for (int c = 0; c < 6; ++c) {
        const int x = L + 10 * c + 1;
        EXPECT_TRUE(test::showsText(canvas, QRect(x, T + 1, 9, 9), x, T, symbols[c], songFont(9)))
            << c;
        EXPECT_FALSE(
            test::showsText(canvas, QRect(x, T + 1, 9, 9), x + 1, T, symbols[c], songFont(9)))
            << c;
    }
}

TEST(ChartCanvasTest, ChartKindTexts) {
    EXPECT_EQ(chartKindFromText("生成绣图色块"), ChartKind::BlocksAndSymbols);
    EXPECT_EQ(chartKindFromText("无色块绣图"), ChartKind::SymbolsOnly);
    EXPECT_EQ(chartKindFromText("仅生成色块"), ChartKind::BlocksOnly);
    // Only the two named exceptions leave out blocks or symbols.
    EXPECT_EQ(chartKindFromText("something else"), ChartKind::BlocksAndSymbols);
    EXPECT_EQ(chartKindFromText(""), ChartKind::BlocksAndSymbols);
    for (ChartKind kind :
         {ChartKind::BlocksAndSymbols, ChartKind::SymbolsOnly, ChartKind::BlocksOnly}) {
        EXPECT_EQ(chartKindFromText(chartKindText(kind)), kind);
    }
}

// The row number band of row r: left of the grid, one cell high.
QImage rowLabel(const QImage& canvas, int T, int r) {
    return canvas.copy(L - 20, T + 10 * r, 18, 10);
}

TEST(ChartCanvasTest, RowsAreNumberedWithinTheirBlock) {
    auto chart = makeChart(4, 25, stripes);
    const QImage ten = renderChartCanvas(chart->source(ChartKind::SymbolsOnly, 10));
    const QImage six = renderChartCanvas(chart->source(ChartKind::SymbolsOnly, 6));
    const int T = gridTopOf(ten);

    // Block size 10: 01 .. 10, 01 .. 10, 01 .. 05.
    for (int r = 0; r < 10; ++r) {
        EXPECT_GT(countPixels(ten, L - 20, T + 10 * r, 18, 10, isInk), 0) << r;
        EXPECT_EQ(rowLabel(ten, T, r), rowLabel(ten, T, r + 10)) << r;
        if (r < 5) {
            EXPECT_EQ(rowLabel(ten, T, r), rowLabel(ten, T, r + 20)) << r;
        }
        for (int other = r + 1; other < 10; ++other) {
            EXPECT_NE(rowLabel(ten, T, r), rowLabel(ten, T, other)) << r << " vs " << other;
        }
    }
    // Block size 6: 01 .. 06, then 01 again.
    for (int r = 0; r < 6; ++r) {
        for (int k = 1; r + 6 * k < 25; ++k) {
            EXPECT_EQ(rowLabel(six, T, r), rowLabel(six, T, r + 6 * k)) << r << " block " << k;
        }
        // "01" .. "06" read the same under both block sizes.
        EXPECT_EQ(rowLabel(six, T, r), rowLabel(ten, T, r)) << r;
    }
    EXPECT_NE(rowLabel(ten, T, 6), rowLabel(ten, T, 0)); // "07" under 10
    EXPECT_EQ(rowLabel(six, T, 6), rowLabel(ten, T, 0)); // "01" under 6
    // The first label is exactly "01" in "Arial" 8 at (L - 18, T - 1).
    EXPECT_TRUE(
        test::showsText(ten, QRect(L - 20, T + 1, 18, 8), L - 18, T - 1, "01", arialFont(8)));
}

TEST(ChartCanvasTest, BlockLettersMarkEveryBlockBoundaryInRed) {
    auto chart = makeChart(25, 3, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = gridTopOf(canvas);
    const int y = T + 30 + 42;
    const QRect letterA(L + 100 - 5, y, 12, 14);
    const QRect letterB(L + 200 - 5, y, 12, 14);
    const int redA = countPixels(canvas, letterA.x(), y, 12, 14, test::isRedInk);
    const int redB = countPixels(canvas, letterB.x(), y, 12, 14, test::isRedInk);
    EXPECT_GT(redA, 0);
    EXPECT_GT(redB, 0);
    EXPECT_EQ(countPixels(canvas, 0, 0, canvas.width(), canvas.height(), test::isRedInk),
              redA + redB);
    const QColor red(255, 11, 11);
    EXPECT_TRUE(test::showsText(canvas, letterA, L + 95, y, "A", arialFont(8), red));
    EXPECT_TRUE(test::showsText(canvas, letterB, L + 195, y, "B", arialFont(8), red));

    // Exactly ten columns: column 10 does not exist, so no letter.
    auto ten = makeChart(10, 3, stripes);
    const QImage tenCanvas = renderChartCanvas(ten->source(ChartKind::SymbolsOnly));
    EXPECT_EQ(countPixels(tenCanvas, 0, 0, tenCanvas.width(), tenCanvas.height(), test::isRedInk),
              0);
    // Eleven columns: the letter at column 10 is the last column's.
    auto eleven = makeChart(11, 3, stripes);
    const QImage elevenCanvas = renderChartCanvas(eleven->source(ChartKind::SymbolsOnly));
    EXPECT_TRUE(test::showsText(elevenCanvas, letterA, L + 95, y, "A", arialFont(8), red));
}

TEST(ChartCanvasTest, ColumnNumbersAreThreeStackedDigits) {
    auto chart = makeChart(120, 2, stripes);
    const QImage canvas = renderChartCanvas(chart->source(ChartKind::SymbolsOnly));
    const int T = gridTopOf(canvas);
    auto digitAt = [&](int column, int place) {
        const int x = L + 10 * column + 2;
        const int y = T + 20 + 2 + 10 * place;
        return QRect(x, y, 8, 10);
    };
    auto shows = [&](int column, int place, const char* digit) {
        const QRect r = digitAt(column, place);
        return test::showsText(canvas, r, r.x(), r.y(), digit, arialFont(8));
    };
    // Column 1: 0, 0, 1.
    EXPECT_TRUE(shows(0, 0, "0"));
    EXPECT_TRUE(shows(0, 1, "0"));
    EXPECT_TRUE(shows(0, 2, "1"));
    // Column 120: 1, 2, 0.
    EXPECT_TRUE(shows(119, 0, "1"));
    EXPECT_TRUE(shows(119, 1, "2"));
    EXPECT_TRUE(shows(119, 2, "0"));
    EXPECT_FALSE(shows(119, 1, "1"));
    // Column 58: 0, 5, 8.
    EXPECT_TRUE(shows(57, 1, "5"));
    EXPECT_TRUE(shows(57, 2, "8"));
}

TEST(ChartCanvasTest, HeaderCentresTheTitleAndStartsTheInfoLineAtTheMargin) {
    auto chart = makeChart(30, 5, stripes);
    ChartSource source = chart->source(ChartKind::SymbolsOnly);
    const QImage canvas = renderChartCanvas(source);
    const int h = test::songLineHeight(canvas);
    // Centred: (canvas width - text width) / 2, on the nearest whole pixel.
    const int defaultWidth = QFontMetrics(songFont(9), &canvas).horizontalAdvance("我的绣图");
    EXPECT_TRUE(test::showsText(canvas, QRect(0, 11, canvas.width(), h),
                                qRound((canvas.width() - defaultWidth) / 2.0), 11, "我的绣图",
                                songFont(9)));
    const QString info = "绣线:DMC  颜色数：3   宽x高：30x5";
    EXPECT_TRUE(test::showsText(canvas, QRect(0, 11 + h + 8, canvas.width(), h), L, 11 + h + 8,
                                info, songFont(9)));

    source.title = "小猫";
    const QImage titled = renderChartCanvas(source);
    const int titleWidth = QFontMetrics(songFont(9), &titled).horizontalAdvance("小猫");
    EXPECT_TRUE(test::showsText(titled, QRect(0, 11, titled.width(), h),
                                qRound((titled.width() - titleWidth) / 2.0), 11, "小猫",
                                songFont(9)));
}

TEST(ChartCanvasTest, ProgressRunsThroughTheStagesAndCanStop) {
    auto chart = makeChart(12, 7, stripes);
    std::vector<ChartStage> stages;
    int lastStep = 0;
    ChartProgress progress;
    progress.stage = [&](ChartStage s) { stages.push_back(s); };
    progress.step = [&](int done, int) {
        lastStep = done;
        return true;
    };
    renderChartCanvas(chart->source(ChartKind::BlocksAndSymbols), progress);
    EXPECT_EQ(stages,
              (std::vector<ChartStage>{ChartStage::Header, ChartStage::Grid, ChartStage::Blocks,
                                       ChartStage::Legend, ChartStage::Symbols}));
    EXPECT_EQ(lastStep, 7); // the last symbol row
    stages.clear();
    renderChartCanvas(chart->source(ChartKind::BlocksOnly), progress);
    EXPECT_EQ(stages, (std::vector<ChartStage>{ChartStage::Header, ChartStage::Grid,
                                               ChartStage::Blocks, ChartStage::Legend}));

    // Stopping after the second symbol row leaves rows 0 and 1 drawn.
    ChartStage current = ChartStage::Header;
    ChartProgress stopper;
    stopper.stage = [&](ChartStage s) { current = s; };
    stopper.step = [&](int done, int) { return !(current == ChartStage::Symbols && done == 2); };
    QImage canvas = makeChartCanvas(chartCanvasSize(chart->source(ChartKind::SymbolsOnly)));
    QPainter painter(&canvas);
    EXPECT_FALSE(drawChart(painter, chart->source(ChartKind::SymbolsOnly), stopper));
    painter.end();
    const int T = gridTopOf(canvas);
    EXPECT_GT(cellPixels(canvas, T, 0, 1, isInk), 0);
    EXPECT_EQ(cellPixels(canvas, T, 0, 2, isInk), 0);

    // A run already stopped when the symbol pass starts draws no symbol at all.
    ChartProgress stoppedBefore;
    stoppedBefore.stage = [&](ChartStage s) { current = s; };
    stoppedBefore.step = [&](int, int) { return current != ChartStage::Symbols; };
    QImage untouched = makeChartCanvas(chartCanvasSize(chart->source(ChartKind::SymbolsOnly)));
    QPainter second(&untouched);
    EXPECT_FALSE(drawChart(second, chart->source(ChartKind::SymbolsOnly), stoppedBefore));
    second.end();
    EXPECT_EQ(cellPixels(untouched, T, 0, 0, isInk), 0);
}

} // namespace
} // namespace tessaline
