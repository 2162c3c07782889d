// The OXS file of a pattern, read back with Qt's XML reader: properties,
// palette and stitches are exactly the pattern's, and no text can break the
// XML.
#include "PatternTestHelpers.h"
#include "pattern/DmcNames.h"
#include "pattern/PatternOxs.h"
#include "pattern/PatternThreads.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace tessaline {
namespace {

struct OxsItem {
    QString number;
    QString name;
    QString color;
    QString symbol;
    QString strands;
};

struct ReadOxs {
    QString error;
    std::map<QString, QString> properties;
    std::vector<OxsItem> palette; // by index; item 0 is the cloth
    std::map<std::pair<int, int>, int> stitches;
    std::vector<QString> elements; // children of <chart> in order
};

ReadOxs readOxs(const std::string& bytes) {
    ReadOxs read;
    QXmlStreamReader xml(QByteArray::fromStdString(bytes));
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        ++depth;
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView name = xml.name();
        if (depth == 2) {
            read.elements.push_back(name.toString());
        }
        if (name == u"properties") {
            for (const QXmlStreamAttribute& attribute : a) {
                read.properties[attribute.name().toString()] = attribute.value().toString();
            }
        } else if (name == u"palette_item") {
            const auto index = static_cast<std::size_t>(a.value("index").toInt());
            if (read.palette.size() != index) {
                read.error = QStringLiteral("palette item out of order");
            }
            read.palette.push_back({a.value("number").toString(), a.value("name").toString(),
                                    a.value("color").toString(), a.value("symbol").toString(),
                                    a.value("strands").toString()});
        } else if (name == u"stitch") {
            const std::pair cell{a.value("x").toInt(), a.value("y").toInt()};
            if (!read.stitches.emplace(cell, a.value("palindex").toInt()).second) {
                read.error = QStringLiteral("two stitches in one cell");
            }
        }
    }
    if (xml.hasError()) {
        read.error = xml.errorString();
    }
    return read;
}

QString hexOf(Color color) {
    return QString::asprintf("%02X%02X%02X", getRed(color), getGreen(color), getBlue(color));
}

QString numberOf(const PatternThreads& threads, int cellIndex) {
    if (threads.category == ThreadCategory::Cc) {
        return hexOf(threads.indexColor(cellIndex));
    }
    const std::string& cindex = dmcPalette()[static_cast<std::size_t>(cellIndex)].cindex;
    return QStringLiteral("DMC ") + QString::fromStdString(shopThreadNumber(cindex));
}

// The colour name ("Black"); a "CC" colour is named by its number.
QString nameOf(const PatternThreads& threads, int cellIndex) {
    if (threads.category == ThreadCategory::Cc) {
        return hexOf(threads.indexColor(cellIndex));
    }
    const std::string& cindex = dmcPalette()[static_cast<std::size_t>(cellIndex)].cindex;
    return QString::fromStdString(std::string(dmcColorName(cindex)));
}

