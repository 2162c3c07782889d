#include "PatternTestHelpers.h"
#include "pattern/ColorIndex.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using testing::filledMatrix;
using testing::matrixFromRows;

// Exact palette colours: positions 1 ("3713" FFC9B8) and 2 ("761" F5B7B3) are
// (10, 18, 5) apart, squared 100 + 324 + 25 = 449.
constexpr Color k3713 = rgb(0xFF, 0xC9, 0xB8);
constexpr Color k761 = rgb(0xF5, 0xB7, 0xB3);
constexpr Color kBlack = rgb(0, 0, 0);

struct PatternColorIndexFixture : ::testing::Test {
    ColorList colorList{};
    std::unique_ptr<CellMatrix> index = filledMatrix(-1);
    GenerationSettings settings;

    ColorIndexOutcome run(const CellMatrix& pattern, int w, int h,
                          const GenerationProgress& p = {}) {
        return makeColorIndex(pattern, w, h, settings, dmcPalette(), colorList, *index, p);
    }
};

TEST_F(PatternColorIndexFixture, OneColourGivesOneThread) {
    auto pattern = filledMatrix(kWhite);
    const ColorIndexOutcome out = run(*pattern, 4, 3);
    EXPECT_EQ(out.status, GenerationStatus::Done);
    EXPECT_EQ(out.maxColor, 1);
    EXPECT_EQ(out.threadCount, 1);
    EXPECT_EQ(colorList[1], kDmcWhite);
    EXPECT_EQ(colorList[2], kWhite); // unused entries are reset to white
    EXPECT_EQ((*index)(3, 2), kDmcWhite);
    EXPECT_EQ((*index)(4, 0), -1); // outside the pattern: untouched
}

TEST_F(PatternColorIndexFixture, ThreadsAreListedInRowOrderOfFirstAppearance) {
    settings.reduceStrength = 0;
    // Black appears first at (2, 0); 3713 at (0, 1) comes later in row order
    // although it lies in an earlier column.
    auto pattern = matrixFromRows({{kWhite, kWhite, kBlack}, {k3713, kWhite, kBlack}});
    const ColorIndexOutcome out = run(*pattern, 3, 2);
    ASSERT_EQ(out.threadCount, 3);
    EXPECT_EQ(colorList[1], kDmcWhite);
    EXPECT_EQ(colorList[2], kDmcBlack);
    EXPECT_EQ(colorList[3], 1);
    EXPECT_EQ((*index)(0, 1), 1);
    EXPECT_EQ((*index)(2, 1), kDmcBlack);
}

TEST_F(PatternColorIndexFixture, CloseThreadsMergeIntoTheOneMetFirst) {
    auto pattern = matrixFromRows({{k761, k3713}, {k3713, k761}});
    settings.reduceStrength = 449; // exactly the distance: merged (<=)
    ColorIndexOutcome out = run(*pattern, 2, 2);
    EXPECT_EQ(out.threadCount, 1);
    EXPECT_EQ(colorList[1], 2);
    EXPECT_EQ((*index)(1, 0), 2);
    EXPECT_EQ((*index)(0, 1), 2);

    settings.reduceStrength = 448;
    out = run(*pattern, 2, 2);
    EXPECT_EQ(out.threadCount, 2);
    EXPECT_EQ(colorList[1], 2);
    EXPECT_EQ(colorList[2], 1);
    EXPECT_EQ((*index)(1, 0), 1);
}

TEST_F(PatternColorIndexFixture, TwoColoursOfOneThreadCountOnce) {
    settings.reduceStrength = 0;
    auto pattern = matrixFromRows({{kWhite, rgb(254, 254, 254), rgb(255, 254, 255)}});
    const ColorIndexOutcome out = run(*pattern, 3, 1);
    EXPECT_EQ(out.threadCount, 1);
    EXPECT_EQ(out.maxColor, 1);
    EXPECT_EQ((*index)(2, 0), kDmcWhite);
}

TEST_F(PatternColorIndexFixture, MoreThan500ColoursStopWithTooManyColors) {
    auto pattern = std::make_unique<CellMatrix>();
    for (int i = 0; i < 501; ++i) {
        (*pattern)(i % 30, i / 30) = rgb(i % 256, i / 256, 9);
    }
    // 30 x 16 = 480 cells hold colours 0..479; 17 rows reach 501 colours.
    EXPECT_EQ(run(*pattern, 30, 16).status, GenerationStatus::Done);
    const ColorIndexOutcome full = run(*pattern, 30, 17);
    EXPECT_EQ(full.status, GenerationStatus::TooManyColors);
}

TEST_F(PatternColorIndexFixture, Exactly500ColoursAreAccepted) {
    auto pattern = std::make_unique<CellMatrix>();
    for (int i = 0; i < 500; ++i) {
        (*pattern)(i % 25, i / 25) = rgb(i % 256, i / 256, 9);
    }
    settings.category = ThreadCategory::Cc;
    const ColorIndexOutcome out = run(*pattern, 25, 20);
    EXPECT_EQ(out.status, GenerationStatus::Done);
    EXPECT_EQ(out.maxColor, 500);
    EXPECT_EQ(colorList[500], rgb(499 % 256, 1, 9));
    EXPECT_EQ((*index)(24, 19), 500);
}

