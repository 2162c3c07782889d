// The OXS reader: the program's own files read back unchanged, a file in
// the style of other programs read with its extras counted, and every kind
// of bad file refused.
#include "PatternTestHelpers.h"
#include "pattern/OxsReader.h"
#include "pattern/PatternOxs.h"
#include "pattern/SymbolSet.h"
#include "pattern/ThreadReplacement.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tessaline {
namespace {

struct Generated {
    std::unique_ptr<CellMatrix> cells;
    std::unique_ptr<CellMatrix> index = std::make_unique<CellMatrix>();
    PatternThreads threads;
};

Generated generate(int width, int height, Color (*colour)(int, int),
                   const GenerationSettings& settings) {
    Generated g;
    g.cells = testing::filledMatrix(kWhite);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            (*g.cells)(x, y) = colour(x, y);
        }
    }
    g.threads = generatePatternThreads(*g.cells, width, height, settings, *g.index);
    EXPECT_EQ(g.threads.status, GenerationStatus::Done);
    return g;
}

// Each legend row as "symbol number amount".
std::vector<std::string> key(const PatternThreads& threads) {
    std::vector<std::string> rows;
    for (const ThreadEntry& entry : threads.table) {
        rows.push_back(threads.symbol(entry.paletteIndex) + " " + entry.threadNo + " " +
                       std::to_string(entry.amount));
    }
    return rows;
}

int dmc(const char* number) {
    return threadPositionOfNumber(dmcPalette(), number);
}

