#include "PatternTestHelpers.h"
#include "pattern/ThreadReplacement.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

using testing::filledMatrix;
using testing::matrixFromRows;

constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kNearBlack = rgb(3, 2, 1);
// Exact palette colours of positions 1 ("3713") and 10 ("350").
constexpr Color k3713 = rgb(0xFF, 0xC9, 0xB8);
constexpr Color k350 = rgb(0xDA, 0x0C, 0x0C);

TEST(EditIndex, ListsThreadsNotColoursAndStopsPast500Colours) {
    ColorList list{};
    auto index = filledMatrix(-1);
    // Black and near-black share their nearest thread: one entry, nothing merged
    // beyond that (3713 is close to other pinks but stays itself).
    auto pattern = matrixFromRows({{kNearBlack, k3713, kBlack}, {kBlack, k350, kNearBlack}});
    EditIndexOutcome out = makeEditIndex(*pattern, 3, 2, dmcPalette(), list, *index);
    ASSERT_EQ(out.status, GenerationStatus::Done);
    EXPECT_EQ(out.threadCount, 3);
    EXPECT_EQ(list[1], kDmcBlack);
    EXPECT_EQ(list[2], 1);
    EXPECT_EQ(list[3], 10);
    EXPECT_EQ((*index)(0, 0), kDmcBlack);
    EXPECT_EQ((*index)(2, 1), kDmcBlack);
    EXPECT_EQ((*index)(1, 1), 10);

    // 500 distinct colours are listed, the 501st stops the edit.
    auto many = filledMatrix(kWhite);
    for (int i = 0; i < 501; ++i) {
        (*many)(i % 100, i / 100) = rgb(i % 256, i / 256, 7);
    }
    out = makeEditIndex(*many, 100, 5, dmcPalette(), list, *index);
    EXPECT_EQ(out.status, GenerationStatus::Done);
    (*many)(0, 5) = rgb(1, 2, 250);
    out = makeEditIndex(*many, 100, 6, dmcPalette(), list, *index);
    EXPECT_EQ(out.status, GenerationStatus::TooManyColors);
}

TEST(EditIndex, FollowsTheSettingsMatchingAndThreadLimit) {
    const ThreadPalette& dmc = dmcPalette();
    // 2000 distinct colours: past the edit's 500 without a limit.
    auto many = filledMatrix(kWhite);
    for (int i = 0; i < 2000; ++i) {
        (*many)(i % 100, i / 100) = rgb(i % 256, (i * 7) % 256, (i / 8) % 256);
    }
    ColorList list{};
    auto index = filledMatrix(0);
    const ThreadMatching limited{ColorMatch::Lab, 6};
    const EditIndexOutcome out = makeEditIndex(*many, 100, 20, dmc, list, *index, {}, limited);
    ASSERT_EQ(out.status, GenerationStatus::Done);
    ASSERT_EQ(out.threadCount, 6);
    // The replacement maps each colour to the nearest of those six, as the
    // edit's index does.
    const std::vector<int> chosen(list.begin() + 1, list.begin() + 7);
    ThreadReplacement replacement(list, out.threadCount, dmc, limited);
    replacement.load(*many, 100, 20);
    const ThreadMatcher nearestChosen(dmc, ColorMatch::Lab, chosen);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(replacement.thread(x, y), (*index)(x, y)) << x << "," << y;
            ASSERT_EQ(replacement.thread(x, y), nearestChosen.nearest((*many)(x, y)));
        }
    }

    // Without a limit every colour takes its nearest thread of the whole
    // palette under the matching.
    auto few = matrixFromRows({{rgb(20, 30, 116), rgb(20, 71, 63), kNearBlack}});
    ThreadReplacement byLab(
        list, makeEditIndex(*few, 3, 1, dmc, list, *index, {}, {ColorMatch::Lab, 0}).threadCount,
        dmc, {ColorMatch::Lab, 0});
    byLab.load(*few, 3, 1);
    int differ = 0;
    for (int x = 0; x < 3; ++x) {
        const Color color = (*few)(x, 0);
        EXPECT_EQ(byLab.thread(x, 0), nearestThread(dmc, color, ColorMatch::Lab));
        EXPECT_EQ((*index)(x, 0), byLab.thread(x, 0));
        differ += byLab.thread(x, 0) != nearestThread(dmc, color) ? 1 : 0;
    }
    EXPECT_GT(differ, 0) << "colours picked where the two matchings part";
}

