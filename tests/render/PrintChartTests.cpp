// The printed page: cell size from page and canvas shapes, blocks, lines and
// symbols at their millimetre positions, on a raster page and in a PDF.
#include "ChartTestSupport.h"
#include "TextBoxRecorder.h"
#include "render/ChartCanvas.h"
#include "render/ChartTexts.h"
#include "render/FontSetup.h"
#include "render/PrintChart.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tessaline {
namespace {

using test::GeneratedChart;
using test::isInk;
using test::lightThread;
using test::makeChart;
using test::qcolor;
using test::threadColor;

constexpr double kPixelsPerMm = 10; // pages are looked at at 254 dpi

int stripes(int x, int) {
    return lightThread(x % 3);
}

// The printed layout worked out from the page: a 20 x 15 chart with three
// threads has P = 200 \ 38 - 1 = 4, one legend row, legend height 42 + 260,
// so the canvas is 283 x 452 pixels, relatively narrower than A4.
// On a sheet with margins everything moves in by the margin and the page
// is the sheet's height less both margins.
struct ExpectedPage {
    double margin = 0;
    double s = 297.0 * 10 / 452 - 0.01;
    double left = 40 * s / 5;
    double gridTop = 0;

    // Millimetres per canvas pixel.
    double k = s / 10;

