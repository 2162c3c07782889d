// The main window's effect preview and "保存效果", driven through the real
// window: which pixels the framed region takes, what is written back, which
// files appear, their numbering and layout, and what a failed save shows.
#include "DibProbe.h"
#include "TempDir.h"
#include "WorkspaceFixture.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace tessaline {
namespace {

namespace fs = std::filesystem;

constexpr int kW = 20;
constexpr int kH = 16;
constexpr int kLeft = 40;
constexpr int kTop = 25;

// gradientPicture's colour at (x, y), worked out from its definition.
Color pictureColor(int x, int y) {
    return rgb(x % 256, y % 256, (x * 7 + y * 3) % 256);
}

Color imageColor(const QImage& image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

// A loaded main window whose frame is kW x kH stitches and starts at
// (kLeft, kTop) of a known 120 x 100 working picture.
struct PreviewFixture : WorkspaceFixture {
    PreviewFixture() {
        form->wChange->assign(kW);
        form->Hchange->assign(kH);
        form->Picture4->image() = gradientPicture(120, 100);
        form->ifScale = 1;
        form->moveX1 = kLeft;
        form->moveY1 = kTop;
    }
    fs::path file(const char* name) const { return fs::path(folder.path().toStdString()) / name; }
    QString successText(const QString& name) const {
        return QStringLiteral("绣图效果图保存到") + QDir::toNativeSeparators(folder.path()) +
               QDir::separator() + name;
    }
};

// The 216-colour reduction of a 24-bit buffer, as colours by position.
std::vector<Color> reduced216(ClsDIB& source) {
    ClsDIB target;
    EXPECT_TRUE(target.ddGet216C(source, true));
    std::vector<Color> colors;
    for (int y = 0; y < source.Height(); ++y) {
        for (int x = 0; x < source.Width(); ++x) {
            colors.push_back(target.GetColorTable(test::index(target, x, y)));
        }
    }
    return colors;
}

ClsDIB loadBmp(const fs::path& path) {
    ClsDIB dib;
    EXPECT_TRUE(dib.LoadBitMap(path)) << path;
    return dib;
}

TEST(EffectPreview, SamplesTheFramedRegionAndCopiesTheReductionBack) {
    PreviewFixture w;
    Form1& f = *w.form;
    ASSERT_EQ(f.patternWidth(), kW);
    ASSERT_EQ(f.patternHeight(), kH);
    f.previewDone = 0;
    f.Command4->click();

    // The scratch picture is the region from (40, 25), one pixel per stitch.
    ClsDIB scratch = loadBmp(w.file("tmppicv.bmp"));
    ASSERT_EQ(scratch.Width(), kW);
    ASSERT_EQ(scratch.Height(), kH);
    EXPECT_EQ(test::pixel24(scratch, 0, 0), pictureColor(kLeft, kTop));
    EXPECT_EQ(test::pixel24(scratch, kW - 1, kH - 1), pictureColor(kLeft + kW - 1, kTop + kH - 1));

    // The reduction lands back at (40, 25) and the matrix is sampled from it.
    const std::vector<Color> expected = reduced216(scratch);
    const QImage& picture = f.Picture4->image();
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const Color want = expected[static_cast<std::size_t>(y * kW + x)];
            ASSERT_EQ(imageColor(picture, kLeft + x, kTop + y), want) << x << "," << y;
            ASSERT_EQ(w.state->patternMatrix(x, y), want) << x << "," << y;
        }
    }
    // Around the region the picture is untouched, and so are the cells past it.
    EXPECT_EQ(imageColor(picture, kLeft - 1, kTop), pictureColor(kLeft - 1, kTop));
    EXPECT_EQ(imageColor(picture, kLeft + kW, kTop), pictureColor(kLeft + kW, kTop));
    EXPECT_EQ(imageColor(picture, kLeft, kTop - 1), pictureColor(kLeft, kTop - 1));
    EXPECT_EQ(imageColor(picture, kLeft, kTop + kH), pictureColor(kLeft, kTop + kH));
    EXPECT_EQ(w.state->patternMatrix(kW, 0), kWhite);
    EXPECT_EQ(w.state->patternMatrix(0, kH), kWhite);
    EXPECT_EQ(f.previewDone, 1);
    EXPECT_EQ(f.Label4->text(), QStringLiteral("减色处理完毕"));
    EXPECT_TRUE(w.dialogs.messages.empty());
}