TEST(OxsReader, TheProgramsOwnFilesReadBackToTheSameFileAndKey) {
    struct Case {
        const char* what;
        int width;
        int height;
        Color (*colour)(int, int);
        GenerationSettings settings;
        BookSettings fabric;
    };
    // 256 colours in blocks of 4 x 4 cells.
    const auto gradient = [](int x, int y) {
        return rgb((x / 4) * 16, (y / 4) * 16, (x / 4 + y / 4) * 8);
    };
    // 484 scattered colours in blocks of 2 x 2 cells.
    const auto scattered = [](int x, int y) {
        const int k = x / 2 + (y / 2) * 22;
        return rgb((k * 97) % 256, (k * 57) % 256, (k * 211) % 256);
    };
    // Few colours, one of them in only three cells: charted without a legend entry.
    const auto blocks = [](int x, int y) {
        if (x == 0 && y < 3) {
            return rgb(0x12, 0x34, 0x56);
        }
        return rgb((x / 8) * 60, (y / 8) * 60, 200);
    };
    GenerationSettings cc;
    cc.category = ThreadCategory::Cc;
    GenerationSettings limited;
    limited.threadLimit = 12;
    limited.match = ColorMatch::Lab;
    GenerationSettings unmerged;
    unmerged.reduceStrength = 0;
    const Case cases[] = {
        {"gradient, merged", 40, 30, gradient, {}, {}},
        {"many threads, Chinese and shared symbols",
         44,
         44,
         scattered,
         unmerged,
         {.fabricCount = 18}},
        {"own colours", 24, 20, blocks, cc, {.fabricCount = 11}},
        {"thread limit, CIELAB", 50, 35, gradient, limited, {}},
        {"rare thread without entry", 24, 20, blocks, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Generated g = generate(c.width, c.height, c.colour, c.settings);
        if (c.fabric.fabricCount == 18) {
            // Past the 100th thread symbols repeat ("王" at 88 and 100).
            EXPECT_GT(g.threads.threadCount, 100);
        }
        const std::string title = c.settings.category == ThreadCategory::Cc ? "Blöcke & <Co>" : "";
        const std::string written =
            patternOxs(Pattern{g.threads, *g.index, *g.cells, title, {}}, c.fabric);
        const OxsReadResult read = readOxs(written);
        ASSERT_TRUE(read.ok());
        const OxsPattern& back = *read.pattern;
        EXPECT_EQ(patternOxs(back.pattern(), c.fabric), written);
        EXPECT_EQ(key(back.threads), key(g.threads));
        EXPECT_EQ(back.threads.category, c.settings.category);
        EXPECT_EQ(back.title, title);
        EXPECT_EQ(back.fabricCount.value_or(0), c.fabric.fabricCount);
        EXPECT_FALSE(back.hasWarning());
    }
}

// In the style of other programs: brands, spacing, a custom colour, part
// stitches, lines, ornaments, comments, attributes and sections this
// program does not write, entities, CDATA and a document type.
constexpr std::string_view kForeign = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE chart [ <!ENTITY unused "x"> ]>
<!-- saved by another program -->
<chart>
<format comments01="Designed to allow interchange &amp; more"/>
<properties oxsversion="1.0" software="Other &quot;Stitch&quot;" chartheight="6" chartwidth="8"
  charttitle="Rose &#38; Thistle&#x21;" stitchesperinch="16" stitchesperinch_y="16"
  palettecount="6" units="inches"/>
<palette>
<palette_item index="0" number="cloth" name="cloth" color="F5F0E0"/>
<palette_item index="1" number="DMC    310" name="Black" color="2C3225" symbol="100" bsstrands="1"/>
<palette_item index="2" number="Anchor 403" name="Black" color="1E1E1E" symbol="+"/>
<palette_item index="3" number="" name="My pink" color="FF8899" symbol="*"/>
<palette_item index="4" number="B5200" name="Snow White" color="FFFFFF" symbol="A"/>
<palette_item index="5" number="Ecru" name="Ecru" color="F0EADA" blendcolor="FFFFFF"/>
<palette_item index="6" number="DMC 666" name="Red" color="E3121F" comments="not used"/>
</palette>
<fullstitches>
<stitch x="0" y="0" palindex="1"/><stitch x="1" y="0" palindex="1" marked="true"/>
<stitch x="2" y="0" palindex="2"/><stitch x="3" y="0" palindex="3"/>
<stitch x="4" y="0" palindex="4"/><stitch x="5" y="0" palindex="5"/>
<stitch x="6" y="0" palindex="0"/>
<stitch x="0" y="5" palindex="3"/><stitch x="0" y="5" palindex="4"/>
<![CDATA[ <stitch x="99" y="99" palindex="77"/> ]]>
</fullstitches>
<partstitches>
<partstitch x="1" y="1" palindex1="1" palindex2="0" direction="3"/>
<partstitch x="2" y="1" palindex1="1" palindex2="0" direction="4"/>
<partstitch x="3" y="1" palindex1="1" palindex2="2" direction="1"/>
</partstitches>
<backstitches>
<backstitch x1="0" y1="0" x2="2.5" y2="3" palindex="1" objecttype="backstitch" sequence="0"/>
<backstitch x1="1" y1="1" x2="2" y2="2" palindex="1" objecttype="backstitch" sequence="1"/>
</backstitches>
<ornaments_inc_knots_and_beads>
<object x1="2" y1="3.5" palindex="1" objecttype="knot"/>
<object x1="3" y1="3.5" palindex="1" objecttype="bead3mm"/>
</ornaments_inc_knots_and_beads>
<commentboxes><commentbox boxwords="hello"/></commentboxes>
<layers><layer name="extra"><stitch x="500" y="500" palindex="99"/></layer></layers>
</chart>
<!-- trailing comment -->
)";

