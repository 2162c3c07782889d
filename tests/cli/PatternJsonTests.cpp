// The JSON of a pattern: escaping, layout, and the pipeline writing it in
// process.
#include "CliTestSupport.h"
#include "cli/ConvertPipeline.h"
#include "pattern/PatternJson.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sstream>

namespace tessaline::test {
namespace {

TEST(PatternJson, EscapesQuotesBackslashesAndControls) {
    EXPECT_EQ(jsonString("A"), "\"A\"");
    EXPECT_EQ(jsonString("\""), "\"\\\"\"");
    EXPECT_EQ(jsonString("\\"), "\"\\\\\"");
    EXPECT_EQ(jsonString("a\nb\tc\x01"), "\"a\\nb\\tc\\u0001\"");
    EXPECT_EQ(jsonString("王"), "\"王\"");
    // Every escaped text reads back as itself.
    const std::string tricky = "&*<>?/\\{}[]\"人";
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray::fromStdString("[" + jsonString(tricky) + "]"));
    EXPECT_EQ(doc.array().at(0).toString().toStdString(), tricky);
}

TEST(PatternJson, SymbolsPastTheAsciiOnesSurviveTheRoundTrip) {
    // The first 70 palette colours, one per cell: each is its own nearest
    // thread, so thread n is palette position n.
    auto matrix = std::make_unique<CellMatrix>();
    auto index = std::make_unique<CellMatrix>();
    const ThreadPalette& dmc = dmcPalette();
    matrix->fill(kWhite);
    for (int x = 0; x < 70; ++x) {
        (*matrix)(x, 0) = dmc[static_cast<std::size_t>(x + 1)].color;
    }
    GenerationSettings settings;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    const PatternThreads threads = generatePatternThreads(*matrix, 70, 1, settings, *index);
    ASSERT_EQ(threads.threadCount, 70);
    const QJsonObject p = parseJson(
        QByteArray::fromStdString(patternJson(Pattern{threads, *index, *matrix, "", {}})));
    const QJsonArray legend = p.value("legend").toArray();
    ASSERT_EQ(legend.size(), 70);
    // Thread n gets symbol n: 65 "&", 70 "/".
    EXPECT_EQ(legend.at(0).toObject().value("symbol").toString(), "A");
    EXPECT_EQ(legend.at(0).toObject().value("thread").toString(), "3713");
    EXPECT_EQ(legend.at(0).toObject().value("rgb").toString(), "FFC9B8");
    EXPECT_EQ(legend.at(64).toObject().value("symbol").toString(), "&");
    EXPECT_EQ(legend.at(69).toObject().value("symbol").toString(), "/");
    EXPECT_EQ(intsOf(p.value("cells")).front(), 1);
    EXPECT_EQ(intsOf(p.value("cells")).back(), 70);
    EXPECT_EQ(stringsOf(p.value("colors")).front(), "FFC9B8");
    EXPECT_FALSE(legend.at(0).toObject().contains("skeins"));

    // With a fabric each entry also has its skeins; the other fields stay.
    BookSettings fabric;
    fabric.fabricCount = 11;
    const QJsonArray counted = parseJson(QByteArray::fromStdString(patternJson(
                                             Pattern{threads, *index, *matrix, "", {}}, &fabric)))
                                   .value("legend")
                                   .toArray();
    ASSERT_EQ(counted.size(), 70);
    EXPECT_EQ(counted.at(0).toObject().value("skeins").toInt(), 1);
    EXPECT_EQ(counted.at(0).toObject().value("thread").toString(), "3713");
    EXPECT_EQ(counted.at(0).toObject().keys().size(), 5);
}

TEST(ConvertPipeline, WritesJsonToTheGivenStreamOnlyAfterSuccess) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ConvertOptions options;
    options.picture = savePng(makePicture(16, 16, quadrantColour), dir, "quad.png").toStdString();
    options.width = 16;
    options.method = 0;
    options.patternPaths["json"] = "-";
    std::ostringstream out;
    std::vector<std::string> steps;
    const ConvertResult result =
        convertPicture(options, out, {.stage = [&](std::string_view s) { steps.emplace_back(s); }});
    ASSERT_TRUE(result.ok()) << result.error;
    const QJsonObject p = parseJson(QByteArray::fromStdString(out.str()));
    EXPECT_EQ(intsOf(p.value("cells"))[8], kBlackPos);
    EXPECT_EQ(steps.front(), "loading the picture");

