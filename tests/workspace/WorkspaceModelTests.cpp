// The workspace without its window: hand-over frame, whole-picture and
// region views, and the reduction step on the displayed picture.
#include "CliTestSupport.h"
#include "workspace/WorkspaceModel.h"

#include <QTemporaryDir>

namespace tessaline::test {
namespace {

TEST(WorkspaceModel, FabricLineWritesStitchesAndCentimetres) {
    EXPECT_EQ(fabricSizeText(fabricSize(117, 132)),
              QStringLiteral("绣布：宽高117x132(约35x40厘米)"));
    EXPECT_EQ(fabricSizeText(fabricSize(124.5, 250)),
              QStringLiteral("绣布：宽高124x250(约37x75厘米)"));
}

TEST(WorkspaceModel, HandOverRaisesSidesBelowTheBarsMinimum) {
    const PreviewArea area;
    // 2 x 2: height 2 and width 230 (250 / 1.0 is not below 230).
    EXPECT_EQ(handOverFrameSize(loadedPictureSizes(area, 2, 2)), QSize(230, 16));
    // 10 x 1000: full height, width 250 / 100 = 2.5 -> 2.
    EXPECT_EQ(handOverFrameSize(loadedPictureSizes(area, 10, 1000)), QSize(16, 250));
    // 200 x 400 stays as loading sets it.
    EXPECT_EQ(handOverFrameSize(loadedPictureSizes(area, 200, 400)), QSize(125, 250));
}

TEST(WorkspaceModel, WholeViewSqueezesThePictureAndKeepsItsShape) {
    const PreviewArea area;
    const QImage picture = makePicture(400, 200, [](int, int) { return kRedRgb; });
    WorkspaceView view = wholePictureView(area, picture, 300, 0.5F);
    // 300 x 150, then the width limit: 230 x 115.
    EXPECT_EQ(view.displayed.size(), QSize(230, 115));
    EXPECT_EQ(view.region.width, 230);
    EXPECT_EQ(view.region.height, 115);
    EXPECT_EQ(view.region.left, 0);
    EXPECT_EQ(view.region.top, 0);

    // 1000 x 10 at width 230: 230 x 2.3 -> 2 rows of picture in a frame of
    // the minimum 16 rows.
    view = wholePictureView(area, makePicture(1000, 10, [](int, int) { return kBlackRgb; }), 230,
                            0.01F);
    EXPECT_EQ(view.displayed.size(), QSize(230, 2));
    EXPECT_EQ(view.region.height, 16);
}

TEST(WorkspaceModel, RegionViewDrawsThePictureAtTheZoomWidth) {
    const QImage picture =
        makePicture(64, 48, [](int x, int) { return x < 32 ? kWhiteRgb : kBlackRgb; });
    EXPECT_EQ(regionDisplaySize(100, 0.75F), QSize(100, 75));
    // 33 x 0.75 = 24.75 -> 25.
    EXPECT_EQ(regionDisplaySize(33, 0.75F), QSize(33, 25));
    const WorkspaceView view = regionView(picture, 32, 0.75F, QSize(20, 16), 7, 3);
    EXPECT_EQ(view.displayed.size(), QSize(32, 24));
    // Halving a picture of two plain halves keeps each half plain.
    EXPECT_EQ(view.displayed.pixel(0, 0) & 0xFFFFFF, kWhiteRgb);
    EXPECT_EQ(view.displayed.pixel(31, 23) & 0xFFFFFF, kBlackRgb);
    EXPECT_EQ(view.region.width, 20);
    EXPECT_EQ(view.region.height, 16);
    EXPECT_EQ(view.region.left, 7);
    EXPECT_EQ(view.region.top, 3);
}

TEST(WorkspaceModel, ReductionStepWritesTheResultBackAtTheRegionsCorner) {
    QTemporaryDir tmp;
    const auto scratch = std::filesystem::path(tmp.path().toStdString()) / "tmppicv.bmp";
    // Mid grey 0x808080 is no level of the black-and-white reduction: the
    // dither turns the region into black and white only.
    WorkspaceView view{
        makePicture(40, 30, [](int, int) { return kGreyRgb; }), {16, 16, 10, 5}, QImage()};
    ClsDIB src;
    ClsDIB dst;
    auto matrix = std::make_unique<CellMatrix>();
    const ReductionOutcome outcome = runReductionStep(view, 1, scratch, src, dst, *matrix);
    EXPECT_TRUE(outcome.reduced);
    EXPECT_TRUE(std::filesystem::exists(scratch));
    int black = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const Color c = (*matrix)(x, y);
            ASSERT_TRUE(c == 0 || c == kWhite) << x << "," << y;
            black += c == 0 ? 1 : 0;
            // The displayed picture holds the same cells at the offset.
            EXPECT_EQ(view.displayed.pixel(10 + x, 5 + y) & 0xFFFFFF, c == 0 ? 0U : 0xFFFFFFU);
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_LT(black, 256);
    // Outside the region the picture is untouched, and so is the matrix.
    EXPECT_EQ(view.displayed.pixel(9, 5) & 0xFFFFFF, kGreyRgb);
    EXPECT_EQ((*matrix)(16, 0), kWhite);

    // Method 0 samples without reducing and writes no scratch picture.
    std::filesystem::remove(scratch);
    WorkspaceView plain{
        makePicture(20, 20, [](int, int) { return kGreyRgb; }), {16, 16, 0, 0}, QImage()};
    EXPECT_FALSE(runReductionStep(plain, 0, scratch, src, dst, *matrix).reduced);
    EXPECT_EQ((*matrix)(0, 0), static_cast<Color>(0x808080));
    EXPECT_FALSE(std::filesystem::exists(scratch));
}

} // namespace
} // namespace tessaline::test