// Every cell is a stitch of the palette item whose thread the cell holds;
// the palette is the legend in order, then the threads left out of it.
void expectPatternRoundTrip(const Pattern& pattern, const ReadOxs& read) {
    const PatternThreads& threads = pattern.threads;
    ASSERT_TRUE(read.error.isEmpty()) << read.error.toStdString();
    ASSERT_GE(read.palette.size(), threads.table.size() + 1);
    EXPECT_EQ(read.palette[0].number, QStringLiteral("cloth"));
    EXPECT_EQ(read.palette[0].color, QStringLiteral("FFFFFF"));
    EXPECT_EQ(read.properties.at("palettecount").toInt(),
              static_cast<int>(read.palette.size()) - 1);
    std::map<QString, int> paletteOfNumber;
    for (std::size_t i = 1; i < read.palette.size(); ++i) {
        EXPECT_TRUE(paletteOfNumber.emplace(read.palette[i].number, static_cast<int>(i)).second)
            << "twice: " << read.palette[i].number.toStdString();
    }
    for (std::size_t k = 0; k < threads.table.size(); ++k) {
        const ThreadEntry& entry = threads.table[k];
        const OxsItem& item = read.palette[k + 1];
        EXPECT_EQ(item.number, numberOf(threads, entry.paletteIndex)) << k;
        EXPECT_EQ(item.name, nameOf(threads, entry.paletteIndex)) << k;
        EXPECT_EQ(item.color, hexOf(entry.color)) << k;
        EXPECT_EQ(item.symbol.toStdString(), threads.stitchSymbol(entry.paletteIndex)) << k;
    }
    ASSERT_EQ(static_cast<int>(read.stitches.size()), pattern.width() * pattern.height());
    std::vector<bool> used(read.palette.size(), false);
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x) {
            const int index = pattern.colorIndexMatrix(x, y);
            const auto stitch = read.stitches.find({x, y});
            ASSERT_NE(stitch, read.stitches.end()) << x << "," << y;
            ASSERT_EQ(stitch->second, paletteOfNumber.at(numberOf(threads, index)))
                << x << "," << y;
            const OxsItem& item = read.palette[static_cast<std::size_t>(stitch->second)];
            EXPECT_EQ(item.color, hexOf(threads.indexColor(index)));
            EXPECT_EQ(item.symbol.toStdString(), threads.stitchSymbol(index));
            used[static_cast<std::size_t>(stitch->second)] = true;
        }
    }
    for (std::size_t i = 1; i < used.size(); ++i) {
        EXPECT_TRUE(used[i]) << "palette item " << i << " has no stitch";
    }
}

TEST(PatternOxs, ReadsBackAsThePatternsThreadsCellsAndTitle) {
    // Five threads; the last has 2 cells, fewer than the ignorable count, so
    // it is charted without a legend entry.
    const ThreadPalette& dmc = dmcPalette();
    const std::vector<int> positions{kDmcBlack, kDmcWhite, 10, 200, 300};
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    constexpr int kWidth = 23;
    constexpr int kHeight = 17;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const int thread = (x == 5 && y < 2) ? 4 : (x / 6 + y / 9) % 4;
            (*matrix)(x, y) = dmc[static_cast<std::size_t>(positions[thread])].color;
        }
    }
    auto index = std::make_unique<CellMatrix>();
    GenerationSettings settings;
    settings.reduceStrength = 0;
    settings.ignorableCount = 3;
    const PatternThreads threads =
        generatePatternThreads(*matrix, kWidth, kHeight, settings, *index);
    ASSERT_EQ(threads.threadCount, 5);
    ASSERT_EQ(threads.table.size(), 4U);

    const std::string title = "He said \"A&B <x>\" 'q'\t王\x01\x1F\n绣图";
    const Pattern pattern{threads, *index, *matrix, title, {}};
    const ReadOxs read = readOxs(patternOxs(pattern, {.fabricCount = 18, .strands = 2}));
    expectPatternRoundTrip(pattern, read);
    ASSERT_EQ(read.palette.size(), 6U);
    EXPECT_EQ(read.palette[5].number,
              QStringLiteral("DMC ") +
                  QString::fromStdString(dmc[300].cindex.substr(0, dmc[300].cindex.find(' '))));
    EXPECT_EQ(read.palette[1].number, QStringLiteral("DMC 310"));
    EXPECT_EQ(read.palette[1].color, QStringLiteral("000000"));
    EXPECT_EQ(read.palette[1].strands, QStringLiteral("2"));

    // Controls XML cannot carry are left out; the rest survives as typed.
    EXPECT_EQ(read.properties.at("charttitle"),
              QString::fromUtf8("He said \"A&B <x>\" 'q'\t王\n绣图"));
    EXPECT_EQ(read.properties.at("chartwidth"), QStringLiteral("23"));
    EXPECT_EQ(read.properties.at("chartheight"), QStringLiteral("17"));
    EXPECT_EQ(read.properties.at("stitchesperinch"), QStringLiteral("18"));
    EXPECT_EQ(read.properties.at("stitchesperinch_y"), QStringLiteral("18"));
    EXPECT_EQ(read.properties.at("software"), QStringLiteral("Tessaline"));
    EXPECT_EQ(read.properties.at("oxsversion"), QStringLiteral("1.0"));
    const std::vector<QString> sections{"properties",   "palette",
                                        "fullstitches", "partstitches",
                                        "backstitches", "ornaments_inc_knots_and_beads",
                                        "commentboxes"};
    EXPECT_EQ(read.elements, sections);

    // No title: the chart's own; the strands are the fabric's.
    const ReadOxs untitled = readOxs(
        patternOxs(Pattern{threads, *index, *matrix, "", {}}, {.fabricCount = 11, .strands = 3}));
    EXPECT_EQ(untitled.properties.at("charttitle"), QStringLiteral("我的绣图"));
    EXPECT_EQ(untitled.properties.at("stitchesperinch"), QStringLiteral("11"));
    EXPECT_EQ(untitled.palette[1].strands, QStringLiteral("3"));
}