    // Header: title at 11s/5, info line one line + 8 canvas pixels lower,
    // two more lines and 3 pixels to the header's end, then 3s/5 to the grid.
    explicit ExpectedPage(double lineMm, double marginMm = 0)
        : margin(marginMm), s((297.0 - 2 * marginMm) * 10 / 452 - 0.01), left(40 * s / 5),
          k(s / 10) {
        gridTop = 11 * s / 5 + lineMm + 8 * k + 2 * lineMm + 3 * k + 3 * s / 5;
    }
    double cellX(double c) const { return margin + left + s * c; }
    double cellY(double r) const { return margin + gridTop + s * r; }
};

double songLineMm(QPaintDevice& device) {
    return QFontMetrics(songFont(9), &device).height() / (device.logicalDpiY() / 25.4);
}

QColor at(const QImage& page, double xMm, double yMm) {
    return page.pixelColor(static_cast<int>(std::floor(xMm * kPixelsPerMm)),
                           static_cast<int>(std::floor(yMm * kPixelsPerMm)));
}

bool near(const QColor& a, const QColor& b, int tolerance = 6) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Darkest pixel within half a millimetre across a line at `yMm` (horizontal)
// or `xMm` (vertical).
int darkestAcross(const QImage& page, double xMm, double yMm, bool horizontal) {
    int darkest = 255;
    for (int d = -5; d <= 5; ++d) {
        const int x = static_cast<int>(std::floor(xMm * kPixelsPerMm)) + (horizontal ? 0 : d);
        const int y = static_cast<int>(std::floor(yMm * kPixelsPerMm)) + (horizontal ? d : 0);
        darkest = std::min(darkest, page.pixelColor(x, y).lightness());
    }
    return darkest;
}

int inkInCell(const QImage& page, const ExpectedPage& e, int c, int r) {
    return test::countPixels(page, static_cast<int>(e.cellX(c) * kPixelsPerMm) + 3,
                             static_cast<int>(e.cellY(r) * kPixelsPerMm) + 3,
                             static_cast<int>(e.s * kPixelsPerMm) - 6,
                             static_cast<int>(e.s * kPixelsPerMm) - 6, isInk);
}

// The page checks shared by the raster page and the PDF.
void expectPrintedChart(const QImage& page, const ExpectedPage& e, const GeneratedChart& chart,
                        bool blocks) {
    for (int r = 0; r < 15; r += 7) {
        for (int c = 0; c < 20; c += 3) {
            // Blocks in the cell's pattern colour; the symbol sits top-left,
            // so the block shows at the bottom-right.
            const QColor block = qcolor(chart.pattern(c, r));
            const QColor seen = at(page, e.cellX(c + 0.85), e.cellY(r + 0.85));
            EXPECT_TRUE(blocks ? near(seen, block) : near(seen, Qt::white))
                << c << "," << r << " " << seen.name().toStdString();
            // Every kind prints its symbols.
            EXPECT_GT(inkInCell(page, e, c, r), 0) << c << "," << r;
        }
    }
    // Thin grey lines on the cell boundaries, nothing half a cell away.
    for (int r = 1; r < 15; r += 4) {
        EXPECT_LT(darkestAcross(page, e.cellX(4.8), e.cellY(r), true), 215) << r;
    }
    for (int c = 1; c < 20; c += 4) {
        EXPECT_LT(darkestAcross(page, e.cellX(c), e.cellY(2.8), false), 215) << c;
    }
    // Heavy lines at row 10 and column 10: darker than the thin ones.
    EXPECT_LT(darkestAcross(page, e.cellX(4.8), e.cellY(10), true), 120);
    EXPECT_LT(darkestAcross(page, e.cellX(10), e.cellY(2.8), false), 120);
    EXPECT_GT(darkestAcross(page, e.cellX(4.8), e.cellY(9), true), 120);
}

TEST(PrintChartTest, GeometryOfA200By287PageAnd100By100Pattern) {
    auto chart = makeChart(100, 100, [](int x, int) { return lightThread(x % 2); });
    const ChartGeometry g = printGeometry(QSizeF(200, 287), chart->source(ChartKind::SymbolsOnly));
    // Canvas 1083 x (1000 + 42 + 260): the page is relatively narrower.
    EXPECT_NEAR(g.cell, 200.0 * 10 / 1083 - 0.01, 1e-9);
    EXPECT_NEAR(g.cell, 1.84, 0.005);
    EXPECT_NEAR(g.leftMargin, 8 * g.cell, 1e-9);
    EXPECT_NEAR(g.topMargin, 2.2 * g.cell, 1e-9);
    // The grid (left margin + 100 cells) stays on the page, near its right edge.
    EXPECT_LE(g.leftMargin + 100 * g.cell, 200);
    EXPECT_GT(g.leftMargin + 100 * g.cell, 195);
}

TEST(PrintChartTest, RasterPageShowsChartAtMillimetrePositions) {
    auto chart = makeChart(20, 15, stripes);
    QImage page(2100, 2970, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    page.fill(Qt::white);
    QPainter painter(&page);
    scaleToMillimetres(painter);
    ChartPlacement placement;
    ASSERT_TRUE(printChart(painter, QSizeF(210, 297), chart->source(ChartKind::BlocksOnly), {},
                           &placement));
    painter.end();
    const ExpectedPage e(songLineMm(page));
    EXPECT_NEAR(placement.gridTop, e.gridTop, 1e-6);
    // Grid result (50 canvas pixels below the grid) + 8s/5; the legend is
    // the canvas's, scaled.
    EXPECT_NEAR(placement.legendTop, e.cellY(15) + 50 * e.k + 8 * e.s / 5, 1e-6);
    EXPECT_NEAR(placement.legendBottom, placement.legendTop + 14 * e.k * (3 + 2), 1e-6);
    expectPrintedChart(page, e, *chart, true);
    // No swatches on paper: the first entry's text cell is white where the
    // canvas has its swatch.
    EXPECT_TRUE(near(at(page, e.left + 58 * e.k, placement.legendTop + 6 * e.k), Qt::white));
}

// A 230 x 250 "CC" pattern with `entries` colours: one cell each for all
// but the last, which takes the rest (a five-digit amount).
std::unique_ptr<GeneratedChart> largestChart(int entries) {
    auto chart = makeChart(1, 1, [](int, int) { return 1; });
    chart->pattern.fill(kWhite);
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 230; ++x) {
            const int j = std::min(y * 230 + x, entries - 1);
            chart->pattern(x, y) = rgb(j & 0xFF, 40 + 60 * (j >> 8), 200);
        }
    }
    GenerationSettings settings;
    settings.category = ThreadCategory::Cc;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    chart->threads = generatePatternThreads(chart->pattern, 230, 250, settings, chart->index);
    return chart;
}

bool overlap(const QRectF& a, const QRectF& b) {
    constexpr double kTouch = 0.005; // boxes that only touch are apart
    return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > kTouch &&
           std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > kTouch;
}

