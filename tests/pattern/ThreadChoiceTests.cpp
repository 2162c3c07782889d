// The thread limit: at most N threads chosen for the picture, every cell on
// its nearest chosen thread, and no 500-colour stop on that road.
#include "PatternTestHelpers.h"
#include "pattern/PatternThreads.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace tessaline {
namespace {

using testing::matrixFromRows;

constexpr int kWidth = 230;
constexpr int kHeight = 250;

// Smooth gradients in full 8-bit steps: thousands of distinct colours.
std::unique_ptr<CellMatrix> gradientPhoto() {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            (*matrix)(x, y) =
                rgb(x * 255 / (kWidth - 1), y * 255 / (kHeight - 1), (x * 3 + y * 5) % 256);
        }
    }
    return matrix;
}

inline std::uint64_t fnv(std::uint64_t h, std::int64_t v) {
    for (int i = 0; i < 8; ++i) {
        h ^= static_cast<std::uint64_t>(v >> (8 * i)) & 0xFFu;
        h *= 1099511628211u;
    }
    return h;
}

// A photograph-like picture in integers only: gradients, a ripple and a
// fixed grain, at `levels` levels per channel.
inline std::unique_ptr<CellMatrix> pinnedPicture(int width, int height, int levels) {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    const int step = 255 / (levels - 1);
    auto level = [&](int v) { return (std::clamp(v, 0, 255) + step / 2) / step * step; };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t hash = (static_cast<std::uint32_t>(x) * 73856093u) ^
                                       (static_cast<std::uint32_t>(y) * 19349663u);
            const int grain = static_cast<int>(hash % 41u) - 20;
            const int ripple = ((x * y) / 37) % 64;
            (*matrix)(x, y) = rgb(level(x * 255 / (width - 1) + grain),
                                  level(y * 255 / (height - 1) - grain / 2 + ripple / 4),
                                  level(255 - ripple * 3 + grain));
        }
    }
    return matrix;
}

inline std::uint64_t patternDigest(const PatternThreads& threads, const CellMatrix& index) {
    std::uint64_t h = 14695981039346656037u;
    h = fnv(h, static_cast<int>(threads.status));
    h = fnv(h, threads.threadCount);
    for (int k = 1; k <= threads.threadCount; ++k) {
        h = fnv(h, threads.colorList[static_cast<std::size_t>(k)]);
    }
    for (const ThreadEntry& e : threads.table) {
        h = fnv(h, e.paletteIndex);
        h = fnv(h, e.amount);
        h = fnv(h, e.color);
        for (char c : e.threadNo) {
            h = fnv(h, c);
        }
        for (char c : threads.symbol(e.paletteIndex)) {
            h = fnv(h, c);
        }
    }
    for (int y = 0; y < threads.height; ++y) {
        for (int x = 0; x < threads.width; ++x) {
            h = fnv(h, index(x, y));
        }
    }
    return h;
}

TEST(ThreadLimit, DefaultSettingsKeepEveryPatternCellForCell) {
    // Digests of the colour list, the legend with its symbols and every
    // cell, as the generation made them before the thread limit and the
    // CIELAB matching were added. Without a limit and with RGB matching
    // nothing of them may change, except the symbols of threads whose
    // character xiuChr repeats (the 117 x 132 case has over 100 threads:
    // its 100th no longer shares "王" with its 88th).
    struct Case {
        int width, height, levels, strength, ignorable;
        std::uint64_t digest;
    };
    for (const Case& c : {Case{230, 250, 6, 1600, 5, 0x0aa0c2ad99b2369dULL},
                          Case{230, 250, 7, 1600, 5, 0x7bf01727cdc8ae15ULL},
                          Case{117, 132, 7, 0, 0, 0xa602091b6374f34dULL},
                          Case{320, 320, 5, 5980, 20, 0x3b67f2e4e424abb8ULL}}) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
                     std::to_string(c.levels) + " levels");
        const auto picture = pinnedPicture(c.width, c.height, c.levels);
        auto index = std::make_unique<CellMatrix>();
        GenerationSettings settings;
        settings.reduceStrength = c.strength;
        settings.ignorableCount = c.ignorable;
        ASSERT_EQ(settings.threadLimit, 0);
        ASSERT_EQ(settings.match, ColorMatch::Rgb);
        const PatternThreads threads =
            generatePatternThreads(*picture, c.width, c.height, settings, *index);
        EXPECT_EQ(patternDigest(threads, *index), c.digest);
    }
}