TEST(PatternOxs, CcPatternsCarryTheirOwnColoursAsNumbersAndSymbolsAreEscaped) {
    // 70 colours, two cells each: the stitcher's symbols in order, 21 "&",
    // 24 "<", 25 ">"; every symbol must come back as charted.
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (int x = 0; x < 70; ++x) {
        (*matrix)(x, 0) = rgb(x * 3, 255 - x, (x * 37) % 256);
        (*matrix)(x, 1) = rgb(x * 3, 255 - x, (x * 37) % 256);
    }
    auto index = std::make_unique<CellMatrix>();
    GenerationSettings settings;
    settings.category = ThreadCategory::Cc;
    settings.reduceStrength = 0;
    settings.ignorableCount = 0;
    const PatternThreads threads = generatePatternThreads(*matrix, 70, 2, settings, *index);
    ASSERT_EQ(threads.threadCount, 70);
    const Pattern pattern{threads, *index, *matrix, "CC", {}};
    const ReadOxs read = readOxs(patternOxs(pattern, BookSettings{}));
    expectPatternRoundTrip(pattern, read);
    EXPECT_EQ(read.palette[1].number, QStringLiteral("00FF00"));
    EXPECT_EQ(read.palette[21].symbol, QStringLiteral("&"));
    EXPECT_EQ(read.palette[24].symbol, QStringLiteral("<"));
    EXPECT_EQ(read.palette[25].symbol, QStringLiteral(">"));
}

TEST(PatternOxs, AttributeTextIsEscapedAndOnlyXmlCharactersRemain) {
    EXPECT_EQ(xmlAttribute("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&apos;f");
    EXPECT_EQ(xmlAttribute("\t\n\r"), "&#9;&#10;&#13;");
    EXPECT_EQ(xmlAttribute(std::string("a\0b\x01\x08\x0B\x0C\x1F\x7F", 9)), "ab\x7F");
    EXPECT_EQ(xmlAttribute("王\xC2\x85"), "王\xC2\x85"); // C1 controls are XML characters
    // Broken UTF-8, surrogates, overlong forms and U+FFFE/U+FFFF each
    // become U+FFFD per offending byte or sequence.
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(xmlAttribute("\xFF"), fffd);
    EXPECT_EQ(xmlAttribute("x\xE7\x8E"), "x" + fffd + fffd);
    EXPECT_EQ(xmlAttribute("\xED\xA0\x80"), fffd + fffd + fffd);
    EXPECT_EQ(xmlAttribute("\xC0\xAF"), fffd + fffd);
    EXPECT_EQ(xmlAttribute("\xEF\xBF\xBE\xEF\xBF\xBF"), fffd + fffd);
    EXPECT_EQ(xmlAttribute("\xF0\x9F\xA7\xB5"), "\xF0\x9F\xA7\xB5"); // beyond the BMP
    EXPECT_EQ(xmlAttribute("\xF4\x90\x80\x80"), fffd + fffd + fffd + fffd);

    // Every byte value in a title still gives well-formed XML.
    std::string everyByte;
    for (int b = 0; b < 256; ++b) {
        everyByte += static_cast<char>(b);
        everyByte += static_cast<char>(255 - b);
    }
    const std::string xml = "<t a=\"" + xmlAttribute(everyByte) + "\"/>";
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    while (!reader.atEnd()) {
        reader.readNext();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
}

} // namespace
} // namespace tessaline