TEST(EffectPreview, ASecondPreviewStartsFromTheReducedPicture) {
    PreviewFixture w;
    Form1& f = *w.form;
    f.Label10_Click();
    const QImage afterFirst = f.Picture4->image().copy();
    f.Label10_Click();

    ClsDIB scratch = loadBmp(w.file("tmppicv.bmp"));
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(test::pixel24(scratch, x, y), imageColor(afterFirst, kLeft + x, kTop + y));
        }
    }
    const std::vector<Color> expected = reduced216(scratch);
    EXPECT_EQ(imageColor(f.Picture4->image(), kLeft + 3, kTop + 2), expected[2 * kW + 3]);
    EXPECT_EQ(w.state->patternMatrix(3, 2), expected[2 * kW + 3]);
}

TEST(EffectPreview, OnlyTheRegionGoesBackIntoThePictureAsItIsNow) {
    PreviewFixture w;
    Form1& f = *w.form;
    // Something draws on the picture while the reduction yields.
    QTimer::singleShot(0, &f, [&f] { f.Picture4->image().setPixel(5, 5, qRgb(1, 2, 3)); });
    f.Label10_Click();
    EXPECT_EQ(f.Picture4->image().pixel(5, 5), qRgb(1, 2, 3));
    EXPECT_EQ(f.previewDone, 1);
}

TEST(EffectPreview, APreviewOrSaveAskedForWhileOneRunsIsRefused) {
    PreviewFixture w;
    Form1& f = *w.form;
    bool saveStarted = true;
    QTimer::singleShot(0, &f, [&] {
        saveStarted = f.Command3_Click();
        f.Label10_Click();
    });
    f.Label10_Click();
    EXPECT_FALSE(saveStarted);
    EXPECT_EQ(f.effectCount, 0);
    EXPECT_FALSE(fs::exists(w.file("xiaoguo001.bmp")));
    // Once it has finished, both work again.
    EXPECT_TRUE(f.Command3_Click());
    EXPECT_TRUE(fs::exists(w.file("xiaoguo001.bmp")));
}

TEST(EffectPreview, WithoutAMethodItOnlySamples) {
    PreviewFixture w;
    Form1& f = *w.form;
    f.ColorBit = 0;
    f.previewDone = 0;
    const QImage before = f.Picture4->image().copy();
    f.Command4->click();
    EXPECT_EQ(f.previewDone, 1);
    EXPECT_EQ(f.Picture4->image(), before);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(w.state->patternMatrix(x, y), pictureColor(kLeft + x, kTop + y));
        }
    }
    EXPECT_FALSE(fs::exists(w.file("tmppicv.bmp")));
    EXPECT_FALSE(fs::exists(w.file("xiaoguo001.bmp")));
}

TEST(EffectPreview, WholePictureModeSamplesFromTheCorner) {
    PreviewFixture w;
    Form1& f = *w.form;
    f.ifScale = 0;
    f.ColorBit = 0;
    f.Label10_Click();
    EXPECT_EQ(w.state->patternMatrix(0, 0), pictureColor(0, 0));
    EXPECT_EQ(w.state->patternMatrix(kW - 1, kH - 1), pictureColor(kW - 1, kH - 1));
}

TEST(SaveEffect, NumbersTheFilesAndAnnouncesThem) {
    PreviewFixture w;
    Form1& f = *w.form;
    const QImage before = f.Picture4->image().copy();
    f.Command3->click();
    f.Command3->click();
    ASSERT_EQ(w.dialogs.messages.size(), 2U);
    EXPECT_EQ(w.dialogs.messages[0].text, w.successText("xiaoguo001.bmp"));
    EXPECT_EQ(w.dialogs.messages[1].text, w.successText("xiaoguo002.bmp"));
    for (const RecordedMessage& m : w.dialogs.messages) {
        EXPECT_EQ(m.title, QStringLiteral("quillmere"));
        EXPECT_EQ(m.icon, MessageIcon::None);
    }
    EXPECT_EQ(f.Label4->text(), w.successText("xiaoguo002.bmp"));
    EXPECT_EQ(f.effectCount, 2);
    EXPECT_FALSE(fs::exists(w.file("xiaoguo003.bmp")));

    // The reduced region as an 8-bit picture; the working picture and the
    // matrix keep the region as sampled.
    const std::vector<std::uint8_t> bytes = test::readAll(w.file("xiaoguo001.bmp"));
    ASSERT_GE(bytes.size(), 54U);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[18], kW);
    EXPECT_EQ(bytes[22], kH);
    EXPECT_EQ(bytes[28], 8);
    ClsDIB saved = loadBmp(w.file("xiaoguo001.bmp"));
    ClsDIB scratch = loadBmp(w.file("tmppicv.bmp"));
    const std::vector<Color> expected = reduced216(scratch);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(test::pixel24(saved, x, y), expected[static_cast<std::size_t>(y * kW + x)]);
        }
    }
    EXPECT_EQ(f.Picture4->image(), before);
    EXPECT_EQ(w.state->patternMatrix(5, 4), pictureColor(kLeft + 5, kTop + 4));
}

