// Tidying a colour index: lone stitches taken over by a neighbour's thread
// where that costs little colour, and rare threads merged into kept ones,
// alone and as the generation runs them.
#include "PatternTestHelpers.h"
#include "pattern/PatternThreads.h"
#include "pattern/StitchCleanup.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace tessaline {
namespace {

using testing::filledMatrix;

// Cell values are palette positions ("DMC").
ColorList dmcColors() {
    return indexColorsOf(ThreadCategory::Dmc, ColorList{}, dmcPalette());
}

std::map<int, int> countsOf(const CellMatrix& cells, int width, int height) {
    std::map<int, int> counts;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ++counts[cells(x, y)];
        }
    }
    return counts;
}

TEST(StitchCleanup, LoneStitchesJoinANeighbourOnlyWhereTheColourAllows) {
    // A field of one thread sprinkled with lone stitches of a near thread,
    // one far-off detail, and a lone stitch beside an unstitched cell.
    const ThreadPalette& dmc = dmcPalette();
    const int field = nearestThread(dmc, rgb(120, 160, 200));
    const int near = nearestThread(dmc, rgb(110, 150, 195));
    const int far = nearestThread(dmc, rgb(250, 20, 20));
    ASSERT_NE(field, near);
    const int w = 12;
    const int h = 9;
    auto cells = filledMatrix(field);
    auto colours = filledMatrix(rgb(120, 160, 200));
    for (int y = 1; y < h; y += 3) {
        for (int x = 1; x < w; x += 3) {
            (*cells)(x, y) = near;
            (*colours)(x, y) = rgb(110, 150, 195);
        }
    }
    (*cells)(4, 4) = far;
    (*colours)(4, 4) = rgb(250, 20, 20);
    (*cells)(0, 8) = kUnstitchedIndex;
    const double before = loneStitchShare(*cells, w, h);
    EXPECT_DOUBLE_EQ(before, 12.0 / (w * h - 1));

    // The eleven near ones cost alike and more than the free allowance:
    // they go in row order until two in five of the twelve (4) are left.
    const int changed = cleanUpLoneStitches(*cells, *colours, w, h, dmcColors());
    EXPECT_EQ(changed, 8);
    EXPECT_EQ((*cells)(4, 4), far); // a detail too far from its neighbours stays
    EXPECT_EQ((*cells)(1, 1), field);
    EXPECT_EQ((*cells)(1, 7), field);
    EXPECT_EQ((*cells)(4, 7), near);
    EXPECT_EQ((*cells)(10, 7), near);
    EXPECT_EQ((*cells)(0, 8), kUnstitchedIndex);
    EXPECT_LE(loneStitchShare(*cells, w, h), before / 2);
    // Unstitched cells are neither lone nor neighbours.
    EXPECT_FALSE(isLoneStitch(*cells, w, h, 0, 8));
}

TEST(StitchCleanup, ADitherIsJudgedByTheColourAroundIt) {
    // An ordered dither of two neighbouring colours of the 216: every cell
    // lone, each too far from the other's thread by its own colour, but both
    // threads stand alike for the colour between them.
    const ThreadPalette& dmc = dmcPalette();
    const Color light = rgb(153, 204, 204);
    const Color dark = rgb(102, 153, 204);
    const int a = nearestThread(dmc, light);
    const int b = nearestThread(dmc, dark);
    const Lab lightLab = toLab(light);
    const Lab threadA = toLab(dmc[static_cast<std::size_t>(a)].color);
    const Lab threadB = toLab(dmc[static_cast<std::size_t>(b)].color);
    ASSERT_GT(deltaE2000(lightLab, threadB) - deltaE2000(lightLab, threadA), kLoneStitchTolerance);
    const int w = 20;
    const int h = 16;
    auto cells = filledMatrix(0);
    auto colours = filledMatrix(0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool first = (x + y) % 2 == 0;
            (*cells)(x, y) = first ? a : b;
            (*colours)(x, y) = first ? light : dark;
        }
    }
    ASSERT_DOUBLE_EQ(loneStitchShare(*cells, w, h), 1.0);
    EXPECT_GT(cleanUpLoneStitches(*cells, *colours, w, h, dmcColors()), 0);
    EXPECT_LE(loneStitchShare(*cells, w, h), 0.4);
}