TEST(OxsReader, FilesOfOtherProgramsKeepTheirFullStitchesAndCountTheRest) {
    const OxsReadResult read = readOxs(kForeign, {ColorMatch::Rgb, 0});
    ASSERT_TRUE(read.ok()) << static_cast<int>(read.problem.error);
    const OxsPattern& p = *read.pattern;
    EXPECT_EQ(p.threads.category, ThreadCategory::Dmc);
    EXPECT_EQ(p.threads.width, 8);
    EXPECT_EQ(p.threads.height, 6);
    EXPECT_EQ(p.title, "Rose & Thistle!");
    EXPECT_EQ(p.fabricCount.value_or(0), 16);

    const int anchor = nearestThread(dmcPalette(), rgb(0x1E, 0x1E, 0x1E));
    const int pink = nearestThread(dmcPalette(), rgb(0xFF, 0x88, 0x99));
    const int ecru = dmcPositionOfOxsNumber("Ecru"); // a DMC thread by its shop name
    const int row0[] = {dmc("310"), dmc("310"), anchor, pink, dmc("5200"), ecru, 0, 0};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(p.colorIndexMatrix(x, 0), row0[x]) << x;
    }
    // The last stitch of a cell wins; unstitched cells stay cloth.
    EXPECT_EQ(p.colorIndexMatrix(0, 5), dmc("5200"));
    EXPECT_EQ(p.colorIndexMatrix(7, 5), 0);
    EXPECT_EQ(p.patternMatrix(7, 5), kClearCell);
    EXPECT_EQ(p.duplicateCells, 1);

    ASSERT_EQ(p.matched.size(), 2U);
    EXPECT_EQ(p.matched[0].number, "Anchor 403");
    EXPECT_EQ(p.matched[0].dmcPosition, anchor);
    EXPECT_EQ(p.matched[1].number, "My pink");

    EXPECT_EQ(p.leftOut.halfStitches, 2);
    EXPECT_EQ(p.leftOut.partStitches, 1);
    EXPECT_EQ(p.leftOut.backstitches, 2);
    EXPECT_EQ(p.leftOut.knots, 1);
    EXPECT_EQ(p.leftOut.beads, 1);
    EXPECT_EQ(p.leftOut.comments, 1);
    EXPECT_EQ(p.leftOut.blendedThreads, 1);

    // Symbols of the stitcher's set are kept ("+", "A"; 100 is "d"), the rest
    // ("*" is not in it) take its first free ones; a thread used by no stitch
    // is left out.
    EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, dmc("310")), "d");
    EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, dmc("5200")), "A");
    if (anchor != dmc("310")) {
        EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, anchor), "+");
    }
    EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, pink), stitchSymbolAt(1));
    EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, ecru), stitchSymbolAt(2));
    EXPECT_EQ(p.threads.threadCount,
              static_cast<int>(std::set<int>{dmc("310"), anchor, pink, dmc("5200"), ecru}.size()));
    EXPECT_EQ(stitchSymbolOf(p.threads.stitchSymbolPos, dmc("666")), "");
}

TEST(OxsReader, ThreadsAreKnownByDmcNumberOrName) {
    EXPECT_EQ(dmcPositionOfOxsNumber("DMC 310"), dmc("310"));
    EXPECT_EQ(dmcPositionOfOxsNumber("  dmc    310 "), dmc("310"));
    EXPECT_EQ(dmcPositionOfOxsNumber("310"), dmc("310"));
    EXPECT_EQ(dmcPositionOfOxsNumber("B5200"), dmc("5200"));
    EXPECT_EQ(dmcPositionOfOxsNumber("DMC B5200"), dmc("5200"));
    EXPECT_EQ(dmcPositionOfOxsNumber("Anchor 403"), 0);
    EXPECT_EQ(dmcPositionOfOxsNumber("Ecru"), threadPositionOfNumber(dmcPalette(), "Ecru"));
    EXPECT_NE(dmcPositionOfOxsNumber("Ecru"), 0);
    EXPECT_EQ(dmcPositionOfOxsNumber("DMC 99999"), 0);
    // A thread with no number is known by a DMC name.
    const OxsReadResult read =
        readOxs("<chart><properties chartwidth='2' chartheight='1'/><palette>"
                "<palette_item index='0'/><palette_item index='1' name='DMC 666' color='000000'/>"
                "<palette_item index='2' number='Blanc' name='White' color='FFFFFF'/></palette>"
                "<fullstitches><stitch x='0' y='0' palindex='1'/>"
                "<stitch x='1' y='0' palindex='2'/></fullstitches></chart>");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.pattern->colorIndexMatrix(0, 0), dmc("666"));
    EXPECT_EQ(read.pattern->colorIndexMatrix(1, 0), dmc("5200"));
    ASSERT_EQ(read.pattern->matched.size(), 1U);
    EXPECT_EQ(read.pattern->matched[0].number, "Blanc");
}