// Pairs of overlapping text boxes, found through 2 mm buckets.
std::vector<std::pair<test::TextBox, test::TextBox>>
overlappingBoxes(const std::vector<test::TextBox>& boxes) {
    constexpr double kBucket = 2;
    std::map<std::pair<int, int>, std::vector<std::size_t>> buckets;
    std::vector<std::pair<test::TextBox, test::TextBox>> found;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QRectF& r = boxes[i].box;
        std::set<std::size_t> seen;
        for (int bx = static_cast<int>(std::floor(r.left() / kBucket));
             bx <= static_cast<int>(std::floor(r.right() / kBucket)); ++bx) {
            for (int by = static_cast<int>(std::floor(r.top() / kBucket));
                 by <= static_cast<int>(std::floor(r.bottom() / kBucket)); ++by) {
                std::vector<std::size_t>& bucket = buckets[{bx, by}];
                for (std::size_t j : bucket) {
                    if (seen.insert(j).second && overlap(r, boxes[j].box)) {
                        found.emplace_back(boxes[j], boxes[i]);
                    }
                }
                bucket.push_back(i);
            }
        }
    }
    return found;
}

TEST(PrintChartTest, LargestPatternsAndLegendsFitThePageWithoutOverlap) {
    struct Page {
        const char* name;
        QSizeF size;
    };
    // A4 as the PDF has it, and Letter inside a printer's quarter-inch margins.
    const Page pages[] = {{"A4", QSizeF(210, 297)}, {"Letter", QSizeF(215.9 - 12.7, 279.4 - 12.7)}};
    for (int entries : {74, 120, 500}) {
        auto chart = largestChart(entries);
        const ChartSource source = chart->source(ChartKind::BlocksAndSymbols);
        ASSERT_EQ(source.entryCount(), entries);
        for (const Page& page : pages) {
            SCOPED_TRACE(std::string(page.name) + ", " + std::to_string(entries) + " entries");
            test::TextBoxPage device(page.size);
            QPainter painter(&device);
            scaleToMillimetres(painter);
            ChartPlacement placement;
            ASSERT_TRUE(printChart(painter, page.size, source, {}, &placement));
            painter.end();
            const std::vector<test::TextBox>& boxes = device.boxes();

            constexpr double kSlack = 0.01;
            const QRectF area(-kSlack, -kSlack, page.size.width() + 2 * kSlack,
                              page.size.height() + 2 * kSlack);
            int outside = 0;
            for (const test::TextBox& b : boxes) {
                if (!area.contains(b.box)) {
                    ADD_FAILURE() << "off the page: " << b.text.toStdString();
                    if (++outside > 5) {
                        break;
                    }
                }
            }
            const auto overlaps = overlappingBoxes(boxes);
            for (std::size_t i = 0; i < std::min<std::size_t>(overlaps.size(), 5); ++i) {
                ADD_FAILURE() << "overlap: \"" << overlaps[i].first.text.toStdString()
                              << "\" and \"" << overlaps[i].second.text.toStdString() << "\"";
            }
            EXPECT_TRUE(overlaps.empty()) << overlaps.size() << " overlapping pairs";

            // Every legend entry, both notes and the footer are there.
            std::multiset<QString> texts;
            for (const test::TextBox& b : boxes) {
                texts.insert(b.text);
            }
            for (const ThreadEntry& entry : chart->threads.table) {
                EXPECT_TRUE(texts.count(printedThreadNumber(entry.threadNo)) > 0) << entry.threadNo;
            }
            EXPECT_EQ(texts.count(legendTotalNoteText(230, 250)), 1u);
            EXPECT_EQ(texts.count(symbolNoteText()), 1u);
            // The footer's Latin and Chinese parts are laid out as two runs.
            EXPECT_EQ(texts.count(QStringLiteral("Tessaline V2008 ")), 1u);
            EXPECT_EQ(texts.count(QStringLiteral("十字绣图")), 1u);
            EXPECT_LT(placement.cell, kReadableCellMillimetres);
        }
    }
}

QString pdftoppm() {
    return QStandardPaths::findExecutable("pdftoppm");
}