TEST_F(PatternColorIndexFixture, CcKeepsThePatternColoursAndPositions) {
    settings.category = ThreadCategory::Cc;
    settings.reduceStrength = 100000; // would merge everything under DMC
    auto pattern = matrixFromRows({{k761, k3713}, {kBlack, k761}});
    const ColorIndexOutcome out = run(*pattern, 2, 2);
    EXPECT_EQ(out.maxColor, 3);
    EXPECT_EQ(out.threadCount, 3);
    EXPECT_EQ(colorList[1], k761);
    EXPECT_EQ(colorList[2], k3713);
    EXPECT_EQ(colorList[3], kBlack);
    EXPECT_EQ((*index)(0, 1), 3);
    EXPECT_EQ((*index)(1, 1), 1);
}

TEST_F(PatternColorIndexFixture, ReportsPhaseAndStopsWhenAsked) {
    auto pattern = filledMatrix(kBlack);
    std::vector<GenerationPhase> phases;
    int calls = 0;
    GenerationProgress progress;
    progress.stage = [&](GenerationPhase p) { phases.push_back(p); };
    progress.step = [&](int, int) { return ++calls < 7; };
    const ColorIndexOutcome out = run(*pattern, 5, 5, progress);
    EXPECT_EQ(out.status, GenerationStatus::Aborted);
    EXPECT_EQ(calls, 7);
    ASSERT_EQ(phases.size(), 1u);
    EXPECT_EQ(phases[0], GenerationPhase::CreatingColorIndex);
    EXPECT_EQ((*index)(1, 1), 1);  // the 7th cell was indexed
    EXPECT_EQ((*index)(2, 1), -1); // the 8th was not reached
}

TEST_F(PatternColorIndexFixture, TheThreadLimitLeavesMetallicThreadsOutUnlessAllowed) {
    // A0A0A0 is exactly the metallic 5283 (position 422); the limit takes
    // the nearest cotton thread instead, unless specialty threads are allowed.
    auto pattern = matrixFromRows({{rgb(0xA0, 0xA0, 0xA0), kBlack}, {kBlack, kBlack}});
    settings.threadLimit = 2;
    ASSERT_EQ(run(*pattern, 2, 2).status, GenerationStatus::Done);
    EXPECT_NE((*index)(0, 0), 422);
    EXPECT_NE((*index)(0, 0), 423);
    EXPECT_EQ((*index)(1, 0), kDmcBlack);
    settings.allowSpecialty = true;
    ASSERT_EQ(run(*pattern, 2, 2).status, GenerationStatus::Done);
    EXPECT_EQ((*index)(0, 0), 422);
}

TEST_F(PatternColorIndexFixture, EmptyAndOversizedPatterns) {
    auto pattern = filledMatrix(kBlack);
    ColorIndexOutcome out = run(*pattern, 0, 10);
    EXPECT_EQ(out.status, GenerationStatus::Done);
    EXPECT_EQ(out.threadCount, 0);
    (*pattern)(320, 320) = kWhite;
    out = run(*pattern, 5000, 5000); // clamped to 320 x 320: (320, 320) stays out
    EXPECT_EQ(out.threadCount, 1);
    EXPECT_EQ((*index)(319, 319), kDmcBlack);
}

// Palette with three reds 30 apart: 1 = (0,0,0), 2 = (30,0,0), 3 = (60,0,0).
ThreadPalette threeReds() {
    ThreadPalette dmc{};
    dmc[1].color = rgb(0, 0, 0);
    dmc[2].color = rgb(30, 0, 0);
    dmc[3].color = rgb(60, 0, 0);
    return dmc;
}

TEST(PatternMergeCloseThreads, ResultDependsOnListOrder) {
    const ThreadPalette dmc = threeReds();
    ColorList list{};
    list[1] = 1;
    list[2] = 2;
    list[3] = 3;
    // 1 takes 2 (900 <= 900); 3 is 3600 from 1, and 2 is skipped once merged.
    mergeCloseThreads(list, 3, 900, dmc);
    EXPECT_EQ(list[1], 1);
    EXPECT_EQ(list[2], 1);
    EXPECT_EQ(list[3], 3);

    // The middle thread first: it takes both neighbours.
    list[1] = 2;
    list[2] = 1;
    list[3] = 3;
    mergeCloseThreads(list, 3, 900, dmc);
    EXPECT_EQ(list[1], 2);
    EXPECT_EQ(list[2], 2);
    EXPECT_EQ(list[3], 2);
}

TEST(PatternMergeCloseThreads, LimitZeroMergesOnlyEqualThreadsAndCountBoundsTheList) {
    const ThreadPalette dmc = threeReds();
    ColorList list{};
    list[1] = 1;
    list[2] = 2;
    list[3] = 1;
    mergeCloseThreads(list, 3, 0, dmc);
    EXPECT_EQ(list[2], 2);
    EXPECT_EQ(list[3], 1);

    list[1] = 1;
    list[2] = 2;
    mergeCloseThreads(list, 1, 100000, dmc); // only list(1) is in the list
    EXPECT_EQ(list[2], 2);
    mergeCloseThreads(list, 100000, 100000, dmc); // clamped, must not overrun
    EXPECT_EQ(list[2], 1);
}

} // namespace
} // namespace tessaline
