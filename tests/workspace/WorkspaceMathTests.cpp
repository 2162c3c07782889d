#include "workspace/Rounding.h"
#include "workspace/WorkspaceMath.h"

#include <array>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(4.67), 5);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
}

TEST(PanStep, RoundsTheSumOfOffsetAndHalfStep) {
    // Odd offsets with odd drags: 1 + 1.5 = 2.5 gives 2, 3 + 1.5 = 4.5 gives 4,
    // 1 - 0.5 = 0.5 gives 0, and 2 + 1.5 = 3.5 gives 4.
    PanStep step = panStep(1, 3, 100, 50, 97, 47);
    EXPECT_EQ(step.x, 2);
    EXPECT_EQ(step.y, 4);
    EXPECT_TRUE(step.moves);
    step = panStep(1, 2, 100, 50, 101, 47);
    EXPECT_EQ(step.x, 0);
    EXPECT_EQ(step.y, 4);
    EXPECT_FALSE(step.moves);
    // Never below 0.
    EXPECT_EQ(panStep(0, 0, 0, 0, 9, 9).x, 0);
}

TEST(FrameGeometry, IsCentredInThePreviewAreaWithHalvesKept) {
    const PreviewArea area;
    const FramePosition odd = framePosition(area, 117, 132);
    EXPECT_DOUBLE_EQ(odd.left, 4 + 56.5);
    EXPECT_DOUBLE_EQ(odd.top, 8 + 59);
    const FramePosition full = framePosition(area, 230, 250);
    EXPECT_DOUBLE_EQ(full.left, 4);
    EXPECT_DOUBLE_EQ(full.top, 8);
}

TEST(FabricSize, GivesStitchesAndCentimetres) {
    auto sizes = [](const FabricSize& f) {
        return std::array{f.stitchesWide, f.stitchesHigh, f.centimetresWide, f.centimetresHigh};
    };
    EXPECT_EQ(sizes(fabricSize(117, 132)), (std::array{117, 132, 35, 40}));
    EXPECT_EQ(sizes(fabricSize(230, 250)), (std::array{230, 250, 69, 75}));
    EXPECT_EQ(sizes(fabricSize(16, 16)), (std::array{16, 16, 5, 5}));
    // A width with a fraction is rounded.
    EXPECT_EQ(sizes(fabricSize(124.5, 250)), (std::array{124, 250, 37, 75}));
}

TEST(LoadedPictureSizes, FollowThePictureShape) {
    const PreviewArea area;
    const LoadedPictureSizes square = loadedPictureSizes(area, 300, 300);
    EXPECT_EQ(square.heightValue, 250);
    EXPECT_EQ(square.widthValue, 230); // 250 / 1.0 is not below 230
    EXPECT_FLOAT_EQ(square.xyRate, 1.0F);

    const LoadedPictureSizes tall = loadedPictureSizes(area, 200, 400);
    EXPECT_EQ(tall.heightValue, 250);
    EXPECT_FLOAT_EQ(tall.xyRate, 2.0F);
    EXPECT_EQ(tall.widthValue, 125);

    const LoadedPictureSizes wide = loadedPictureSizes(area, 100, 80);
    EXPECT_EQ(wide.heightValue, 80);
    EXPECT_EQ(wide.widthValue, 230); // 312.5 is not below 230
}

TEST(LoadedPictureSizes, SetTheZoomRangeFromThePictureWidth) {
    const PreviewArea area;
    const LoadedPictureSizes wide = loadedPictureSizes(area, 320, 100);
    EXPECT_EQ(wide.zoomMin, 32);
    EXPECT_EQ(wide.zoomMax, 320);
    EXPECT_EQ(wide.zoomLargeChange, 48);
    EXPECT_EQ(wide.zoomSmallChange, 9);

    const LoadedPictureSizes narrow = loadedPictureSizes(area, 60, 100);
    EXPECT_EQ(narrow.zoomLargeChange, 5); // 4.67 rounded
    EXPECT_EQ(narrow.zoomSmallChange, 2); // below 2 becomes 2
}

TEST(LoadedPictureSizes, NeverGiveAZoomMaximumBelowItsMinimum) {
    const PreviewArea area;
    for (int width : {1, 20, 31, 32, 33, 37}) {
        const LoadedPictureSizes s = loadedPictureSizes(area, width, 100);
        EXPECT_GE(s.zoomMax, s.zoomMin) << width;
        EXPECT_GE(s.zoomLargeChange, 1) << width;
        EXPECT_GE(s.zoomSmallChange, 2) << width;
    }
}

TEST(WholePictureSize, ClampsToTheHeightThenTheWidth) {
    const PreviewArea area;
    const WholePictureSize tall = wholePictureSize(area, 200, 2.0F);
    EXPECT_EQ(tall.picH, 250);
    EXPECT_DOUBLE_EQ(tall.picW, 125);

    const WholePictureSize wide = wholePictureSize(area, 300, 0.5F);
    EXPECT_DOUBLE_EQ(wide.picW, 230);
    EXPECT_EQ(wide.picH, 115);

    const WholePictureSize fits = wholePictureSize(area, 100, 1.1F);
    EXPECT_DOUBLE_EQ(fits.picW, 100);
    EXPECT_EQ(fits.picH, 110);

    // The height limit can leave a fraction in the width.
    const WholePictureSize fraction = wholePictureSize(area, 230, 1.5F);
    EXPECT_EQ(fraction.picH, 250);
    EXPECT_NEAR(fraction.picW, 250 / 1.5, 1e-6);
}

TEST(WholePictureSize, NeverShrinksASideBelowOneStitch) {
    const PreviewArea area;
    const WholePictureSize flat = wholePictureSize(area, 230, 0.001F);
    EXPECT_DOUBLE_EQ(flat.picW, 230);
    EXPECT_EQ(flat.picH, 1);
    const WholePictureSize thin = wholePictureSize(area, 32, 1000.0F);
    EXPECT_EQ(thin.picH, 250);
    EXPECT_DOUBLE_EQ(thin.picW, 1);
}

} // namespace
} // namespace tessaline