TEST(SaveEffect, WithoutAMethodSavesTheRegionUnreduced) {
    PreviewFixture w;
    Form1& f = *w.form;
    f.ColorBit = 0;
    EXPECT_TRUE(f.Command3_Click());
    const std::vector<std::uint8_t> bytes = test::readAll(w.file("xiaoguo001.bmp"));
    // 54 header bytes and 16 rows of 20 x 3 = 60 bytes (already a multiple of 4).
    ASSERT_EQ(bytes.size(), 54U + 60U * kH);
    EXPECT_EQ(bytes[28], 24);
    // Rows are stored bottom-up, blue first: the first stored pixel is the
    // region's bottom-left one.
    const Color bottomLeft = pictureColor(kLeft, kTop + kH - 1);
    EXPECT_EQ(bytes[54], getBlue(bottomLeft));
    EXPECT_EQ(bytes[55], getGreen(bottomLeft));
    EXPECT_EQ(bytes[56], getRed(bottomLeft));
    ClsDIB saved = loadBmp(w.file("xiaoguo001.bmp"));
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            ASSERT_EQ(test::pixel24(saved, x, y), pictureColor(kLeft + x, kTop + y));
        }
    }
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text, w.successText("xiaoguo001.bmp"));
}

bool announcedSuccess(const RecordingDialogs& dialogs) {
    for (const RecordedMessage& m : dialogs.messages) {
        if (m.text.startsWith(QStringLiteral("绣图效果图保存到"))) {
            return true;
        }
    }
    return false;
}

TEST(EffectPreview, AnUnwritableFolderSaysSoAndLeavesEverythingAsItWas) {
    PreviewFixture w;
    Form1& f = *w.form;
    f.Label10_Click();
    ASSERT_EQ(f.previewDone, 1);
    f.previewDone = 0; // as after opening the generation window
    const auto pattern = std::make_unique<CellMatrix>(w.state->patternMatrix);
    const QImage grid = f.Picture1->image();
    const QImage picture = f.Picture4->image();
    const QString status = f.Label4->text();
    w.context.workingFolder /= "missing";
    const QString folder = w.context.workingFolderText();
    f.moveX1 = 0;
    for (int mode : {0, 1}) {
        w.dialogs.messages.clear();
        if (mode == 0) {
            f.Label10_Click();
        } else {
            EXPECT_FALSE(f.Command3_Click());
        }
        ASSERT_EQ(w.dialogs.messages.size(), 1U) << mode;
        EXPECT_TRUE(w.dialogs.messages[0].text.contains(folder))
            << w.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(f.previewDone, 0);
        EXPECT_TRUE(w.state->patternMatrix == *pattern) << mode;
        EXPECT_EQ(f.Picture1->image(), grid);
        EXPECT_EQ(f.Picture4->image(), picture);
        EXPECT_EQ(f.Label4->text(), status);
    }
    EXPECT_EQ(f.effectCount, 0);
}

TEST(SaveEffect, AnUnwritableFolderShowsAnErrorAndKeepsTheNumber) {
    PreviewFixture w;
    Form1& f = *w.form;
    const std::filesystem::path folder = w.context.workingFolder;
    w.context.workingFolder = folder / "missing";
    EXPECT_FALSE(f.Command3_Click());
    ASSERT_FALSE(w.dialogs.messages.empty());
    EXPECT_FALSE(announcedSuccess(w.dialogs));
    EXPECT_EQ(w.dialogs.messages.back().icon, MessageIcon::Critical);
    EXPECT_FALSE(f.Label4->text().startsWith(QStringLiteral("绣图效果图保存到")));
    EXPECT_EQ(f.effectCount, 0);

    w.context.workingFolder = folder;
    w.dialogs.messages.clear();
    EXPECT_TRUE(f.Command3_Click());
    EXPECT_TRUE(fs::exists(w.file("xiaoguo001.bmp")));
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text, w.successText("xiaoguo001.bmp"));
}

TEST(SaveEffect, ARegionThatCannotBeReadBackIsNotSavedAsAnEarlierOne) {
    PreviewFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(f.Command3_Click());
    // The scratch picture can no longer be written: the buffers still hold
    // the first region, which must not be saved under the next number.
    fs::remove(w.file("tmppicv.bmp"));
    fs::create_directory(w.file("tmppicv.bmp"));
    f.moveX1 = 0;
    w.dialogs.messages.clear();
    EXPECT_FALSE(f.Command3_Click());
    EXPECT_FALSE(fs::exists(w.file("xiaoguo002.bmp")));
    EXPECT_FALSE(announcedSuccess(w.dialogs));
    EXPECT_EQ(f.effectCount, 1);
}

} // namespace
} // namespace tessaline
