// DMC threads as shops know them: numbers, colour names, the shop spellings
// the command line takes and the specialty threads.
#include "pattern/DmcNames.h"
#include "pattern/DmcTable.h"
#include "pattern/ThreadReplacement.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(DmcNames, EveryPaletteThreadHasItsShopNumberAndName) {
    for (std::size_t i = 0; i < kDmcThreads.size(); ++i) {
        EXPECT_STREQ(kDmcNames[i].number, kDmcThreads[i].number) << i + 1;
        EXPECT_FALSE(dmcColorName(kDmcNames[i].number).empty()) << kDmcNames[i].number;
    }
    EXPECT_EQ(threadLabel("310"), "310 Black");
    EXPECT_EQ(threadLabel("0000"), "Ecru");
    EXPECT_EQ(threadLabel("5200"), "B5200 Snow White");
    EXPECT_EQ(threadLabel("3713    "), "3713 Salmon Very Light");
    EXPECT_EQ(threadLabel("FFC9B8"), "FFC9B8"); // a "CC" colour has no name
    EXPECT_EQ(shopThreadNumber("0000"), "Ecru");
    EXPECT_EQ(shopThreadNumber("5200"), "B5200");
    EXPECT_EQ(shopThreadNumber("310"), "310");
}

TEST(DmcNames, ShopSpellingsNameTheStoredThreads) {
    EXPECT_EQ(paletteNumberOfShop("Ecru"), "0000");
    EXPECT_EQ(paletteNumberOfShop("ecru"), "0000");
    EXPECT_EQ(paletteNumberOfShop(" B5200 "), "5200");
    EXPECT_EQ(paletteNumberOfShop("310"), std::nullopt);
    EXPECT_EQ(paletteNumberOfShop("Blanc"), std::nullopt); // not in the palette
    const ThreadPalette& dmc = dmcPalette();
    EXPECT_EQ(threadPositionOfNumber(dmc, "Ecru"), 394);
    EXPECT_EQ(threadPositionOfNumber(dmc, "B5200"), kDmcWhite);
    EXPECT_EQ(threadPositionOfNumber(dmc, "5200"), kDmcWhite);
    EXPECT_EQ(threadPositionOfNumber(dmc, "0000"), 394);
    EXPECT_EQ(threadPositionOfNumber(dmc, "B310"), 0);
    EXPECT_TRUE(specialtyThread("5283"));
    EXPECT_TRUE(specialtyThread("5282  "));
    EXPECT_FALSE(specialtyThread("310"));
}

} // namespace
} // namespace tessaline
