#include "CliTestSupport.h"
#include "WorkspaceFixture.h"
#include "platform/DisplayContext.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"
#include "render/ColorConvert.h"
#include "workspace/WorkspaceModel.h"

#include <QBuffer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace tessaline {
namespace {

TEST(Form1Load, SetsTheWorkspaceDefaultsAndLoadsTheStartPicture) {
    WorkspaceFixture w(gradientPicture(200, 220));
    Form1& f = *w.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tessaline V2008"));
    EXPECT_EQ(f.picmaxW, 230);
    EXPECT_EQ(f.picmaxH, 250);
    EXPECT_EQ(f.ColorBit, 16);
    EXPECT_EQ(w.state->gridSize, 10);
    EXPECT_EQ(f.wMatrix->maximum(), 1380);
    EXPECT_EQ(f.Hmatrix->maximum(), 1500);
    EXPECT_EQ(f.ifScale, 1);
    EXPECT_TRUE(f.displayDC().isOpen());
    // The start picture is 200 x 220: full height, and the width set back to 117.
    EXPECT_EQ(f.Picture3->picture().size(), QSize(200, 220));
    EXPECT_EQ(f.Hchange->value(), 220);
    EXPECT_EQ(f.wChange->value(), 117);
    EXPECT_EQ(f.picH, 220);
    EXPECT_DOUBLE_EQ(f.picW, 117);
    EXPECT_EQ(f.Label1->text(), QStringLiteral("绣布：宽高117x220(约35x66厘米)"));
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command11->isEnabled());
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST(Form1Load, AMissingStartPictureLeavesAnUsableWorkspaceWithoutAMessage) {
    WorkspaceFixture w(QImage{});
    Form1& f = *w.form;
    EXPECT_EQ(f.ColorBit, 16);
    EXPECT_TRUE(w.dialogs.messages.empty());
    EXPECT_TRUE(f.Picture3->picture().isNull());
    // The sampling step ran: the preview counts as done on the empty region.
    EXPECT_EQ(f.previewDone, 1);
    EXPECT_TRUE(w.handOver(gradientPicture(100, 80)));
    EXPECT_EQ(f.Hchange->value(), 80);
}

TEST(Form1Controls, SitAtTheirDesignPositionsWithTheirCaptions) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    EXPECT_EQ(f.surface->size(), QSize(819, 515));
    EXPECT_EQ(f.Command5->geometry(), QRect(8, 8, 65, 25));
    EXPECT_EQ(f.Command5->text(), QStringLiteral("导入图片"));
    EXPECT_EQ(f.Command4->geometry(), QRect(192, 360, 73, 25));
    EXPECT_EQ(f.Command4->text(), QStringLiteral("效果预览->"));
    EXPECT_EQ(f.frameMyPicture->geometry(), QRect(24, 64, 241, 271));
    EXPECT_EQ(f.frameMyPicture->title(), QStringLiteral("我的图片"));
    EXPECT_EQ(f.Picture6->geometry(), QRect(340, 64, 441, 433));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("欢迎使用Tessaline，动手把你的照片做成十字绣！"));
    EXPECT_EQ(f.Label12->text(), QStringLiteral("超级减色"));
    EXPECT_FALSE(f.Command2->isVisibleTo(&f));
    EXPECT_FALSE(f.Label10->isVisibleTo(&f));
    EXPECT_FALSE(f.Text1->isVisibleTo(&f));
    EXPECT_FALSE(f.Label8->isVisibleTo(&f));
    const QList<QAction*> menus = f.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("文件"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("设置"));
    EXPECT_EQ(f.fop6->text(), QStringLiteral("退出Tessaline"));
    EXPECT_EQ(f.freg4->text(), QStringLiteral("关于..."));
}

struct ShapeCase {
    int width;
    int height;
    int heightValue;
    int widthValue;
    float xyRate;
};

