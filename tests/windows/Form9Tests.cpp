// "编辑" and the colour replacement window, driven through the main window
// as a user drives them, and the command line's --replace beside them.
#include "WorkspaceFixture.h"
#include "cli/ConvertPipeline.h"
#include "pattern/Form7.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "render/ColorConvert.h"
#include "windows/Form9.h"
#include "windows/FrmPreview.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <sstream>

namespace tessaline {
namespace {

constexpr int kWidth = 60;
constexpr int kHeight = 40;

// White, black and red squares of 10 x 10 pixels: the 8-colour reduction
// keeps them as they are, so the pattern has exactly three threads.
QImage squaresPicture() {
    const QRgb colors[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 0, 0)};
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            image.setPixel(x, y, colors[(x / 10 + y / 10) % 3]);
        }
    }
    return image;
}

struct EditFixture : WorkspaceFixture {
    explicit EditFixture(const QImage& picture = squaresPicture()) : WorkspaceFixture(picture) {
        form->wChange->setValue(std::min(picture.width(), 230));
        form->Hchange->setValue(std::min(picture.height(), 250));
    }
    void preview(int colorBit) {
        form->ColorBit = colorBit;
        form->Label10_Click();
    }
    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
};

TEST(EditAction, StopsWithTheMessagesAndKeepsItsFilesRight) {
    {
        // Nothing sampled yet: no "tmppicv.bmp" and an empty buffer.
        EditFixture w;
        w.form->Label9_Click();
        ASSERT_EQ(w.dialogs.messages.size(), 1U);
        EXPECT_EQ(w.dialogs.messages[0].text, QStringLiteral("不能识别的位图！"));
        EXPECT_EQ(w.dialogs.messages[0].title, QStringLiteral("错误！"));
        EXPECT_EQ(w.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(w.form->form9(), nullptr);
        EXPECT_FALSE(QFile::exists(w.path("tmpcolorv.bmp")));
    }
    {
        // Without a reduction method an older "tmpcolorv.bmp" goes and none
        // is written; the window opens.
        EditFixture w;
        w.preview(3);
        w.form->Label9_Click();
        ASSERT_TRUE(QFile::exists(w.path("tmpcolorv.bmp")));
        w.form->ColorBit = 0;
        w.form->Label9_Click();
        EXPECT_FALSE(QFile::exists(w.path("tmpcolorv.bmp")));
        ASSERT_NE(w.form->form9(), nullptr);
        EXPECT_TRUE(w.form->form9()->isVisible());
        EXPECT_TRUE(w.dialogs.messages.empty());
    }
    {
        // An unreduced photo has more than 500 colours.
        EditFixture w(gradientPicture(200, 220));
        ASSERT_TRUE(squaresPicture().save(w.path("tmppicv.bmp"), "BMP"));
        w.preview(0);
        w.form->Label9_Click();
        ASSERT_EQ(w.dialogs.messages.size(), 1U);
        EXPECT_EQ(w.dialogs.messages[0].text,
                  QStringLiteral("    绣图颜色太多，请减色后再生成。。。 "));
        EXPECT_EQ(w.dialogs.messages[0].title, QStringLiteral("Quillmere inc."));
        EXPECT_EQ(w.form->form9(), nullptr);
    }
}

TEST(Form9, PicksReplacesUndoesAndHandsTheChosenThreadsToTheGeneration) {
    EditFixture w;
    w.preview(3);
    w.form->Label9_Click();
    Form9* f = w.form->form9();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("绣图颜色替换－用来减少绣图颜色"));
    ASSERT_EQ(f->colorCount(), 3);
    EXPECT_EQ(f->Picture2->size(), QSize(2 * kWidth, 2 * kHeight));
    EXPECT_EQ(f->Shape1->size(), QSize(kWidth / 4, kHeight / 4));
    EXPECT_FALSE(f->Command2->isEnabled());
    EXPECT_EQ(f->Label6->text(), QStringLiteral("颜色总数：3  替换0 处"));
    // It opens with the lists and the magnified top-left corner drawn:
    // cell (12, 3) lies in the first black square.
    EXPECT_EQ(f->Picture5->height(), 24);
    EXPECT_EQ(f->Picture2->point(4 * 12 + 2, 4 * 3 + 2), rgb(0, 0, 0));

    // Nothing chosen: no cell, counter or button changes; the lists are drawn.
    f->Command1_Click();
    EXPECT_EQ(f->replaceCount(), 0);
    EXPECT_FALSE(f->Command2->isEnabled());
    EXPECT_EQ(f->Picture5->height(), 24);
    EXPECT_EQ(f->VScroll3->maximum(), 14);

    // The magnifier shows the top-left cells; cell (12, 3) lies in the first
    // black square.
    f->Picture1_MouseDown();
    const int black = nearestThread(rgb(0, 0, 0));
    const int white = nearestThread(rgb(255, 255, 255));
    const int blackEntry = f->replacement().entryOf(black);
    ASSERT_NE(blackEntry, 0);
    f->Picture5_MouseDown(18 * ((blackEntry - 1) % 10) + 8, 14 * ((blackEntry - 1) / 10) + 6);
    EXPECT_EQ(f->targetColor, black);
    f->targetColor = -1;
    f->Picture2_MouseDown(4 * 12 + 2, 4 * 3 + 2); // cell (12, 3): black
    EXPECT_EQ(f->targetColor, black);
    EXPECT_EQ(fromQColor(f->Label1->palette().color(QPalette::Window)), rgb(0, 0, 0));
    // Of the 24 squares of 10 x 10 cells, 8 are black.
    EXPECT_EQ(f->Label4->text(), QStringLiteral("800"));
    f->Picture2_MouseDown(4 * 12, 4 * 3 + 2); // a grid line picks nothing
    EXPECT_EQ(f->targetColor, black);

    // The same thread on both sides changes nothing.
    f->Picture6_MouseDown(18 * ((blackEntry - 1) % 10) + 8, 6);
    f->Command1_Click();
    EXPECT_EQ(f->replaceCount(), 0);

    const int whiteEntry = f->replacement().entryOf(white);
    f->Picture6_MouseDown(18 * ((whiteEntry - 1) % 10) + 8, 6);
    ASSERT_EQ(f->replacementColor, white);
    f->Command1_Click();
    EXPECT_EQ(f->Label6->text(), QStringLiteral("颜色总数：2  替换1 处"));
    EXPECT_EQ(f->Label4->text(), QStringLiteral("0"));
    EXPECT_TRUE(f->Command2->isEnabled());
    EXPECT_EQ(f->Picture1->point(12, 3), rgb(255, 255, 255));
    // The magnified view shows the replacement: cell (12, 3) is white now.
    EXPECT_EQ(f->Picture2->point(4 * 12 + 2, 4 * 3 + 2), rgb(255, 255, 255));

    // Right after the lists are redrawn a swatch picks at once.
    const int redEntry = f->replacement().entryOf(nearestThread(rgb(255, 0, 0)));
    ASSERT_NE(redEntry, 0);
    f->Picture5_MouseDown(18 * ((redEntry - 1) % 10) + 8, 14 * ((redEntry - 1) / 10) + 6);
    EXPECT_EQ(f->targetColor, nearestThread(rgb(255, 0, 0)));
    EXPECT_EQ(f->Label4->text(), QStringLiteral("800"));

    f->Command2_Click();
    EXPECT_FALSE(f->Command2->isEnabled());
    EXPECT_EQ(f->Label6->text(), QStringLiteral("颜色总数：3  替换0 处"));
    // Undo gives back exactly the cells the replacement changed: the black
    // square is black again, the white ones stay white.
    EXPECT_EQ(f->Picture1->point(12, 3), rgb(0, 0, 0));
    EXPECT_EQ(f->Picture1->point(0, 0), rgb(255, 255, 255));
    EXPECT_EQ(f->Picture2->point(4 * 12 + 2, 4 * 3 + 2), rgb(0, 0, 0));
    EXPECT_EQ(f->replacement().entry(3), black);
    f->Picture6_MouseDown(18 * ((whiteEntry - 1) % 10) + 8, 6); // picks at once here too
    EXPECT_EQ(f->replacementColor, f->replacement().entry(whiteEntry));

    // Replace the other way round, then "完成" and generate.
    f->targetColor = white;
    f->replacementColor = black;
    f->Command1_Click();
    f->Command3_Click();
    EXPECT_EQ(w.state->patternMatrix(0, 0), rgb(0, 0, 0));
    ASSERT_TRUE(w.form->hasForm7());
    Form7* generation = w.form->form7();
    EXPECT_TRUE(generation->isVisible());
    generation->Command1_Click();
    // Black and red are charted, white is not.
    ASSERT_EQ(generation->threads().table.size(), 2U);
    EXPECT_EQ(generation->threads().table[0].paletteIndex, black);
    EXPECT_NE(generation->threads().table[1].paletteIndex, white);

    // A finished generation does not hold back the next edit's "完成".
    w.form->Label9_Click();
    Form9* again = w.form->form9();
    ASSERT_NE(again, nullptr);
    again->targetColor = black;
    again->replacementColor = nearestThread(rgb(255, 0, 0));
    again->Command1_Click();
    const std::size_t messagesBefore = w.dialogs.messages.size();
    again->Command3_Click();
    EXPECT_EQ(w.dialogs.messages.size(), messagesBefore);
    EXPECT_NE(w.state->patternMatrix(0, 0), rgb(0, 0, 0));
}