struct ReplacementFixture : ::testing::Test {
    ColorList list{};
    std::unique_ptr<CellMatrix> pattern =
        matrixFromRows({{kBlack, k3713, k350}, {k350, k3713, kBlack}});
    int count = 0;

    ThreadReplacement start() {
        auto index = filledMatrix(0);
        count = makeEditIndex(*pattern, 3, 2, dmcPalette(), list, *index).threadCount;
        ThreadReplacement r(list, count, dmcPalette());
        r.load(*pattern, 3, 2);
        return r;
    }
};

TEST_F(ReplacementFixture, UndoGivesBackExactlyTheCellsTheLatestReplacementChanged) {
    ThreadReplacement r = start();
    ASSERT_EQ(r.colorCount(), 3); // black, 3713, 350
    auto before = filledMatrix(0);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            (*before)(x, y) = r.thread(x, y);
        }
    }
    std::vector<std::pair<int, int>> painted;
    r.replace(1, 10, [&](int x, int y, int thread) {
        EXPECT_EQ(thread, 10);
        painted.emplace_back(x, y);
    });
    EXPECT_EQ(painted, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
    EXPECT_EQ(r.colorCount(), 2);
    EXPECT_EQ(r.entry(1), kDmcBlack);
    EXPECT_EQ(r.entry(2), 10); // the replacement's own entry stays
    EXPECT_EQ(r.replaceCount(), 1);
    EXPECT_EQ(r.cellsOf(10), 4);

    // A second replacement, then one undo: only the second is taken back.
    r.replace(kDmcBlack, 10);
    EXPECT_EQ(r.cellsOf(10), 6);
    painted.clear();
    r.undo([&](int x, int y, int thread) {
        EXPECT_EQ(thread, kDmcBlack);
        painted.emplace_back(x, y);
    });
    EXPECT_EQ(painted, (std::vector<std::pair<int, int>>{{0, 0}, {2, 1}}));
    EXPECT_EQ(r.replaceCount(), 1);
    EXPECT_EQ(r.thread(1, 0), 10);
    EXPECT_EQ(r.entry(r.colorCount()), kDmcBlack);

    // Undoing the first: the cells that were 350 before keep it, and 3713
    // goes back to the end of the list.
    r.undo();
    EXPECT_EQ(r.replaceCount(), 0);
    ASSERT_EQ(r.colorCount(), 3);
    EXPECT_EQ(r.entry(3), 1);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(r.thread(x, y), (*before)(x, y)) << x << "," << y;
        }
    }
    r.undo(); // nothing on record
    EXPECT_EQ(r.colorCount(), 3);

    // A thread no longer listed is not replaced again.
    r.replace(kDmcBlack, 10);
    r.replace(kDmcBlack, 1);
    EXPECT_EQ(r.replaceCount(), 1);
    EXPECT_EQ(r.thread(0, 0), 10);

    // The commit writes thread colours.
    CellMatrix& out = *pattern;
    r.commit(out);
    EXPECT_EQ(out(0, 0), k350);
    EXPECT_EQ(out(1, 0), k3713);
}

TEST_F(ReplacementFixture, CellsLeftUnstitchedStaySoThroughReplaceUndoAndCommit) {
    (*pattern)(2, 0) = kClearCell;
    (*pattern)(0, 1) = kClearCell;
    ThreadReplacement r = start();
    ASSERT_EQ(r.colorCount(), 2); // black and 3713: the cloth is no thread
    EXPECT_EQ(r.thread(2, 0), kUnstitchedIndex);
    r.replace(kUnstitchedIndex, 10); // not listed: nothing happens
    EXPECT_EQ(r.replaceCount(), 0);
    r.replace(kDmcBlack, 10);
    r.replace(1, kDmcBlack);
    r.undo();
    EXPECT_EQ(r.cellsOf(10), 2);
    r.commit(*pattern);
    EXPECT_EQ((*pattern)(2, 0), kClearCell);
    EXPECT_EQ((*pattern)(0, 1), kClearCell);
    EXPECT_EQ((*pattern)(0, 0), r.threadColor(10));
}

