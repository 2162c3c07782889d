// The thread estimate: a cross's length from the fabric count and the
// skeins it rounds up to.
#include "pattern/SkeinEstimate.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(SkeinEstimate, FourteenCountWithTwoStrands) {
    // Cell side 25.4 / 14 = 1.8143 mm; two diagonals and two sides of it.
    EXPECT_NEAR(crossStrandMillimetres(14), 8.7601, 1e-4);
    // Two strands and 150 % more for the back and the waste: 43.8007 mm a
    // cross; 48 m of strand a skein covers 1095 crosses, inside the
    // 1,000 to 1,500 published for 14-count with 2 strands.
    EXPECT_NEAR(threadMillimetres(1, 14, 2), 43.8007, 1e-4);
    EXPECT_EQ(crossesPerSkein(14, 2), 1095);
    EXPECT_EQ(skeinsFor(0, 14), 0);
    EXPECT_EQ(skeinsFor(1, 14), 1);
    EXPECT_EQ(skeinsFor(1095, 14), 1);
    EXPECT_EQ(skeinsFor(1096, 14), 2);
    EXPECT_EQ(skeinsFor(57500, 14), 53);
}

TEST(SkeinEstimate, FinerFabricAndFewerStrandsTakeLess) {
    // Half again the count: 22-count Aida with one strand.
    EXPECT_NEAR(crossStrandMillimetres(22), crossStrandMillimetres(11) / 2, 1e-9);
    EXPECT_EQ(skeinsFor(3444, 22, 1), 1);
    EXPECT_EQ(skeinsFor(3445, 22, 1), 2);
    EXPECT_EQ(crossesPerSkein(11, 2), 861);
    EXPECT_EQ(crossesPerSkein(18, 2), 1408);
    EXPECT_EQ(crossStrandMillimetres(0), 0);
    // 230 stitches on 14-count: 41.73 cm, 16.43 inches.
    EXPECT_NEAR(finishedCentimetres(230, 14), 41.7286, 1e-4);
    EXPECT_NEAR(finishedInches(230, 14), 16.4286, 1e-4);
}

TEST(SkeinEstimate, EvenweaveAndLinenAreStitchedOverTwo) {
    // 28-count linen gives 14 crosses an inch: the same cross, thread and
    // finished size as 14-count Aida; 25 and 32 give 12.5 and 16.
    EXPECT_TRUE(stitchedOverTwo(28));
    EXPECT_FALSE(stitchedOverTwo(22));
    EXPECT_DOUBLE_EQ(stitchesPerInch(25), 12.5);
    EXPECT_DOUBLE_EQ(stitchesPerInch(32), 16);
    EXPECT_DOUBLE_EQ(crossStrandMillimetres(28), crossStrandMillimetres(14));
    EXPECT_EQ(skeinsFor(57500, 28), skeinsFor(57500, 14));
    EXPECT_NEAR(finishedInches(230, 28), 16.4286, 1e-4);
    EXPECT_NEAR(finishedCentimetres(230, 32), finishedCentimetres(230, 16), 1e-9);
}

} // namespace
} // namespace tessaline