class HandOver : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(HandOver, SetsSizesRatioAndZoomRangeThroughTheScrollBars) {
    const ShapeCase c = GetParam();
    WorkspaceFixture w;
    Form1& f = *w.form;
    f.Command11_Click(); // whole-picture mode; the hand-over must go back to region mode
    ASSERT_TRUE(w.handOver(gradientPicture(c.width, c.height)));
    EXPECT_EQ(f.ifScale, 1);
    EXPECT_EQ(f.Hchange->value(), c.heightValue);
    EXPECT_EQ(f.wChange->value(), c.widthValue);
    EXPECT_FLOAT_EQ(f.xyRate, c.xyRate);
    // The change handlers ran as the values moved.
    EXPECT_EQ(f.picH, c.heightValue);
    EXPECT_DOUBLE_EQ(f.picW, c.widthValue);
    EXPECT_EQ(f.Picture2->size(), QSize(c.widthValue, c.heightValue));
    EXPECT_EQ(f.zoom->minimum(), 32);
    EXPECT_EQ(f.zoom->maximum(), std::max(32, c.width));
    EXPECT_EQ(f.moveX1, 0);
    EXPECT_EQ(f.moveY1, 0);
    EXPECT_EQ(f.Picture4->pos(), QPoint(0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HandOver,
    ::testing::Values(ShapeCase{300, 300, 250, 230, 1.0F}, ShapeCase{200, 400, 250, 125, 2.0F},
                      ShapeCase{100, 80, 80, 230, 0.8F}, ShapeCase{320, 160, 160, 230, 0.5F},
                      // Below the size bars' minimum: raised to 16.
                      ShapeCase{10, 8, 16, 230, 0.8F}, ShapeCase{1, 1000, 250, 16, 1000.0F}));

// The size bars, picW and picH, the frame and the fabric line tell one story.
void expectSizesAgree(const Form1& f) {
    EXPECT_DOUBLE_EQ(f.picW, f.wChange->value());
    EXPECT_EQ(f.picH, f.Hchange->value());
    EXPECT_EQ(f.Picture2->size(), QSize(f.wChange->value(), f.Hchange->value()));
    EXPECT_EQ(f.Label1->text(), fabricSizeText(fabricSize(f.picW, f.picH)));
}

TEST(ModeCommands, WholePictureOfAFlatPictureFramesItAsTheCommandLineDoes) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    const QImage flat = gradientPicture(1000, 50);
    ASSERT_TRUE(w.handOver(flat));
    ASSERT_TRUE(f.Command11_Click());
    // 230 x 11.5 -> 12 rows of picture in a frame of the bars' minimum 16.
    const WorkspaceView cli = wholePictureView(PreviewArea{}, flat, 230, f.xyRate);
    EXPECT_EQ(f.Picture2->size(), QSize(cli.region.width, cli.region.height));
    EXPECT_EQ(f.Picture2->size(), QSize(230, 16));
    EXPECT_EQ(f.Picture4->size(), cli.displayed.size());
    EXPECT_EQ(f.Picture4->size(), QSize(230, 12));
    expectSizesAgree(f);
}

TEST(ModeCommands, WholePictureOnPicturesNarrowerThanTheFrameSqueezesThem) {
    for (const int width : {20, 100}) {
        WorkspaceFixture w;
        Form1& f = *w.form;
        ASSERT_TRUE(w.handOver(gradientPicture(width, width))); // frame 230 wide
        ASSERT_TRUE(f.Command11_Click());
        EXPECT_EQ(f.ifScale, 0);
        EXPECT_TRUE(f.Command1->isEnabled());
        EXPECT_FALSE(f.Command11->isEnabled());
        EXPECT_EQ(f.Picture2->size(), QSize(230, 230));
        EXPECT_EQ(f.Picture4->size(), QSize(230, 230));
        expectSizesAgree(f);
    }
}

TEST(PictureHandOver, ShowsEachPictureAtItsOwnSizeWithBarsFrameAndLineInAgreement) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    // A very flat picture in whole-picture mode, then a photo.
    ASSERT_TRUE(w.handOver(gradientPicture(10000, 300)));
    ASSERT_TRUE(f.Command11_Click());
    expectSizesAgree(f);
    const QImage photo = gradientPicture(1024, 640);
    ASSERT_TRUE(w.handOver(photo));
    expectSizesAgree(f);
    EXPECT_EQ(f.Label1->text(), QStringLiteral("绣布：宽高230x250(约69x75厘米)"));
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command11->isEnabled());
    EXPECT_EQ(f.Picture4->geometry(), QRect(0, 0, 1024, 640));
    EXPECT_EQ(f.zoom->value(), 1024);

    // The sampled frame is the photo's own pixels: no cell reads white.
    f.Command2_Click();
    const CellMatrix& matrix = w.state->patternMatrix;
    int white = 0;
    for (int y = 0; y < 250; ++y) {
        for (int x = 0; x < 230; ++x) {
            white += matrix(x, y) == kWhite ? 1 : 0;
            ASSERT_EQ(matrix(x, y), fromQRgb(photo.pixel(x, y))) << x << "," << y;
        }
    }
    EXPECT_EQ(white, 0);
}