TEST(StitchCleanup, CleanUpNeverMakesANewLoneStitchAndRareThreadsReachK) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> thread(1, 40);
    const int w = 50;
    const int h = 40;
    auto cells = filledMatrix(0);
    auto colours = filledMatrix(0);
    const ColorList colors = dmcColors();
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // Blobs of one thread with noise of another.
            const int index = (x / 7 + y / 5) % 3 == 0 ? thread(random) : 5 + (x / 10) % 4;
            (*cells)(x, y) = index;
            (*colours)(x, y) = colors[static_cast<std::size_t>(index)];
        }
    }
    auto lone = [&](const CellMatrix& m) {
        std::vector<bool> result;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                result.push_back(isLoneStitch(m, w, h, x, y));
            }
        }
        return result;
    };
    const std::vector<bool> before = lone(*cells);
    cleanUpLoneStitches(*cells, *colours, w, h, colors);
    const std::vector<bool> after = lone(*cells);
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(before[i] || !after[i]) << i;
    }

    for (const int k : {2, 30, 200, 5000}) {
        SCOPED_TRACE(k);
        auto merged = std::make_unique<CellMatrix>(*cells);
        const auto own = countsOf(*merged, w, h);
        const int gone = mergeRareThreads(*merged, w, h, k, colors);
        const auto counts = countsOf(*merged, w, h);
        EXPECT_EQ(static_cast<int>(own.size() - counts.size()), gone);
        if (k <= w * h) {
            for (const auto& [index, count] : counts) {
                EXPECT_GE(count, k) << index;
            }
        } else {
            // None reaches K: the most used thread takes every cell.
            EXPECT_EQ(counts.size(), 1u);
        }
    }
}

TEST(StitchCleanup, TheGenerationMergesRareThreadsAndNumbersTheRestAfresh) {
    // Rows of colours: two common, three rare.
    const int w = 20;
    const int h = 10;
    auto picture = filledMatrix(rgb(30, 60, 200));
    for (int x = 0; x < w; ++x) {
        for (int y = 5; y < h; ++y) {
            (*picture)(x, y) = rgb(240, 240, 40);
        }
    }
    (*picture)(3, 2) = rgb(90, 120, 230);
    (*picture)(4, 2) = rgb(90, 120, 230);
    (*picture)(9, 7) = rgb(200, 150, 20);
    (*picture)(0, 0) = rgb(200, 0, 0);
    for (const ThreadCategory category : {ThreadCategory::Dmc, ThreadCategory::Cc}) {
        SCOPED_TRACE(static_cast<int>(category));
        GenerationSettings settings;
        settings.category = category;
        settings.reduceStrength = 0;
        settings.ignorableCount = 0;
        auto cells = std::make_unique<CellMatrix>();
        const PatternThreads plain = generatePatternThreads(*picture, w, h, settings, *cells);
        EXPECT_EQ(plain.threadCount, 5);
        settings.minStitches = 10;
        const PatternThreads merged = generatePatternThreads(*picture, w, h, settings, *cells);
        ASSERT_EQ(merged.status, GenerationStatus::Done);
        EXPECT_EQ(merged.threadCount, 2);
        ASSERT_EQ(merged.table.size(), 2u);
        EXPECT_EQ(merged.table[0].amount + merged.table[1].amount, w * h);
        EXPECT_GE(merged.table[0].amount, 97);
        EXPECT_GE(merged.table[1].amount, 99);
        // The near blue joined the blue, the near yellow the yellow.
        EXPECT_EQ((*cells)(3, 2), (*cells)(5, 0));
        EXPECT_EQ((*cells)(9, 7), (*cells)(5, 9));
        EXPECT_EQ(merged.symbol((*cells)(0, 0)), "A");
        EXPECT_EQ(merged.symbol((*cells)(5, 9)) == "B", (*cells)(0, 0) != (*cells)(5, 9));
    }
}

} // namespace
} // namespace tessaline