TEST(Form9, AWindowOfAnEarlierPatternNeverWritesIntoALaterOne) {
    EditFixture w;
    w.preview(3);
    w.form->Label9_Click();
    QPointer<Form9> first = w.form->form9();
    ASSERT_FALSE(first.isNull());
    // A new effect preview closes it.
    w.preview(3);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(w.form->form9(), nullptr);

    // So does a new picture.
    w.form->Label9_Click();
    QPointer<Form9> second = w.form->form9();
    ASSERT_FALSE(second.isNull());
    ASSERT_TRUE(w.handOver(squaresPicture()));
    EXPECT_TRUE(second.isNull());

    // One left open while the pattern is rewritten otherwise ("保存效果")
    // refuses "完成" and leaves the pattern as it is.
    w.preview(3);
    w.form->Label9_Click();
    Form9* third = w.form->form9();
    ASSERT_NE(third, nullptr);
    third->targetColor = third->replacement().entry(1);
    third->replacementColor = third->replacement().entry(2);
    third->Command1_Click();
    ASSERT_TRUE(w.form->Command3_Click());
    const auto before = std::make_unique<CellMatrix>(w.state->patternMatrix);
    const std::size_t messagesBefore = w.dialogs.messages.size();
    third->Command3_Click();
    ASSERT_EQ(w.dialogs.messages.size(), messagesBefore + 1);
    EXPECT_EQ(
        w.dialogs.messages.back().text,
        QStringLiteral("效果预览或图片已经改变，这个替换窗口已过时。请重新点 编辑 再替换颜色"));
    EXPECT_TRUE(*before == w.state->patternMatrix);
    EXPECT_FALSE(w.form->hasForm7());
}