TEST(OxsReader, BadFilesAreRefusedWithTheirProblem) {
    const auto chart = [](const std::string& properties, const std::string& stitches) {
        return "<chart><properties " + properties +
               "/><palette><palette_item index='0' number='cloth'/>"
               "<palette_item index='1' number='DMC 310' color='000000'/></palette>"
               "<fullstitches>" +
               stitches + "</fullstitches></chart>";
    };
    const std::string size = "chartwidth='3' chartheight='2'";
    struct Case {
        std::string text;
        OxsError error;
        int x = 0;
        int y = 0;
        int value = 0;
    };
    const Case cases[] = {
        {"", OxsError::NotXml},
        {"\x89PNG\r\n\x1A\n", OxsError::NotXml},
        {"<chart><properties chartwidth='3' chartheight='2'></chart>", OxsError::NotXml},
        {"<chart a='1' a></chart>", OxsError::NotXml},
        {"<chart/><chart/>", OxsError::NotXml},
        {"<chart><!-- open </chart>", OxsError::NotXml},
        {chart(size, "") + "trailing", OxsError::NotXml},
        {"<svg width='3'/>", OxsError::NotAChart},
        {"<chart><palette/></chart>", OxsError::NotAChart},
        {chart("chartwidth='3'", ""), OxsError::NotAChart},
        {chart("chartwidth='-3' chartheight='2'", ""), OxsError::BadSize, -3, 2},
        {chart("chartwidth='0' chartheight='2'", ""), OxsError::BadSize, 0, 2},
        {chart("chartwidth='1001' chartheight='2'", ""), OxsError::BadSize, 1001, 2},
        {chart("chartwidth='3.5' chartheight='2'", ""), OxsError::BadSize, 0, 2},
        {chart("chartwidth='400' chartheight='20'", ""), OxsError::TooLarge, 400, 20},
        {chart(size, "<stitch x='3' y='0' palindex='1'/>"), OxsError::StitchOutside, 3, 0},
        {chart(size, "<stitch x='0' y='-1' palindex='1'/>"), OxsError::StitchOutside, 0, -1},
        {chart(size, "<stitch x='1' y='1' palindex='2'/>"), OxsError::UnknownPaletteIndex, 1, 1, 2},
        {chart(size, "<stitch x='1' y='1' palindex='-1'/>"), OxsError::UnknownPaletteIndex, 1, 1,
         -1},
        {chart(size, "<stitch x='1' y='1'/>"), OxsError::BadStitch},
        {chart(size, "<stitch x='a' y='1' palindex='1'/>"), OxsError::BadStitch},
        {"<chart><properties chartwidth='1' chartheight='1'/><palette>"
         "<palette_item index='x'/></palette></chart>",
         OxsError::BadPalette},
    };
    for (const Case& c : cases) {
        const OxsReadResult read = readOxs(c.text);
        EXPECT_EQ(read.problem.error, c.error) << c.text;
        EXPECT_EQ(read.pattern, nullptr) << c.text;
        if (c.error == OxsError::BadSize || c.error == OxsError::TooLarge ||
            c.error == OxsError::StitchOutside || c.error == OxsError::UnknownPaletteIndex) {
            EXPECT_EQ(read.problem.x, c.x) << c.text;
            EXPECT_EQ(read.problem.y, c.y) << c.text;
            EXPECT_EQ(read.problem.value, c.value) << c.text;
        }
    }
    // More than 500 colours of their own.
    std::string palette = "<palette_item index='0'/>";
    std::string stitches;
    for (int i = 1; i <= 501; ++i) {
        char hex[7];
        std::snprintf(hex, sizeof hex, "%06X", i);
        palette += "<palette_item index='" + std::to_string(i) + "' number='" + hex + "' color='" +
                   hex + "'/>";
        stitches += "<stitch x='" + std::to_string(i % 30) + "' y='" + std::to_string(i / 30) +
                    "' palindex='" + std::to_string(i) + "'/>";
    }
    const OxsReadResult many =
        readOxs("<chart><properties chartwidth='30' chartheight='30'/>"
                "<palette>" +
                palette + "</palette><fullstitches>" + stitches + "</fullstitches></chart>");
    EXPECT_EQ(many.problem.error, OxsError::TooManyThreads);
}

} // namespace
} // namespace tessaline