TEST(ThreadLimit, AtMostNThreadsInTheLegendEachCellOnItsNearestChosenThread) {
    // Thousands of colours, chosen for from their groups; and a picture few
    // enough in colours to be judged cell by cell, its winner then improved
    // by swapping threads.
    struct Picture {
        std::unique_ptr<CellMatrix> cells;
        int width, height;
    };
    Picture pictures[] = {{gradientPhoto(), kWidth, kHeight},
                          {pinnedPicture(120, 90, 52), 120, 90}};
    auto index = std::make_unique<CellMatrix>();
    const ThreadPalette& dmc = dmcPalette();
    for (const Picture& picture : pictures) {
        for (const auto& [limit, match] :
             std::vector<std::pair<int, ColorMatch>>{{2, ColorMatch::Lab},
                                                     {10, ColorMatch::Rgb},
                                                     {10, ColorMatch::Lab},
                                                     {48, ColorMatch::Lab},
                                                     {423, ColorMatch::Lab}}) {
            SCOPED_TRACE(std::to_string(picture.width) + " wide, limit " + std::to_string(limit));
            GenerationSettings settings;
            settings.threadLimit = limit;
            settings.match = match;
            settings.ignorableCount = 0;
            settings.reduceStrength = 5980; // the limit's choice is not merged any further
            const PatternThreads threads = generatePatternThreads(*picture.cells, picture.width,
                                                                  picture.height, settings, *index);
            ASSERT_EQ(threads.status, GenerationStatus::Done) << "no 500-colour stop";
            EXPECT_LE(threads.threadCount, limit);
            EXPECT_LE(threads.table.size(), static_cast<std::size_t>(limit));
            EXPECT_EQ(threads.table.size(), static_cast<std::size_t>(threads.threadCount));
            if (limit <= 48) {
                EXPECT_EQ(threads.threadCount, limit) << "thousands of colours use every thread";
            } else {
                EXPECT_GT(threads.threadCount, 150);
            }
            const std::vector<int> chosen(threads.colorList.begin() + 1,
                                          threads.colorList.begin() + 1 + threads.threadCount);
            EXPECT_EQ(std::set<int>(chosen.begin(), chosen.end()).size(), chosen.size());
            const ThreadMatcher nearestChosen(dmc, match, chosen);
            int amounts = 0;
            for (const ThreadEntry& entry : threads.table) {
                amounts += entry.amount;
            }
            EXPECT_EQ(amounts, picture.width * picture.height);
            for (int y = 0; y < picture.height; y += 7) {
                for (int x = 0; x < picture.width; x += 5) {
                    ASSERT_EQ((*index)(x, y), nearestChosen.nearest((*picture.cells)(x, y)))
                        << x << "," << y;
                }
            }
        }
    }
}

TEST(ThreadLimit, ThePicturesOwnThreadsAreFound) {
    const ThreadPalette& dmc = dmcPalette();
    auto color = [&](int position) { return dmc[static_cast<std::size_t>(position)].color; };
    // Three exact thread colours in unequal amounts: a limit of 10 takes
    // exactly those three, not ten.
    auto pattern = matrixFromRows(
        {{color(7), color(7), color(7), color(150)}, {color(7), color(260), color(150), color(7)}});
    auto index = std::make_unique<CellMatrix>();
    ColorList list{};
    GenerationSettings settings;
    settings.threadLimit = 10;
    settings.match = ColorMatch::Lab;
    ColorIndexOutcome out = makeColorIndex(*pattern, 4, 2, settings, dmc, list, *index);
    ASSERT_EQ(out.threadCount, 3);
    EXPECT_EQ(std::set<int>(list.begin() + 1, list.begin() + 4), (std::set<int>{7, 150, 260}));
    EXPECT_EQ(list[1], 7) << "listed in order of first appearance";
    EXPECT_EQ((*index)(1, 1), 260);

    // Near-black and near-white grain over two halves: two threads, 310 and
    // 5200.
    auto halves = std::make_unique<CellMatrix>();
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int grain = (x * 7 + y * 13) % 9;
            (*halves)(x, y) = x < 20 ? rgb(grain, grain, grain) : rgb(250 + grain % 6, 252, 249);
        }
    }
    settings.threadLimit = 2;
    out = makeColorIndex(*halves, 40, 40, settings, dmc, list, *index);
    ASSERT_EQ(out.threadCount, 2);
    EXPECT_EQ(list[1], kDmcBlack);
    EXPECT_EQ(list[2], kDmcWhite);
}

} // namespace
} // namespace tessaline
