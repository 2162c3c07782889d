// The pattern file formats: what each registered writer makes, and the
// chart's encoding chosen by the file's name.
#include "ChartTestSupport.h"
#include "pattern/FinishedLook.h"
#include "render/ChartCanvas.h"
#include "render/ColorConvert.h"
#include "render/PatternFormats.h"

#include <QImage>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tessaline {
namespace {

using test::lightThread;
using test::makeChart;

QImage decoded(const PatternFile& file) {
    return QImage::fromData(file.bytes.data(), static_cast<int>(file.bytes.size()));
}

TEST(PatternFormats, EveryFormatIsFoundByNameAndOptionAndWritesItsFile) {
    const auto chart = makeChart(12, 9, [](int x, int y) { return lightThread((x + y) % 3); });
    const ChartSource source = chart->source(ChartKind::BlocksAndSymbols);
    std::set<std::string_view> names;
    std::set<std::string_view> options;
    for (const PatternFormat& format : patternFormats()) {
        EXPECT_TRUE(names.insert(format.name).second) << format.name;
        EXPECT_TRUE(options.insert(format.option).second) << format.option;
        EXPECT_EQ(patternFormatNamed(format.name), &format);
        EXPECT_EQ(patternFormatOfOption(format.option), &format);
        const std::string target = "pattern" + std::string(format.extension);
        const PatternFile file = format.write({.source = source, .target = target});
        EXPECT_TRUE(file.ok()) << format.name << ": " << file.problem;
        EXPECT_FALSE(file.bytes.empty()) << format.name;
    }
    EXPECT_EQ(patternFormatNamed("xml"), nullptr);
    EXPECT_EQ(patternFormatOfOption("--effect"), nullptr);

    const PatternFile pdf = patternFormatNamed("pdf")->write({.source = source, .target = "a.pdf"});
    EXPECT_EQ(std::string(pdf.bytes.begin(), pdf.bytes.begin() + 5), "%PDF-");
    const PatternFile json =
        patternFormatNamed("json")->write({.source = source, .target = "a.json"});
    EXPECT_EQ(std::string(json.bytes.begin(), json.bytes.end()).substr(0, 30),
              "{\"width\": 12, \"height\": 9, \"ca");
}

TEST(PatternFormats, ChartIsABitmapUnlessItsNameEndsInPngAndKeepsADrawnCanvas) {
    const auto chart = makeChart(10, 10, [](int x, int) { return lightThread(x % 2); });
    const ChartSource source = chart->source(ChartKind::SymbolsOnly);
    const PatternFormat& format = *patternFormatNamed("chart");
    const QImage drawn = renderChartCanvas(source);

    const PatternFile bmp = format.write({.source = source, .target = "chart.bmp"});
    ASSERT_GE(bmp.bytes.size(), 2U);
    EXPECT_EQ(bmp.bytes[0], 'B');
    EXPECT_EQ(bmp.bytes[1], 'M');
    EXPECT_EQ(decoded(bmp).convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32));

    const PatternFile png = format.write({.source = source, .target = "CHART.PNG"});
    ASSERT_GE(png.bytes.size(), 4U);
    EXPECT_EQ(std::string(png.bytes.begin() + 1, png.bytes.begin() + 4), "PNG");
    EXPECT_EQ(decoded(png).convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32));

    // The window hands over what it drew; the writer does not draw again.
    QImage onScreen(40, 30, QImage::Format_RGB32);
    onScreen.fill(Qt::red);
    const PatternFile saved =
        format.write({.source = source, .target = "myxiu001.bmp", .drawnCanvas = &onScreen});
    EXPECT_EQ(decoded(saved).convertToFormat(QImage::Format_RGB32), onScreen);
}

TEST(PatternFormats, FinishedLookIsAPngOfThreeByThreeCellsInTheirStitchedColours) {
    const auto chart = makeChart(7, 5, [](int x, int y) { return lightThread((x * y) % 4); });
    const ChartSource source = chart->source(ChartKind::SymbolsOnly);
    const PatternFile file =
        patternFormatNamed("finished")->write({.source = source, .target = "look.png"});
    ASSERT_TRUE(file.ok()) << file.problem;
    const QImage look = decoded(file);
    ASSERT_EQ(look.size(), QSize(21, 15));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const QRgb expected = toQRgb(finishedLookColor(source, x, y));
            EXPECT_EQ(look.pixel(3 * x, 3 * y), expected) << x << "," << y;
            EXPECT_EQ(look.pixel(3 * x + 2, 3 * y + 2), expected) << x << "," << y;
        }
    }
}

} // namespace
} // namespace tessaline