    options.picture = dir.filePath("absent.png").toStdString();
    std::ostringstream none;
    const ConvertResult missing = convertPicture(options, none);
    EXPECT_EQ(missing.exitCode, kExitInput);
    EXPECT_TRUE(none.str().empty());
}

TEST(ConvertPipeline, ReplacementsChainInTheOrderGiven) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    const std::string picture =
        savePng(makePicture(16, 16, quadrantColour), dir, "quad.png").toStdString();
    // Each thread that arrived by the step before is replaced in turn, and
    // the black quadrant ends where it began.
    const ConvertParse parse =
        parseConvertOptions({picture, "--width", "16", "--method", "0", "--json", "-", "--replace",
                             "310=989", "--replace", "989=321", "--replace=321=310"});
    ASSERT_TRUE(parse.ok()) << parse.error;
    std::ostringstream out;
    const ConvertResult result = convertPicture(parse.options, out);
    ASSERT_TRUE(result.ok()) << result.error;
    const QJsonObject p = parseJson(QByteArray::fromStdString(out.str()));
    const QJsonArray steps = p.value("replacements").toArray();
    ASSERT_EQ(steps.size(), 3);
    for (const QJsonValue step : steps) {
        EXPECT_EQ(step.toObject().value("cells").toInt(), 64);
    }
    EXPECT_EQ(steps[2].toObject().value("to").toString(), QStringLiteral("310"));
    EXPECT_EQ(intsOf(p.value("cells"))[8], kBlackPos);
}

TEST(ConvertPipeline, WritesOxsBesideJsonWithTheSameThreadsAndCells) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ConvertOptions options;
    options.picture = savePng(makePicture(16, 16, quadrantColour), dir, "quad.png").toStdString();
    options.width = 16;
    options.method = 0;
    options.ignore = 0;
    options.category = ThreadCategory::Cc;
    options.title = "\"Q&A\" <绣>";
    options.book.fabricCount = 18;
    options.patternPaths["json"] = dir.filePath("p.json").toStdString();
    options.patternPaths["oxs"] = dir.filePath("p.oxs").toStdString();
    std::ostringstream out;
    const ConvertResult result = convertPicture(options, out);
    ASSERT_TRUE(result.ok()) << result.error;
    const QJsonObject p = readJsonFile(dir.filePath("p.json"));
    QFile oxs(dir.filePath("p.oxs"));
    ASSERT_TRUE(oxs.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&oxs);
    std::vector<std::string> numbers; // palette items after the cloth
    std::vector<int> cells;           // each stitch's palette item, row by row
    QString title;
    QString stitchesPerInch;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"properties") {
            title = a.value(QStringLiteral("charttitle")).toString();
            stitchesPerInch = a.value(QStringLiteral("stitchesperinch")).toString();
        } else if (xml.name() == u"palette_item" && a.value(QStringLiteral("index")) != u"0") {
            numbers.push_back(a.value(QStringLiteral("number")).toString().toStdString());
        } else if (xml.name() == u"stitch") {
            cells.push_back(a.value(QStringLiteral("palindex")).toInt());
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(title.toStdString(), options.title);
    EXPECT_EQ(stitchesPerInch, QStringLiteral("18"));
    // CC: each thread is its own colour, numbered RRGGBB as in the legend.
    std::vector<std::string> legendColours;
    for (const QJsonValue entry : p.value("legend").toArray()) {
        legendColours.push_back(entry.toObject().value("rgb").toString().toStdString());
    }
    EXPECT_EQ(numbers, legendColours);
    std::vector<int> jsonCells = intsOf(p.value("cells"));
    EXPECT_EQ(cells, jsonCells); // CC: the colour's position is its legend place here
}

TEST(ConvertPipeline, ReductionMethodsLeaveOnlyTheirLevels) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    ConvertOptions options;
    // A smooth ramp: without reduction 256 shades of blue-grey.
    options.picture =
        savePng(makePicture(64, 64,
                            [](int x, int y) {
                                return static_cast<QRgb>(((x * 4) << 16) | ((y * 4) << 8) | 0x40);
                            }),
                dir, "ramp.png")
            .toStdString();
    options.width = 64;
    options.patternPaths["json"] = "-";
    options.method = 1; // black and white
    std::ostringstream out;
    ASSERT_TRUE(convertPicture(options, out).ok());
    const std::vector<std::string> colors =
        stringsOf(parseJson(QByteArray::fromStdString(out.str())).value("colors"));
    ASSERT_EQ(colors.size(), 64U * 64U);
    for (const std::string& c : colors) {
        ASSERT_TRUE(c == "000000" || c == "FFFFFF") << c;
    }
}

} // namespace
} // namespace tessaline::test
