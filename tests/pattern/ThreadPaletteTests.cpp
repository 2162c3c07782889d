#include "pattern/ThreadPalette.h"

#include <gtest/gtest.h>
#include <set>

namespace tessaline {
namespace {

TEST(PatternThreadPalette, TellingRowsHoldTheirNumbersAndColours) {
    const ThreadPalette dmc = loadColor();
    // 3713:FFC9B8 is stored blue-green-red: 0x00B8C9FF = 12110335.
    EXPECT_EQ(dmc[1].color, 12110335);
    EXPECT_EQ(dmc[1].cindex, "3713      ");
    EXPECT_EQ(dmc[2].cindex, "761       ");
    EXPECT_EQ(dmc[kDmcWhite].cindex, "5200      ");
    EXPECT_EQ(dmc[kDmcWhite].color, 0xFFFFFF);
    EXPECT_EQ(dmc[394].cindex, "0000      ");
    EXPECT_EQ(dmc[394].color, rgb(0xF6, 0xE8, 0xCF));
    EXPECT_EQ(dmc[kDmcBlack].cindex, "310       ");
    EXPECT_EQ(dmc[kDmcBlack].color, 0);
    EXPECT_EQ(dmc[422].cindex, "5283      ");
    EXPECT_EQ(dmc[422].color, rgb(0xA0, 0xA0, 0xA0));
    EXPECT_EQ(dmc[423].cindex, "5282      ");
    EXPECT_EQ(dmc[423].color, rgb(0x97, 0x79, 0x00));
}

TEST(PatternThreadPalette, AllNumbersPaddedUniqueAndUnusedEntriesEmpty) {
    const ThreadPalette dmc = loadColor();
    std::set<std::string> numbers;
    std::set<Color> colors;
    for (int i = 1; i <= kDmcThreadCount; ++i) {
        EXPECT_EQ(dmc[i].cindex.size(), 10u) << i;
        numbers.insert(dmc[i].cindex);
        colors.insert(dmc[i].color);
    }
    EXPECT_EQ(numbers.size(), 423u);
    EXPECT_EQ(colors.size(), 423u);
    for (int i = kDmcThreadCount + 1; i <= kPaletteCapacity; ++i) {
        EXPECT_EQ(dmc[i].color, 0);
        EXPECT_TRUE(dmc[i].cindex.empty());
    }
}

TEST(PatternThreadPalette, LoadingAgainRewritesTheSameValues) {
    ThreadPalette dmc{};
    loadColor(dmc);
    dmc[5].color = 42;
    dmc[5].cindex = "x";
    loadColor(dmc);
    EXPECT_EQ(dmc[5].cindex, "3328      ");
    EXPECT_EQ(dmc[5].color, rgb(0xD6, 0x61, 0x65));
}

TEST(PatternNearestThread, ExactPaletteColoursMapToThemselves) {
    const ThreadPalette& dmc = dmcPalette();
    for (int i = 1; i <= kDmcThreadCount; ++i) {
        EXPECT_EQ(nearestThread(dmc, dmc[i].color), i);
    }
    EXPECT_EQ(nearestThread(kWhite), kDmcWhite);
    EXPECT_EQ(nearestThread(rgb(0, 0, 0)), kDmcBlack);
}

TEST(PatternNearestThread, NearColoursMapToTheClosestThread) {
    EXPECT_EQ(nearestThread(rgb(254, 254, 254)), kDmcWhite);
    EXPECT_EQ(nearestThread(rgb(1, 1, 1)), kDmcBlack);
    EXPECT_EQ(nearestThread(rgb(0xFE, 0xC9, 0xB8)), 1);
}

TEST(PatternNearestThread, TieGoesToTheLowerIndexAndUnusedEntriesAreIgnored) {
    ThreadPalette dmc{};
    for (int i = 1; i <= kDmcThreadCount; ++i) {
        dmc[i].color = kWhite;
    }
    // Black is 100 away from both; 100^2 = 10000 on either side.
    dmc[10].color = rgb(100, 0, 0);
    dmc[20].color = rgb(0, 100, 0);
    EXPECT_EQ(nearestThread(dmc, rgb(0, 0, 0)), 10);
    dmc[10].color = rgb(0, 0, 100);
    EXPECT_EQ(nearestThread(dmc, rgb(0, 0, 0)), 10);
    // The first entry starts the search and keeps a tie too.
    dmc[1].color = rgb(0, 0, 100);
    EXPECT_EQ(nearestThread(dmc, rgb(0, 0, 0)), 1);
    // Entry 424 lies beyond the threads and is never examined.
    dmc[424].color = rgb(0, 0, 0);
    EXPECT_EQ(nearestThread(dmc, rgb(0, 0, 0)), 1);
}

TEST(PatternNearestThread, ChannelsAreNotWeighted) {
    ThreadPalette dmc{};
    for (int i = 1; i <= kDmcThreadCount; ++i) {
        dmc[i].color = kWhite;
    }
    dmc[3].color = rgb(0, 0, 30); // 900 from black
    dmc[4].color = rgb(29, 0, 0); // 841 from black: closer
    EXPECT_EQ(nearestThread(dmc, rgb(0, 0, 0)), 4);
}

TEST(PatternThreadCategory, EmptyTextMeansDmc) {
    EXPECT_EQ(threadCategoryFromText(""), ThreadCategory::Dmc);
    EXPECT_EQ(threadCategoryFromText("DMC"), ThreadCategory::Dmc);
    EXPECT_EQ(threadCategoryFromText("CC"), ThreadCategory::Cc);
    EXPECT_EQ(threadCategoryText(ThreadCategory::Dmc), "DMC");
    EXPECT_EQ(threadCategoryText(ThreadCategory::Cc), "CC");
}

} // namespace
} // namespace tessaline