TEST(Form9, TheCommandLineReplacesAsTheWindowDoes) {
    EditFixture w;
    w.preview(3);
    w.form->Label9_Click();
    Form9* f = w.form->form9();
    ASSERT_NE(f, nullptr);
    f->targetColor = nearestThread(rgb(0, 0, 0));
    f->replacementColor = nearestThread(rgb(255, 255, 255));
    f->Command1_Click();
    f->Command3_Click();

    const QString picture = w.path("squares.bmp");
    ASSERT_TRUE(squaresPicture().save(picture, "BMP"));
    // Replacing 5200 first finds nothing; 310 then becomes 5200.
    const ConvertParse parse = parseConvertOptions(
        {picture.toStdString(), "--mode", "region", "--width", std::to_string(kWidth), "--height",
         std::to_string(kHeight), "--method", "3", "--replace", "3713=5200", "--replace=310=5200",
         "--json", "-"});
    ASSERT_TRUE(parse.ok()) << parse.error;
    std::ostringstream out;
    ASSERT_TRUE(convertPicture(parse.options, out).ok());
    const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
    const QJsonArray replacements = json.value("replacements").toArray();
    ASSERT_EQ(replacements.size(), 2);
    EXPECT_EQ(replacements[0].toObject().value("cells").toInt(), 0);
    EXPECT_EQ(replacements[1].toObject().value("from").toString(), QStringLiteral("310"));
    EXPECT_EQ(replacements[1].toObject().value("cells").toInt(), 800 /* 8 black squares */);
    const QJsonArray colors = json.value("colors").toArray();
    ASSERT_EQ(colors.size(), kWidth * kHeight);
    for (int i = 0; i < colors.size(); ++i) {
        const Color cell = w.state->patternMatrix(i % kWidth, i / kWidth);
        ASSERT_EQ(colors[i].toString(),
                  QString::asprintf("%02X%02X%02X", getRed(cell), getGreen(cell), getBlue(cell)))
            << i;
    }
}

} // namespace
} // namespace tessaline