TEST(PictureHandOver, AJpegStandsUpAsItsExifOrientationSaysInBothModes) {
    // Stored lying on its side (300 x 200, orientation 6): the window shows
    // and samples it upright, exactly as the same pixels stored upright.
    QByteArray plain;
    QBuffer buffer(&plain);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(gradientPicture(300, 200).save(&buffer, "JPG", 95));
    const QByteArray turned = test::withExifOrientation(plain, 6);
    const QImage upright = test::decodedUpright(turned);
    ASSERT_EQ(upright.size(), QSize(200, 300));

    for (const bool whole : {false, true}) {
        SCOPED_TRACE(whole ? "whole picture" : "region");
        std::vector<CellMatrix> sampled(2);
        std::vector<QSize> frames(2);
        for (int i = 0; i < 2; ++i) {
            WorkspaceFixture w;
            Form1& f = *w.form;
            if (i == 0) {
                QFile file(w.folder.filePath(QStringLiteral("turned.jpg")));
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(turned);
                file.close();
                w.state->picturePath = file.fileName().toStdString();
                ASSERT_TRUE(f.loadWorkspacePicture());
                EXPECT_EQ(f.Picture3->picture(), upright);
            } else {
                ASSERT_TRUE(w.handOver(upright));
            }
            if (whole) {
                ASSERT_TRUE(f.Command11_Click());
            }
            f.Command2_Click();
            sampled[static_cast<std::size_t>(i)] = w.state->patternMatrix;
            frames[static_cast<std::size_t>(i)] = QSize(f.wChange->value(), f.Hchange->value());
        }
        ASSERT_EQ(frames[0], frames[1]);
        for (int y = 0; y < frames[0].height(); ++y) {
            for (int x = 0; x < frames[0].width(); ++x) {
                ASSERT_EQ(sampled[0](x, y), sampled[1](x, y)) << x << "," << y;
            }
        }
    }
}

TEST(HandOverZoom, SetsTheStepsFromThePictureWidth) {
    WorkspaceFixture w;
    ASSERT_TRUE(w.handOver(gradientPicture(320, 200)));
    EXPECT_EQ(w.form->zoom->pageStep(), 48);
    EXPECT_EQ(w.form->zoom->singleStep(), 9);
    ASSERT_TRUE(w.handOver(gradientPicture(60, 60)));
    EXPECT_EQ(w.form->zoom->pageStep(), 5);
    EXPECT_EQ(w.form->zoom->singleStep(), 2);
}

TEST(HandOverZoom, ANarrowPictureKeepsAValidZoomRange) {
    WorkspaceFixture w;
    ASSERT_TRUE(w.handOver(gradientPicture(20, 40)));
    EXPECT_EQ(w.form->zoom->minimum(), 32);
    EXPECT_EQ(w.form->zoom->maximum(), 32);
    EXPECT_EQ(w.form->zoom->value(), 32);
}

TEST(HandOverFailure, KeepsThePreviousPictureAndReportsWhy) {
    WorkspaceFixture w;
    const QImage before = w.form->Picture3->picture();
    w.state->picturePath = w.folder.filePath(QStringLiteral("missing.bmp")).toStdString();
    EXPECT_FALSE(w.form->loadWorkspacePicture());
    EXPECT_EQ(w.form->lastLoadError(), PictureLoadError::NotFound);
    EXPECT_EQ(w.form->Picture3->picture(), before);
}

TEST(SizeBars, MoveTheFrameAndRewriteTheFabricLine) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(400, 400)));
    f.wChange->setValue(117);
    f.Hchange->setValue(132);
    EXPECT_EQ(f.Picture2->size(), QSize(117, 132));
    EXPECT_DOUBLE_EQ(f.frameGeometry().left, 60.5);
    EXPECT_DOUBLE_EQ(f.frameGeometry().top, 77);
    EXPECT_EQ(f.Picture2->pos(), QPoint(60, 77));
    EXPECT_EQ(f.Label1->text(), QStringLiteral("绣布：宽高117x132(约35x40厘米)"));
    f.wChange->setValue(230);
    f.Hchange->setValue(250);
    EXPECT_EQ(f.Picture2->geometry(), QRect(4, 18, 230, 250));
    // Below the box's caption, inside the box.
    EXPECT_GE(f.Picture2->y(), f.frameMyPicture->fontMetrics().height());
    EXPECT_LE(f.Picture2->geometry().bottom(), f.frameMyPicture->height() - 2);
    EXPECT_EQ(f.Label1->text(), QStringLiteral("绣布：宽高230x250(约69x75厘米)"));
    // A new minimum that moves the value runs the change handler too.
    f.wChange->setValue(20);
    f.wChange->setMinimum(40);
    EXPECT_DOUBLE_EQ(f.picW, 40);
    EXPECT_EQ(f.Picture2->width(), 40);
}