TEST_F(ReplacementFixture, TheListKeepsOneEntryAndReplacementsStopAt201) {
    *pattern = *filledMatrix(kBlack);
    ThreadReplacement r = start();
    ASSERT_EQ(r.colorCount(), 1);
    r.replace(kDmcBlack, 10);
    EXPECT_EQ(r.colorCount(), 1); // never below one entry
    EXPECT_EQ(r.entry(1), 10);    // the replacement takes the emptied list
    EXPECT_EQ(r.thread(2, 1), 10);
    // Back and forth, until 201 replacements are on record.
    for (int k = 0; k < 300; ++k) {
        r.replace(10, kDmcBlack);
        r.replace(kDmcBlack, 10);
    }
    EXPECT_EQ(r.replaceCount(), ThreadReplacement::kMaxReplacements);
    EXPECT_EQ(r.colorCount(), 1);
}

TEST_F(ReplacementFixture, ReplacementsChainInOrderAndUndoTakesBackTheLatest) {
    // 3713 -> 321 -> 989 -> 3713: each thread that arrived is found again.
    const int k321 = threadPositionOfNumber(dmcPalette(), "321");
    const int k989 = threadPositionOfNumber(dmcPalette(), "989");
    ThreadReplacement r = start();
    int cells = 0;
    const auto countCell = [&cells](int, int, int) { ++cells; };
    r.replace(1, k321, countCell);
    EXPECT_EQ(cells, 2);
    EXPECT_EQ(r.entryOf(k321), 3); // joined the end of the list
    r.replace(k321, k989, countCell);
    r.replace(k989, 1, countCell);
    EXPECT_EQ(cells, 6);
    EXPECT_EQ(r.thread(1, 0), 1);
    EXPECT_EQ(r.thread(1, 1), 1);
    EXPECT_EQ(r.colorCount(), 3);
    EXPECT_EQ(r.entryOf(k321), 0);
    EXPECT_EQ(r.entryOf(k989), 0);

    // Two replacements of different threads, one undo: the latest goes,
    // the earlier one stays.
    ThreadReplacement two = start();
    two.replace(kDmcBlack, k321);
    two.replace(10, k989);
    two.undo();
    EXPECT_EQ(two.replaceCount(), 1);
    EXPECT_EQ(two.thread(2, 0), 10); // 350 is back
    EXPECT_EQ(two.thread(0, 1), 10);
    EXPECT_EQ(two.thread(0, 0), k321); // black stays replaced
    EXPECT_EQ(two.thread(2, 1), k321);
    EXPECT_EQ(two.entryOf(k989), 0); // 989 left the list with its undo
    EXPECT_EQ(two.entry(two.colorCount()), 10);
    EXPECT_EQ(two.entryOf(kDmcBlack), 0);
    EXPECT_NE(two.entryOf(k321), 0);
    EXPECT_EQ(two.colorCount(), 3);
}

TEST(SwatchListLayout, ElevenColoursMakeTwoRowsAndSeparatorsPickNothing) {
    EXPECT_EQ(SwatchListLayout::rows(10), 1);
    EXPECT_EQ(SwatchListLayout::height(11), 38);
    EXPECT_EQ(SwatchListLayout::scrollMaximum(11), 28);
    EXPECT_EQ(SwatchListLayout::entryAt(1, 1, 11), 1);
    EXPECT_EQ(SwatchListLayout::entryAt(18 * 9 + 15, 11, 11), 10);
    EXPECT_EQ(SwatchListLayout::entryAt(5, 14 + 5, 11), 11);
    EXPECT_EQ(SwatchListLayout::entryAt(18 + 5, 14 + 5, 11), 0); // no 12th entry
    EXPECT_EQ(SwatchListLayout::entryAt(18, 5, 11), 0);          // separator
    EXPECT_EQ(SwatchListLayout::entryAt(16, 5, 11), 0);          // margin
    EXPECT_EQ(SwatchListLayout::entryAt(185, 5, 11), 0);         // past the tenth column
}

TEST(ThreadNumbers, FindPalettePositions) {
    EXPECT_EQ(threadPositionOfNumber(dmcPalette(), "310"), kDmcBlack);
    EXPECT_EQ(threadPositionOfNumber(dmcPalette(), " 3713 "), 1);
    EXPECT_EQ(threadPositionOfNumber(dmcPalette(), "999999"), 0);
    EXPECT_EQ(threadPositionOfNumber(dmcPalette(), ""), 0);
}

} // namespace
} // namespace tessaline
