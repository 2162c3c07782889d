// Reading the convert options: defaults, every accepted spelling, and the
// one line that names a refused value.
#include "cli/ConvertOptions.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

ConvertParse parse(std::vector<std::string> args) {
    return parseConvertOptions(args);
}

TEST(ConvertOptions, DefaultsAreTheWindowsStartValues) {
    const ConvertParse p = parse({"in.jpg", "-o", "out.bmp"});
    ASSERT_TRUE(p.ok()) << p.error;
    const ConvertOptions& o = p.options;
    EXPECT_EQ(o.picture, "in.jpg");
    EXPECT_EQ(o.mode, FrameMode::Whole);
    EXPECT_FALSE(o.width || o.height || o.zoom);
    EXPECT_EQ(o.method, 16);
    EXPECT_EQ(o.strength, 1600);
    EXPECT_EQ(o.ignore, 5);
    EXPECT_EQ(o.kind, ChartKind::SymbolsOnly);
    EXPECT_EQ(o.grid, 10);
    EXPECT_EQ(o.category, ThreadCategory::Dmc);
    EXPECT_EQ(o.patternPath("chart"), "out.bmp");
    EXPECT_TRUE(o.needsThreads());
    EXPECT_FALSE(o.language);
}

TEST(ConvertOptions, ReadsEveryOptionInBothSpellings) {
    const ConvertParse p =
        parse({"--mode=region", "--width",  "120",      "--height=80", "--zoom",
               "400",           "--offset", "12,34",    "--method",    "低分辨彩色图",
               "--strength",    "0",        "--ignore", "0",           "--kind",
               "生成绣图色块",  "--grid",   "16",       "--title",     "A \"quoted\" title",
               "--category",    "CC",       "--pdf",    "p.pdf",       "--effect",
               "e.bmp",         "--json",   "-",        "--oxs",       "p.oxs",
               "--lang=en",     "pic.png"});
    ASSERT_TRUE(p.ok()) << p.error;
    const ConvertOptions& o = p.options;
    EXPECT_EQ(o.mode, FrameMode::Region);
    EXPECT_EQ(o.width, 120);
    EXPECT_EQ(o.height, 80);
    EXPECT_EQ(o.zoom, 400);
    EXPECT_EQ(o.offsetX, 12);
    EXPECT_EQ(o.offsetY, 34);
    EXPECT_EQ(o.method, 3);
    EXPECT_EQ(o.strength, 0);
    EXPECT_EQ(o.ignore, 0);
    EXPECT_EQ(o.kind, ChartKind::BlocksAndSymbols);
    EXPECT_EQ(o.grid, 16);
    EXPECT_EQ(o.title, "A \"quoted\" title");
    EXPECT_EQ(o.category, ThreadCategory::Cc);
    EXPECT_EQ(o.patternPath("json"), "-");
    EXPECT_EQ(o.patternPath("oxs"), "p.oxs");
    EXPECT_EQ(o.picture, "pic.png");
    EXPECT_EQ(o.language, InterfaceLanguage::English);
}

TEST(ConvertOptions, MethodsByCodeNameAndCaption) {
    for (const auto& [text, code] : std::vector<std::pair<std::string, int>>{{"0", 0},
                                                                             {"1", 1},
                                                                             {"2", 2},
                                                                             {"3", 3},
                                                                             {"4", 4},
                                                                             {"8", 8},
                                                                             {"16", 16},
                                                                             {"不做减色处理", 0},
                                                                             {"1bit", 1},
                                                                             {"灰度图片", 2},
                                                                             {"低分辨彩色图", 3},
                                                                             {"高清黑白图片", 4},
                                                                             {"8bit", 8},
                                                                             {"高分辨彩色图", 16},
                                                                             {"none", 0},
                                                                             {"grey", 2},
                                                                             {"gray", 2},
                                                                             {"low-colour", 3},
                                                                             {"high-grey", 4},
                                                                             {"high-colour", 16},
                                                                             {"high-color", 16}}) {
        EXPECT_EQ(methodFromText(text), code) << text;
    }
    for (const char* bad : {"5", "32", "-1", "16bit", "", " 16", "High-Colour", "colour"}) {
        EXPECT_FALSE(methodFromText(bad)) << bad;
    }
    EXPECT_EQ(chartKindFromOption("symbols"), ChartKind::SymbolsOnly);
    EXPECT_EQ(chartKindFromOption("blocks"), ChartKind::BlocksOnly);
    EXPECT_EQ(chartKindFromOption("仅生成色块"), ChartKind::BlocksOnly);
    EXPECT_FALSE(chartKindFromOption("Blocks"));
}

