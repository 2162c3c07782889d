#include "PatternTestHelpers.h"
#include "pattern/PatternThreads.h"

#include <gtest/gtest.h>
#include <set>

namespace tessaline {
namespace {

using testing::filledMatrix;
using testing::matrixFromRows;

constexpr Color k3713 = rgb(0xFF, 0xC9, 0xB8); // palette position 1
constexpr Color kBlack = rgb(0, 0, 0);         // palette position 421, "310"

struct PatternGenerationFixture : ::testing::Test {
    std::unique_ptr<CellMatrix> index = filledMatrix(0);
    GenerationSettings settings;

    PatternThreads generate(const CellMatrix& pattern, int w, int h,
                            const GenerationProgress& p = {}) {
        return generatePatternThreads(pattern, w, h, settings, *index, p);
    }
};

TEST_F(PatternGenerationFixture, OneColourPatternHasOneEntryWithTheCellCount) {
    auto pattern = filledMatrix(kBlack);
    const PatternThreads threads = generate(*pattern, 7, 3);
    ASSERT_EQ(threads.status, GenerationStatus::Done);
    EXPECT_EQ(threads.threadCount, 1);
    ASSERT_EQ(threads.table.size(), 1u);
    EXPECT_EQ(threads.table[0].amount, 21);
    EXPECT_EQ(threads.table[0].amountText(), "21");
    EXPECT_EQ(threads.table[0].threadNo, "310     ");
    EXPECT_EQ(threads.table[0].paletteIndex, kDmcBlack);
    EXPECT_EQ(threads.symbol(kDmcBlack), "A");
}

TEST_F(PatternGenerationFixture, EntryColourIsThePaletteColourNotThePatternColour) {
    // (0xFE, 0xC9, 0xB8) is one step from "3713"; the cell (0, 0) entry
    // shows the thread's own colour, like every other entry.
    auto pattern = matrixFromRows({{rgb(0xFE, 0xC9, 0xB8), kBlack}});
    settings.ignorableCount = 0;
    const PatternThreads threads = generate(*pattern, 2, 1);
    ASSERT_EQ(threads.table.size(), 2u);
    EXPECT_EQ(threads.table[0].color, k3713);
    EXPECT_EQ(threads.table[0].threadNo, "3713    ");
    EXPECT_EQ(threads.table[1].color, kBlack);
    EXPECT_EQ(threads.indexColor(1), k3713);
    EXPECT_EQ(threads.indexColor(kDmcBlack), kBlack);
    EXPECT_EQ(threads.indexColor(0), kWhite);
    EXPECT_EQ(threads.indexColor(450), kWhite);
}

TEST_F(PatternGenerationFixture, IgnorableCountLeavesOutFourCellsAndListsFive) {
    settings.ignorableCount = 5;
    settings.reduceStrength = 0;
    // X = 3713 in 4 cells, appearing first; Y = black in 5 cells.
    const Color X = k3713;
    const Color Y = kBlack;
    auto pattern = matrixFromRows({{X, Y, X}, {Y, X, Y}, {X, Y, Y}});
    const PatternThreads threads = generate(*pattern, 3, 3);
    ASSERT_EQ(threads.status, GenerationStatus::Done);
    EXPECT_EQ(threads.threadCount, 2);
    ASSERT_EQ(threads.table.size(), 1u);
    EXPECT_EQ(threads.table[0].paletteIndex, kDmcBlack);
    EXPECT_EQ(threads.table[0].amount, 5);
    // The left-out thread keeps its cells, its list place and its symbol.
    EXPECT_EQ((*index)(0, 0), 1);
    EXPECT_EQ(threads.colorList[1], 1);
    EXPECT_EQ(threads.symbol(1), "A");
    EXPECT_EQ(threads.symbol(kDmcBlack), "B");

    settings.ignorableCount = 4;
    const PatternThreads all = generate(*pattern, 3, 3);
    ASSERT_EQ(all.table.size(), 2u);
    EXPECT_EQ(all.table[0].paletteIndex, 1);
    EXPECT_EQ(all.table[0].amount, 4);
}

TEST_F(PatternGenerationFixture, IgnorableCountZeroListsTheSameThreadsAsTheColourList) {
    settings.ignorableCount = 0;
    settings.reduceStrength = 0;
    auto pattern =
        matrixFromRows({{kWhite, kBlack, k3713}, {rgb(0x87, 0x12, 0x1E), kWhite, kBlack}});
    const PatternThreads threads = generate(*pattern, 3, 2);
    ASSERT_EQ(threads.table.size(), static_cast<std::size_t>(threads.threadCount));
    for (int i = 1; i <= threads.threadCount; ++i) {
        EXPECT_EQ(threads.table[static_cast<std::size_t>(i - 1)].paletteIndex,
                  threads.colorList[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(threads.table[3].threadNo, "498     "); // 498:87121E is position 20
    int total = 0;
    for (const ThreadEntry& entry : threads.table) {
        total += entry.amount;
    }
    EXPECT_EQ(total, 6);
}

TEST_F(PatternGenerationFixture, AmountsOf10000AndMoreAreKept) {
    auto pattern = filledMatrix(kWhite);
    const PatternThreads threads = generate(*pattern, 320, 320);
    ASSERT_EQ(threads.table.size(), 1u);
    EXPECT_EQ(threads.table[0].amount, 102400);
    EXPECT_EQ(threads.table[0].amountText(), "102400");
    EXPECT_EQ(threads.table[0].threadNo, "5200    ");
}

TEST_F(PatternGenerationFixture, PhasesComeInOrderAndAbortStopsTheCount) {
    auto pattern = filledMatrix(kBlack);
    std::vector<GenerationPhase> phases;
    GenerationProgress progress;
    bool counting = false;
    progress.step = [&](int, int) { return !counting; };
    progress.stage = [&](GenerationPhase p) {
        phases.push_back(p);
        counting = p == GenerationPhase::CountingThreads;
    };
    const PatternThreads threads = generate(*pattern, 4, 4, progress);
    EXPECT_EQ(threads.status, GenerationStatus::Aborted);
    ASSERT_EQ(phases.size(), 2u);
    EXPECT_EQ(phases[0], GenerationPhase::CreatingColorIndex);
    EXPECT_EQ(phases[1], GenerationPhase::CountingThreads);
    EXPECT_TRUE(threads.table.empty());
    EXPECT_EQ(threads.symbolPos[kDmcBlack], 0); // symbols are not numbered
}

TEST_F(PatternGenerationFixture, TooManyColoursEndsWithoutATable) {
    auto pattern = std::make_unique<CellMatrix>();
    for (int i = 0; i < 501; ++i) {
        (*pattern)(i % 100, i / 100) = rgb(i % 256, i / 256, 3);
    }
    const PatternThreads threads = generate(*pattern, 100, 6);
    EXPECT_EQ(threads.status, GenerationStatus::TooManyColors);
    EXPECT_TRUE(threads.table.empty());
}

TEST_F(PatternGenerationFixture, CcListsEveryColourByFirstAppearanceWithHexNumbers) {
    settings.category = ThreadCategory::Cc;
    settings.ignorableCount = 0;
    settings.reduceStrength = 5980;
    const Color a = rgb(0x12, 0x34, 0x56);
    const Color b = rgb(0x12, 0x34, 0x57); // one step from a: never merged
    auto pattern = matrixFromRows({{a, b, a}, {kWhite, b, b}});
    const PatternThreads threads = generate(*pattern, 3, 2);
    ASSERT_EQ(threads.status, GenerationStatus::Done);
    EXPECT_EQ(threads.threadCount, 3);
    ASSERT_EQ(threads.table.size(), 3u);
    EXPECT_EQ(threads.table[0].color, a);
    EXPECT_EQ(threads.table[0].threadNo, "123456  ");
    EXPECT_EQ(threads.table[0].amount, 2);
    EXPECT_EQ(threads.table[0].paletteIndex, 1);
    EXPECT_EQ(threads.table[1].threadNo, "123457  ");
    EXPECT_EQ(threads.table[1].amount, 3);
    EXPECT_EQ(threads.table[2].threadNo, "FFFFFF  ");
    EXPECT_EQ(threads.table[2].color, kWhite);
    EXPECT_EQ((*index)(0, 1), 3);
    EXPECT_EQ(threads.symbol(1), "A");
    EXPECT_EQ(threads.symbol(2), "B");
    EXPECT_EQ(threads.symbol(3), "C");
    EXPECT_EQ(threads.indexColor(2), b);
    EXPECT_EQ(threads.indexColor(4), kWhite);
}

TEST_F(PatternGenerationFixture, Cc500ColoursAllListedEachWithASymbolOfItsOwn) {
    settings.category = ThreadCategory::Cc;
    settings.ignorableCount = 0;
    auto pattern = std::make_unique<CellMatrix>();
    for (int i = 0; i < 500; ++i) {
        (*pattern)(i % 50, i / 50) = rgb(i % 256, i / 256, 200);
    }
    const PatternThreads threads = generate(*pattern, 50, 10);
    ASSERT_EQ(threads.status, GenerationStatus::Done);
    ASSERT_EQ(threads.table.size(), 500u);
    EXPECT_EQ(threads.table[499].threadNo, "F301C8  "); // 499 = 0x1F3
    EXPECT_EQ(threads.symbol(240), "廿");
    // Eleven repeated characters took the first eleven symbols past xiuChr.
    EXPECT_EQ(threads.symbol(100), "■");
    EXPECT_EQ(threads.symbol(241), "▽");
    std::set<std::string> screen;
    std::set<std::string> stitcher;
    for (int i = 1; i <= 500; ++i) {
        screen.insert(threads.symbol(i));
        stitcher.insert(threads.stitchSymbol(i));
    }
    EXPECT_EQ(screen.size(), 500u);
    EXPECT_EQ(stitcher.size(), 500u);
    EXPECT_EQ(screen.count(""), 0u);
    EXPECT_EQ(stitcher.count(""), 0u);
}

TEST(PatternSortColorIndex, CellValuesOutsideThePaletteAreNotCounted) {
    auto index = filledMatrix(kDmcBlack);
    (*index)(0, 0) = -5;
    (*index)(1, 0) = 100000;
    ColorList list{};
    ThreadTable table;
    GenerationSettings settings;
    settings.ignorableCount = 0;
    ASSERT_EQ(sortColorIndex(*index, 3, 1, settings, dmcPalette(), list, table),
              GenerationStatus::Done);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].amount, 1);
}

TEST(PatternThreadNumbers, LegendAndColourNumbersAreEightCharacters) {
    EXPECT_EQ(legendThreadNumber("3713      "), "3713    ");
    EXPECT_EQ(legendThreadNumber("12345678901"), "12345678");
    EXPECT_EQ(legendThreadNumber(""), "        ");
    EXPECT_EQ(colorThreadNumber(rgb(0xFF, 0xC9, 0xB8)), "FFC9B8  ");
    EXPECT_EQ(colorThreadNumber(0), "000000  ");
}

} // namespace
} // namespace tessaline
