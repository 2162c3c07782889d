#include "pattern/SymbolSet.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace tessaline {
namespace {

TEST(PatternSymbolSet, SequenceHas240SymbolsWith229Distinct) {
    const std::vector<std::string> symbols = loadxiuChr();
    ASSERT_EQ(symbols.size(), 240u);
    EXPECT_EQ(std::set<std::string>(symbols.begin(), symbols.end()).size(), 229u);
    for (std::size_t i = 0; i < 75; ++i) {
        EXPECT_EQ(symbols[i].size(), 1u) << i + 1;
    }
    for (std::size_t i = 75; i < 240; ++i) {
        EXPECT_EQ(symbols[i].size(), 3u) << i + 1; // one CJK character in UTF-8
    }
}

TEST(PatternSymbolSet, TellingPositions) {
    EXPECT_EQ(symbolAt(1), "A");
    EXPECT_EQ(symbolAt(26), "Z");
    EXPECT_EQ(symbolAt(27), "a");
    EXPECT_EQ(symbolAt(41), "p"); // no "o"
    EXPECT_EQ(symbolAt(52), "1"); // no "0"
    EXPECT_EQ(symbolAt(60), "9");
    EXPECT_EQ(symbolAt(61), "@");
    EXPECT_EQ(symbolAt(64), "%");
    EXPECT_EQ(symbolAt(65), "&");
    EXPECT_EQ(symbolAt(70), "/");
    EXPECT_EQ(symbolAt(71), "\\"); // one backslash
    EXPECT_EQ(symbolAt(72), "{");
    EXPECT_EQ(symbolAt(75), "]");
    EXPECT_EQ(symbolAt(76), "人");
    EXPECT_EQ(symbolAt(92), "女");
    EXPECT_EQ(symbolAt(93), "不");
    EXPECT_EQ(symbolAt(240), "廿");
}

TEST(PatternSymbolSet, TheScreenSequenceGoesOnWithTheStitchersSymbols) {
    // Past xiuChr come the stitcher's symbols it lacks: 500 and more
    // different characters in all.
    const std::vector<std::string>& sequence = screenSymbolSequence();
    EXPECT_EQ(symbolAt(241), "■");
    EXPECT_GE(std::set<std::string>(sequence.begin(), sequence.end()).size(), 500u);
    EXPECT_EQ(symbolAt(static_cast<int>(sequence.size()) + 1), "");
    EXPECT_EQ(symbolAt(0), "");
    EXPECT_EQ(symbolAt(-1), "");
}

// Symbols a stitcher takes for one another in print: any two of one group.
const std::vector<std::string> kConfusableGroups[] = {
    {"l", "1", "I", "|", "i", "!"},
    {"O", "0", "o", "Q", "D", "○", "◎"},
    {"S", "5", "s"},
    {"B", "8"},
    {"Z", "2", "z"},
    {"g", "q", "9"},
    {"X", "x", "×"},
    {"+", "十", "†"},
    {"人", "入", "八"},
    {"已", "己", "巳"},
    {"未", "末"},
    {"日", "曰"},
    {"土", "士"},
    {"◆", "♦"},
    {"-", "一", "—"},
};

TEST(PatternSymbolSet, TheStitchersSetHasNoConfusablePairAmongItsFirst60) {
    const std::vector<std::string>& symbols = stitchSymbols();
    ASSERT_EQ(symbols.size(), static_cast<std::size_t>(kStitchSymbolCount));
    EXPECT_EQ(std::set<std::string>(symbols.begin(), symbols.end()).size(), symbols.size());
    const std::vector<std::string> first(symbols.begin(), symbols.begin() + 60);
    for (const auto& group : kConfusableGroups) {
        int inFirst = 0;
        for (const std::string& symbol : group) {
            inFirst += static_cast<int>(std::count(first.begin(), first.end(), symbol));
        }
        EXPECT_LE(inFirst, 1) << group.front();
    }
    for (std::size_t i = 0; i < first.size(); ++i) {
        const std::string& a = first[i];
        // No case pairs (c/C, x/X ...) and no Chinese characters, whose
        // dense strokes blur at chart size.
        if (a.size() == 1 && std::isalpha(static_cast<unsigned char>(a[0]))) {
            const char other = static_cast<char>(std::isupper(static_cast<unsigned char>(a[0]))
                                                     ? std::tolower(a[0])
                                                     : std::toupper(a[0]));
            EXPECT_EQ(std::count(first.begin(), first.end(), std::string(1, other)), 0) << a;
        }
        const char32_t lead = static_cast<unsigned char>(a[0]);
        EXPECT_FALSE(a.size() == 3 && lead >= 0xE4 && lead <= 0xE9) << i + 1 << " " << a;
    }
    // The near-identical Chinese characters are not in the set at all.
    for (const std::string_view left : {"十", "八", "入", "曰", "己", "末"}) {
        EXPECT_EQ(std::count(symbols.begin(), symbols.end(), left), 0) << left;
    }
    EXPECT_EQ(stitchSymbolAt(1), "■");
    EXPECT_EQ(stitchSymbolAt(500), symbols.back());
    EXPECT_EQ(stitchSymbolAt(501), "");
    EXPECT_EQ(stitchSymbolAt(0), "");
}

TEST(PatternSymbolSet, ElevenCharactersOccurTwice) {
    const std::map<std::string, std::pair<int, int>> twice = {
        {"了", {77, 121}},  {"少", {78, 140}},  {"手", {79, 141}},  {"才", {82, 148}},
        {"必", {83, 130}},  {"走", {86, 149}},  {"王", {88, 100}},  {"为", {94, 166}},
        {"长", {102, 126}}, {"力", {105, 119}}, {"千", {156, 232}},
    };
    for (const auto& [symbol, positions] : twice) {
        EXPECT_EQ(symbolAt(positions.first), symbol);
        EXPECT_EQ(symbolAt(positions.second), symbol);
    }
}

TEST(PatternSymbolMap, DmcThreadsAreNumberedInListOrder) {
    ColorList list{};
    list[1] = kDmcBlack;
    list[2] = kDmcWhite;
    list[3] = 7;
    const SymbolMap map = makeSymbolMap(list, 3, ThreadCategory::Dmc);
    EXPECT_EQ(map[kDmcBlack], 1);
    EXPECT_EQ(map[kDmcWhite], 2);
    EXPECT_EQ(map[7], 3);
    EXPECT_EQ(map[1], 0);
    EXPECT_EQ(symbolOf(map, kDmcBlack), "A");
    EXPECT_EQ(symbolOf(map, 7), "C");
    EXPECT_EQ(symbolOf(map, 1), "");
    EXPECT_EQ(symbolOf(map, 0), "");
    EXPECT_EQ(symbolOf(map, 501), "");
}

TEST(PatternSymbolMap, CcNumbersListPositionsNotColours) {
    ColorList list{};
    list[1] = kWhite; // a colour, far outside 1..500
    list[2] = 0x123456;
    const SymbolMap map = makeSymbolMap(list, 2, ThreadCategory::Cc);
    EXPECT_EQ(map[1], 1);
    EXPECT_EQ(map[2], 2);
    EXPECT_EQ(symbolOf(map, 2), "B");
}

TEST(PatternSymbolMap, NoTwoThreadsShareASymbolAndNoneGoesWithout) {
    // xiuChr's order, but "王" at 100 is 88's already: thread 100 takes the
    // first symbol past xiuChr, and thread 101 keeps its own "于".
    ColorList list{};
    for (int i = 1; i <= 500; ++i) {
        list[i] = i;
    }
    const SymbolMap map = makeSymbolMap(list, 500, ThreadCategory::Cc);
    EXPECT_EQ(symbolOf(map, 1), "A");
    EXPECT_EQ(symbolOf(map, 76), "人");
    EXPECT_EQ(symbolOf(map, 88), "王");
    EXPECT_EQ(map[99], 99);
    EXPECT_EQ(map[100], 241);
    EXPECT_EQ(symbolOf(map, 100), "■");
    EXPECT_EQ(symbolOf(map, 101), "于");
    EXPECT_EQ(symbolOf(map, 240), "廿");
    std::set<std::string> seen;
    for (int i = 1; i <= 500; ++i) {
        const std::string symbol = symbolOf(map, i);
        EXPECT_FALSE(symbol.empty()) << i;
        EXPECT_TRUE(seen.insert(symbol).second) << i << " " << symbol;
    }
}

TEST(PatternSymbolMap, TheStitchersSymbolsGoToTheMostStitchedThreadsFirst) {
    // Thread 7 first in the cells but with one stitch, 310 with three, white
    // with two; an equal count keeps the order of appearance.
    ColorList list{};
    list[1] = 7;
    list[2] = kDmcBlack;
    list[3] = kDmcWhite;
    list[4] = 9;
    auto cells = std::make_unique<CellMatrix>();
    const int row[] = {7, kDmcBlack, kDmcWhite, kDmcBlack, kDmcWhite, kDmcBlack, 9};
    for (int x = 0; x < 7; ++x) {
        (*cells)(x, 0) = row[x];
    }
    const SymbolMap map = makeStitchSymbolMap(list, 4, ThreadCategory::Dmc, *cells, 7, 1);
    EXPECT_EQ(map[kDmcBlack], 1);
    EXPECT_EQ(map[kDmcWhite], 2);
    EXPECT_EQ(map[7], 3);
    EXPECT_EQ(map[9], 4);
    EXPECT_EQ(stitchSymbolOf(map, kDmcBlack), "■");
    EXPECT_EQ(stitchSymbolOf(map, 1), "");
    EXPECT_EQ(stitchSymbolOf(map, 0), "");
}

TEST(PatternSymbolMap, OutOfRangeCountsAndIndicesAreIgnored) {
    ColorList list{};
    list[1] = 9999; // not a palette position
    list[2] = 5;
    const SymbolMap map = makeSymbolMap(list, 2, ThreadCategory::Dmc);
    EXPECT_EQ(map[5], 2);
    const SymbolMap none = makeSymbolMap(list, -3, ThreadCategory::Dmc);
    EXPECT_EQ(none[5], 0);
    const SymbolMap capped = makeSymbolMap(list, 100000, ThreadCategory::Cc);
    EXPECT_GT(capped[500], 0);
}

} // namespace
} // namespace tessaline