TEST(ModeCommands, WholePictureSqueezesThePictureIntoTheFrame) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(200, 400))); // xyRate 2, frame 125 x 250
    ASSERT_TRUE(f.Command11_Click());
    EXPECT_EQ(f.ifScale, 0);
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_FALSE(f.Command11->isEnabled());
    // zoom 200 would make the height 400: the height limit gives 125 x 250.
    f.zoom->setValue(200);
    EXPECT_DOUBLE_EQ(f.picW, 125);
    EXPECT_EQ(f.picH, 250);
    EXPECT_EQ(f.Picture2->size(), QSize(125, 250));
    EXPECT_EQ(f.Picture4->size(), QSize(125, 250));
    EXPECT_EQ(f.wChange->value(), 125);
    // The whole picture is in the frame: its corners are the picture's corners,
    // up to the averaging of the smoothing stretch.
    const QImage source = gradientPicture(200, 400);
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 &&
               std::abs(qBlue(a) - qBlue(b)) <= 8;
    };
    EXPECT_TRUE(near(f.Picture4->image().pixel(0, 0), source.pixel(0, 0)));
    EXPECT_TRUE(near(f.Picture4->image().pixel(124, 249), source.pixel(199, 399)));
}

TEST(ModeCommands, WholePictureOnAWidePictureClampsTheWidth) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(600, 300))); // xyRate 0.5
    ASSERT_TRUE(f.Command11_Click());
    f.zoom->setValue(300);
    EXPECT_DOUBLE_EQ(f.picW, 230);
    EXPECT_EQ(f.picH, 115);
}

TEST(ModeCommands, RegionCommandWidensThePictureOnlyWhenThereIsRoom) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(300, 300)));
    ASSERT_TRUE(f.Command11_Click());
    f.moveX1 = 7;
    const int before = f.zoom->value();
    f.Command1_Click();
    EXPECT_EQ(f.ifScale, 1);
    EXPECT_EQ(f.moveX1, 0);
    EXPECT_EQ(f.zoom->value(), before + 15);
    EXPECT_EQ(f.Picture4->width(), before + 15);
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command11->isEnabled());

    f.zoom->setValue(f.zoom->maximum() - 15);
    const QSize size = f.Picture4->size();
    f.Command1_Click();
    EXPECT_EQ(f.zoom->value(), f.zoom->maximum() - 15);
    EXPECT_EQ(f.Picture4->size(), size);
}

TEST(ModeCommands, WholePictureStopsWhenTheFrameIsNarrowerThanTheZoomMinimum) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(300, 300)));
    f.wChange->setValue(20);
    EXPECT_FALSE(f.Command11_Click());
    EXPECT_EQ(f.ifScale, 0);
    // The buttons were not switched.
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command11->isEnabled());
}

TEST(ZoomLabels, StepByFiveInsideTheRangeOnly) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(300, 300)));
    f.zoom->setValue(100);
    f.Label5_Click();
    EXPECT_EQ(f.zoom->value(), 105);
    EXPECT_EQ(f.Picture4->width(), 105); // region mode: the picture's display width
    f.Label6_Click();
    EXPECT_EQ(f.zoom->value(), 100);
    f.zoom->setValue(f.zoom->maximum() - 5);
    f.Label5_Click();
    EXPECT_EQ(f.zoom->value(), f.zoom->maximum() - 5);
    f.zoom->setValue(f.zoom->minimum() + 5);
    f.Label6_Click();
    EXPECT_EQ(f.zoom->value(), f.zoom->minimum() + 5);
}

TEST(Form1Unload, ClosesTheDisplayContext) {
    WorkspaceFixture w;
    w.form->close();
    EXPECT_FALSE(w.form->displayDC().isOpen());
}

} // namespace
} // namespace tessaline
