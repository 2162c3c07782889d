// The thread estimate: a cross's length from the fabric count and the
// skeins it rounds up to.
#include "pattern/SkeinEstimate.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(SkeinEstimate, FourteenCountWithTwoStrands) {
    // Cell side 25.4 / 14 = 1.8143 mm; two diagonals and two sides of it.
    EXPECT_NEAR(crossStrandMillimetres(14), 8.7601, 1e-4);
    // Two strands and a fifth more: 21.0244 mm a cross; 48 m of strand a skein.
    EXPECT_NEAR(threadMillimetres(1, 14, 2), 21.0244, 1e-4);
    EXPECT_EQ(skeinsFor(0, 14), 0);
    EXPECT_EQ(skeinsFor(1, 14), 1);
    EXPECT_EQ(skeinsFor(2283, 14), 1);
    EXPECT_EQ(skeinsFor(2284, 14), 2);
    EXPECT_EQ(skeinsFor(57500, 14), 26);
}

TEST(SkeinEstimate, FinerFabricAndFewerStrandsTakeLess) {
    // Twice the count halves the cell side; one strand halves it again.
    EXPECT_NEAR(crossStrandMillimetres(28), crossStrandMillimetres(14) / 2, 1e-9);
    EXPECT_EQ(skeinsFor(9132, 28, 1), 1);
    EXPECT_EQ(skeinsFor(9133, 28, 1), 2);
    EXPECT_EQ(crossStrandMillimetres(0), 0);
    // 230 stitches on 14-count: 41.73 cm, 16.43 inches.
    EXPECT_NEAR(finishedCentimetres(230, 14), 41.7286, 1e-4);
    EXPECT_NEAR(finishedInches(230, 14), 16.4286, 1e-4);
}

} // namespace
} // namespace tessaline