TEST(ConvertOptions, RangesEndWhereTheBarsEnd) {
    EXPECT_TRUE(parse({"a", "--json", "-", "--width", "16"}).ok());
    EXPECT_TRUE(parse({"a", "--json", "-", "--width", "230"}).ok());
    EXPECT_TRUE(parse({"a", "--json", "-", "--mode", "region", "--height", "250"}).ok());
    EXPECT_TRUE(parse({"a", "--json", "-", "--strength", "195075"}).ok());
    EXPECT_EQ(parse({"a", "--json", "-", "--width", "15"}).error, "--width: 15 is outside 16..230");
    EXPECT_EQ(parse({"a", "--json", "-", "--width", "231"}).error,
              "--width: 231 is outside 16..230");
    EXPECT_EQ(parse({"a", "--json", "-", "--mode", "region", "--height", "251"}).error,
              "--height: 251 is outside 16..250");
    EXPECT_EQ(parse({"a", "--json", "-", "--strength", "195076"}).error,
              "--strength: 195076 is outside 0..195075");
    EXPECT_EQ(parse({"a", "--json", "-", "--width", "12.5"}).error,
              "--width: \"12.5\" is not a whole number");
}

TEST(ConvertOptions, CleanUpRareThreadsAndTheFabric) {
    const ConvertOptions defaults = parse({"a", "--json", "-"}).options;
    EXPECT_FALSE(defaults.cleanup);
    EXPECT_EQ(defaults.minStitches, 0);
    EXPECT_EQ(defaults.fabricColor, kWhite);
    EXPECT_FALSE(defaults.unstitchedBackground);
    const ConvertParse p = parse({"a", "--json", "-", "--cleanup", "--min-stitches", "20",
                                  "--fabric-colour", "ivory", "--unstitched-background=7.5"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_TRUE(p.options.cleanup);
    EXPECT_EQ(p.options.minStitches, 20);
    EXPECT_EQ(p.options.fabricColor, rgb(0xFA, 0xEB, 0xD7));
    EXPECT_EQ(p.options.unstitchedBackground, 7.5);
    EXPECT_EQ(parse({"a", "--json", "-", "--fabric-colour", "#336699"}).options.fabricColor,
              rgb(0x33, 0x66, 0x99));
    EXPECT_EQ(parse({"a", "--json", "-", "--fabric-colour", "plaid"}).error,
              "--fabric-colour: \"plaid\" is not \"white\", \"ivory\", \"black\" or RRGGBB");
    EXPECT_EQ(parse({"a", "--json", "-", "--unstitched-background", "51"}).error,
              "--unstitched-background: 51 is outside 0..50");
    EXPECT_EQ(parse({"a", "--json", "-", "--min-stitches", "-1"}).error,
              "--min-stitches: -1 is outside 0..100000");
}

TEST(ConvertOptions, ThreadLimitAndMatching) {
    const ConvertOptions defaults = parse({"a", "--json", "-"}).options;
    EXPECT_EQ(defaults.threads, 0);
    EXPECT_EQ(defaults.match, ColorMatch::Rgb);
    const ConvertParse p = parse({"a", "--json", "-", "--threads", "423", "--match=lab"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.threads, 423);
    EXPECT_EQ(p.options.match, ColorMatch::Lab);
    EXPECT_EQ(parse({"a", "--json", "-", "--threads=2", "--match", "rgb"}).options.threads, 2);
    EXPECT_EQ(parse({"a", "--json", "-", "--threads", "1"}).error,
              "--threads: 1 is outside 2..423");
    EXPECT_EQ(parse({"a", "--json", "-", "--threads", "424"}).error,
              "--threads: 424 is outside 2..423");
    EXPECT_EQ(parse({"a", "--json", "-", "--threads", "none"}).error,
              "--threads: \"none\" is not a whole number");
    EXPECT_EQ(parse({"a", "--json", "-", "--match", "LAB"}).error,
              "--match: \"LAB\" is neither \"rgb\" nor \"lab\"");
    EXPECT_NE(parse({"a", "--json", "-", "--threads", "5", "--threads", "6"})
                  .error.find("--threads is given twice"),
              std::string::npos);
    EXPECT_NE(parse({"a", "--json", "-", "--category", "CC", "--threads", "5"})
                  .error.find("--threads applies to --category DMC only"),
              std::string::npos);
    EXPECT_TRUE(parse({"a", "--json", "-", "--category", "CC", "--match", "lab"}).ok());
}

TEST(ConvertOptions, PaperPitchAndFabric) {
    const ConvertOptions defaults = parse({"a", "--json", "-"}).options;
    EXPECT_EQ(defaults.book.paper, PaperSize::A4);
    EXPECT_DOUBLE_EQ(defaults.book.pitchMm, 2.54);
    EXPECT_EQ(defaults.book.fabricCount, 14);
    EXPECT_FALSE(defaults.fabricGiven);
    const ConvertParse p =
        parse({"a", "--book", "b.pdf", "--paper", "letter", "--pitch=6", "--fabric", "28"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.patternPath("book"), "b.pdf");
    EXPECT_EQ(p.options.book.paper, PaperSize::Letter);
    EXPECT_DOUBLE_EQ(p.options.book.pitchMm, 6.0);
    EXPECT_EQ(p.options.book.fabricCount, 28);
    EXPECT_TRUE(p.options.fabricGiven);
    EXPECT_DOUBLE_EQ(parse({"a", "--book", "b.pdf", "--pitch", "2"}).options.book.pitchMm, 2.0);
    EXPECT_EQ(parse({"a", "--book", "b.pdf", "--pitch", "6.01"}).error,
              "--pitch: 6.01 mm is outside 2..6");
    EXPECT_EQ(parse({"a", "--book", "b.pdf", "--pitch", "3mm"}).error,
              "--pitch: \"3mm\" is not a number of millimetres");
    EXPECT_EQ(parse({"a", "--json", "-", "--fabric", "15"}).error,
              "--fabric: \"15\" is not a fabric count (11, 14, 16, 18, 22, 25, 28 or 32)");
    EXPECT_EQ(parse({"a", "--book", "b.pdf", "--paper", "a3"}).error,
              "--paper: \"a3\" is neither \"a4\" nor \"letter\"");
    // Paper and pitch belong to the book; the fabric also counts the JSON's skeins.
    EXPECT_EQ(parse({"a", "--json", "-", "--pitch", "3"}).error, "--pitch applies to --book only");
    EXPECT_EQ(parse({"a", "--pdf", "p.pdf", "--paper", "a4"}).error,
              "--paper applies to --book only");
    EXPECT_TRUE(parse({"a", "--json", "-", "--fabric", "16"}).ok());
    EXPECT_TRUE(parse({"a", "--oxs", "p.oxs", "--fabric", "16"}).ok());
    // Nothing that takes the fabric: refused, as paper and pitch without a book.
    EXPECT_EQ(parse({"a", "-o", "c.png", "--pdf", "p.pdf", "--fabric", "16"}).error,
              "--fabric applies to --book, --book-print, --json and --oxs only");
    // A count that does not fit an int is not wrapped round to one that does.
    EXPECT_EQ(parse({"a", "--book", "b.pdf", "--fabric", "4294967310"}).error,
              "--fabric: \"4294967310\" is not a fabric count (11, 14, 16, 18, 22, 25, 28 or 32)");
    // Printing the book takes them too, and is an output of its own.
    const ConvertParse printed = parse({"a", "--book-print", "--paper", "letter", "--pitch", "4"});
    ASSERT_TRUE(printed.ok()) << printed.error;
    EXPECT_TRUE(printed.options.print);
    EXPECT_TRUE(printed.options.printBook);
    EXPECT_EQ(printed.options.book.paper, PaperSize::Letter);
    EXPECT_FALSE(parse({"a", "--print"}).options.printBook);
}

TEST(ConvertOptions, LimitsTheHelpStatesAreKept) {
    // At most 201 replacements, as the replacement window keeps.
    std::vector<std::string> args{"a", "--json", "-"};
    for (int i = 0; i < 201; ++i) {
        args.insert(args.end(), {"--replace", i % 2 == 0 ? "310=321" : "321=310"});
    }
    const ConvertParse most = parse(args);
    ASSERT_TRUE(most.ok()) << most.error;
    EXPECT_EQ(most.options.replacements.size(), 201U);
    args.insert(args.end(), {"--replace", "310=321"});
    EXPECT_EQ(parse(args).error, "--replace: at most 201 replacements can be given");
    // Numbers past what the machine holds are outside the range, not
    // unreadable.
    EXPECT_EQ(parse({"a", "--json", "-", "--width", "99999999999999999999"}).error,
              "--width: 99999999999999999999 is outside 16..230");
    EXPECT_EQ(parse({"a", "--json", "-", "--threads", "4294967298"}).error,
              "--threads: 4294967298 is outside 2..423");
}

TEST(ConvertOptions, OneFileUnderTwoNamesIsRefused) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "tessaline-options-links";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink("a.json", folder / "l.oxs");
    const std::string json = (folder / "a.json").string();
    const std::string oxs = (folder / "l.oxs").string();
    // The link leads to a file not made yet, and then to one that exists.
    EXPECT_EQ(parse({"a", "--json", json, "--oxs", oxs}).error,
              "the file \"" + oxs + "\" is named for two outputs");
    std::ofstream(folder / "a.json") << "{}";
    EXPECT_NE(parse({"a", "--oxs", oxs, "--json", json}).error.find("named for two outputs"),
              std::string::npos);
    EXPECT_TRUE(parse({"a", "--json", json, "--oxs", (folder / "b.oxs").string()}).ok());
    std::filesystem::remove_all(folder);
}

TEST(ConvertOptions, RefusesWhatCannotBeMeant) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"a", "-o", "x.bmp", "--mode", "zoomed"}, "--mode"},
        {{"a", "-o", "x.bmp", "--grid", "9"}, "--grid"},
        {{"a", "-o", "x.bmp", "--category", "dmc"}, "--category"},
        {{"a", "-o", "x.bmp", "--mode", "region", "--offset", "5"}, "--offset"},
        {{"a", "-o", "x.bmp", "--mode", "region", "--offset", "-1,4"}, "--offset"},
        {{"a", "-o", "x.bmp", "--zoom", "100"}, "--zoom applies to --mode region only"},
        {{"a", "-o", "x.bmp", "--offset", "1,1"}, "--offset applies to --mode region only"},
        {{"a", "-o", "x.bmp", "--width", "20", "--width", "30"}, "--width is given twice"},
        {{"a", "-o", "x.bmp", "--output", "y.bmp"}, "--output is given twice"},
        {{"a", "--oxs", "x.oxs", "--oxs=y.oxs"}, "--oxs is given twice"},
        {{"a", "--oxs="}, "--oxs needs a file name"},
        {{"a", "--oxs", "x.oxs", "--json", "./x.oxs"}, "named for two outputs"},
        {{"a", "-o", "same.bmp", "--effect", "./same.bmp"}, "named for two outputs"},
        {{"a", "-o", "-", "--json", "-"}, "only one output can go to standard output"},
        {{"a", "b", "-o", "x.bmp"}, "only one picture"},
        {{"-o", "x.bmp"}, "no picture given"},
        {{"a"}, "nothing to write"},
        {{"a", "-o"}, "-o needs a value"},
        {{"a", "--verbose"}, "unknown option \"--verbose\""},
        {{"a", "-o", "x.bmp", "--replace", "310=99999"}, "\"99999\" is not a DMC thread number"},
        {{"a", "-o", "x.bmp", "--replace=310"}, "\"310\" is not FROM=TO"},
        {{"a", "-o", "x.bmp", "--lang", "EN"}, "--lang: \"EN\" is no language code"},
    };
    for (const auto& [args, message] : cases) {
        const ConvertParse p = parse(args);
        EXPECT_NE(p.error.find(message), std::string::npos) << message << " / " << p.error;
    }
}

TEST(ConvertOptions, HelpWinsAndADoubleDashEndsTheOptions) {
    EXPECT_TRUE(parse({"in.jpg", "--help"}).options.help);
    EXPECT_TRUE(parse({"--help", "--width", "2"}).options.help);
    const ConvertParse p = parse({"--json", "-", "--", "-strange.png"});
    ASSERT_TRUE(p.ok()) << p.error;
    EXPECT_EQ(p.options.picture, "-strange.png");
}

} // namespace
} // namespace tessaline
