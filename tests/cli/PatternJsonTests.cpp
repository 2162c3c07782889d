// The JSON of a pattern: escaping, layout, and the pipeline writing it in
// process.
#include "CliTestSupport.h"
#include "cli/ConvertPipeline.h"
#include "pattern/PatternJson.h"

#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>
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

TEST(PatternJson, EveryCellValueHasAKeyEntryWithItsShopNumberAndName) {
    // Ten cells of 310, six of Ecru ("0000"), one of B5200 ("5200") and one
    // each of the first 70 palette threads: under the default ignorable
    // count (5) all but two are rare threads.
    auto matrix = std::make_unique<CellMatrix>();
    auto index = std::make_unique<CellMatrix>();
    const ThreadPalette& dmc = dmcPalette();
    const auto colorOf = [&](int position) {
        return dmc[static_cast<std::size_t>(position)].color;
    };
    matrix->fill(kWhite);
    const int width = 87;
    for (int x = 0; x < width; ++x) {
        (*matrix)(x, 0) = x < 10   ? colorOf(kDmcBlack)
                          : x < 16 ? colorOf(394)
                          : x < 17 ? colorOf(kDmcWhite)
                                   : colorOf(x - 16);
    }
    GenerationSettings settings;
    settings.reduceStrength = 0;
    const PatternThreads threads = generatePatternThreads(*matrix, width, 1, settings, *index);
    ASSERT_EQ(threads.table.size(), 2u);
    const QJsonObject p = parseJson(
        QByteArray::fromStdString(patternJson(Pattern{threads, *index, *matrix, "", {}})));
    EXPECT_EQ(p.value("title").toString(), QStringLiteral("我的绣图"));
    EXPECT_EQ(p.value("fabricCount").toInt(), 14);
    EXPECT_EQ(p.value("stitchesPerInch").toDouble(), 14);
    EXPECT_FALSE(p.value("overTwo").toBool());
    EXPECT_EQ(p.value("strands").toInt(), 2);

    const QJsonArray legend = p.value("legend").toArray();
    std::set<int> values;
    std::set<QString> symbols;
    for (const QJsonValue entry : legend) {
        values.insert(entry.toObject().value("value").toInt());
        symbols.insert(entry.toObject().value("symbol").toString());
    }
    EXPECT_EQ(symbols.size(), static_cast<std::size_t>(legend.size()));
    for (const int cell : intsOf(p.value("cells"))) {
        EXPECT_EQ(values.count(cell), 1u) << cell;
    }
    // The most stitched thread has the first symbol; the rare ones follow,
    // marked.
    const QJsonObject black = legend.at(0).toObject();
    EXPECT_EQ(black.value("value").toInt(), kDmcBlack);
    EXPECT_EQ(black.value("symbol").toString(), QStringLiteral("■"));
    EXPECT_EQ(black.value("thread").toString(), "310");
    EXPECT_EQ(black.value("name").toString(), "Black");
    EXPECT_EQ(black.value("amount").toInt(), 10);
    EXPECT_FALSE(black.contains("belowIgnorable"));
    EXPECT_FALSE(black.contains("skeins"));
    const QJsonObject ecru = legend.at(1).toObject();
    EXPECT_EQ(ecru.value("thread").toString(), "Ecru");
    EXPECT_EQ(ecru.value("symbol").toString(), QStringLiteral("●"));
    const QJsonObject snow = legend.at(2).toObject();
    EXPECT_EQ(snow.value("thread").toString(), "B5200");
    EXPECT_EQ(snow.value("name").toString(), "Snow White");
    EXPECT_TRUE(snow.value("belowIgnorable").toBool());

    // On 28-count linen, stitched over two, each entry also has its skeins.
    BookSettings fabric;
    fabric.fabricCount = 28;
    const QJsonObject counted = parseJson(QByteArray::fromStdString(
        patternJson(Pattern{threads, *index, *matrix, "Rose", {}}, fabric, true)));
    EXPECT_EQ(counted.value("title").toString(), "Rose");
    EXPECT_EQ(counted.value("stitchesPerInch").toDouble(), 14);
    EXPECT_TRUE(counted.value("overTwo").toBool());
    const QJsonObject first = counted.value("legend").toArray().at(0).toObject();
    EXPECT_EQ(first.value("skeins").toInt(), 1);
    EXPECT_EQ(first.keys().size(), 7);
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
