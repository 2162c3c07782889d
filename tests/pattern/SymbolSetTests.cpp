#include "pattern/SymbolSet.h"

#include <gtest/gtest.h>
#include <map>
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

TEST(PatternSymbolSet, PositionsOutsideTheSequenceAreEmpty) {
    EXPECT_EQ(symbolAt(241), "");
    EXPECT_EQ(symbolAt(500), "");
    EXPECT_EQ(symbolAt(0), "");
    EXPECT_EQ(symbolAt(-1), "");
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

TEST(PatternSymbolMap, ThreadsBeyond240HaveNoSymbolAnd88And100Share) {
    ColorList list{};
    for (int i = 1; i <= 300; ++i) {
        list[i] = i;
    }
    const SymbolMap map = makeSymbolMap(list, 300, ThreadCategory::Dmc);
    EXPECT_EQ(symbolOf(map, 88), "王");
    EXPECT_EQ(symbolOf(map, 100), "王");
    EXPECT_EQ(symbolOf(map, 240), "廿");
    EXPECT_EQ(symbolOf(map, 241), "");
    EXPECT_EQ(map[300], 300);
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
    EXPECT_EQ(capped[500], 500);
}

} // namespace
} // namespace tessaline