QImage rasterise(const QString& pdf, const QString& dir) {
    QProcess process;
    process.start(pdftoppm(), {"-r", "254", "-png", "-singlefile", pdf, dir + "/page"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QImage(dir + "/page.png").convertToFormat(QImage::Format_RGB32);
}

// The printout's PDF, made in memory, saved for pdftoppm.
bool savePdf(const QString& path, const ChartSource& source) {
    const std::optional<QByteArray> pdf = renderChartPdf(source);
    QFile file(path);
    return pdf && file.open(QIODevice::WriteOnly) && file.write(*pdf) == pdf->size();
}

TEST(PrintChartTest, PdfIsAnA4PageWithTheChartInMillimetres) {
    if (pdftoppm().isEmpty()) {
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    }
    auto chart = makeChart(20, 15, stripes);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("chart.pdf");
    // "仅生成色块" on paper still gets its symbols.
    ASSERT_TRUE(savePdf(path, chart->source(ChartKind::BlocksOnly)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    file.close();

    const QImage page = rasterise(path, dir.path());
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(page.width(), 2100, 2);
    EXPECT_NEAR(page.height(), 2970, 2);
    QPdfWriter metricsDevice(dir.filePath("metrics.pdf"));
    // Inside the margins a home printer prints.
    const ExpectedPage e(songLineMm(metricsDevice), kMinPrintMarginMm);
    expectPrintedChart(page, e, *chart, true);
    EXPECT_TRUE(near(at(page, kMinPrintMarginMm - 0.5, e.cellY(7)), Qt::white));

    const QString plain = dir.filePath("plain.pdf");
    ASSERT_TRUE(savePdf(plain, chart->source(ChartKind::SymbolsOnly)));
    expectPrintedChart(rasterise(plain, dir.path()), e, *chart, false);
}

TEST(PrintChartTest, AStoppedPdfGivesNoDocument) {
    auto chart = makeChart(20, 15, stripes);
    ChartStage current = ChartStage::Header;
    ChartProgress stopper;
    stopper.stage = [&](ChartStage s) { current = s; };
    stopper.step = [&](int, int) { return current != ChartStage::Symbols; };
    EXPECT_FALSE(renderChartPdf(chart->source(ChartKind::BlocksOnly), stopper));
    EXPECT_EQ(current, ChartStage::Symbols);
}

// Without a translation the chart's words are the program's own, number for
// number; a category holding a marker stays as it is.
TEST(ChartTexts, TheProgramsOwnWordsWithoutATranslation) {
    EXPECT_EQ(chartTitleText(""), QStringLiteral("我的绣图"));
    EXPECT_EQ(chartTitleText("小猫"), QStringLiteral("小猫"));
    EXPECT_EQ(chartInfoText(QStringLiteral("DMC"), 25, 120, 90),
              QStringLiteral("绣线:DMC  颜色数：25   宽x高：120x90"));
    EXPECT_EQ(chartInfoText(QStringLiteral("%2"), 7, 16, 320),
              QStringLiteral("绣线:%2  颜色数：7   宽x高：16x320"));
    EXPECT_EQ(legendTotalNoteText(100, 100),
              QStringLiteral(
                  "注:全部线量总和为10000，线量不是某种长度单位，只是用来说明各颜色线所占比例."));
    EXPECT_TRUE(
        legendTotalNoteText(320, 320).startsWith(QStringLiteral("注:全部线量总和为102400，")));
    EXPECT_EQ(legendHeadingText(0) + legendHeadingText(1) + legendHeadingText(2),
              QStringLiteral("符号线号数量"));
    EXPECT_EQ(printStageText(ChartStage::Header), QStringLiteral("正在生成打印文档，请等待...."));
    EXPECT_EQ(printStageText(ChartStage::Grid), QStringLiteral("正在绘制网格，请等待...."));
    EXPECT_EQ(printStageText(ChartStage::Blocks), QStringLiteral("正在绘制网格，请等待...."));
    EXPECT_EQ(printStageText(ChartStage::Legend), QStringLiteral("正在绘制绣线表格，请等待...."));
    EXPECT_EQ(printStageText(ChartStage::Symbols), QStringLiteral("正在绘制绣线符号，请等待...."));
}

} // namespace
} // namespace tessaline
