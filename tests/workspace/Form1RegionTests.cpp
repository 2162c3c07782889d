// Dragging the picture under the frame, stamping text into it, the font and
// colour choices, and "还原", through the main window's own widgets.
#include "WorkspaceFixture.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "render/ColorConvert.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPointF at,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void drag(QWidget* widget, QPointF from, QPointF to) {
    sendMouse(widget, QEvent::MouseButtonPress, from);
    sendMouse(widget, QEvent::MouseButtonRelease, to);
}

QImage plainPicture(int width, int height, QRgb color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

int cellsOf(const CellMatrix& matrix, int width, int height, Color color) {
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            count += matrix(x, y) == color ? 1 : 0;
        }
    }
    return count;
}

TEST(RegionDrag, MovesThePictureAtHalfSpeedOnlyForHorizontalDragsInRegionMode) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(gradientPicture(400, 300)));
    PictureBox* picture = f.Picture4;

    drag(picture, {100, 50}, {80, 50});
    EXPECT_EQ(f.moveX1, 10);
    EXPECT_EQ(f.moveY1, 0);
    EXPECT_EQ(picture->pos(), QPoint(-10, 0));

    // Only the horizontal movement moves the picture.
    drag(picture, {100, 50}, {100, 20});
    EXPECT_EQ(f.moveX1, 10);
    EXPECT_EQ(f.moveY1, 15);
    EXPECT_EQ(picture->pos(), QPoint(-10, 0));

    // 3 pixels give 1.5, which rounds to 2 and is above 1: the picture moves.
    drag(picture, {100, 50}, {97, 50});
    EXPECT_EQ(f.moveX1, 12);
    EXPECT_EQ(picture->pos(), QPoint(-12, -15));

    // Offsets never go below 0.
    ASSERT_TRUE(w.handOver(gradientPicture(400, 300)));
    drag(picture, {50, 50}, {90, 80});
    EXPECT_EQ(f.moveX1, 0);
    EXPECT_EQ(f.moveY1, 0);
    EXPECT_EQ(picture->pos(), QPoint(0, 0));

    // Whole-picture mode: the offsets change, the picture stays.
    ASSERT_TRUE(f.Command11_Click());
    drag(picture, {100, 50}, {80, 50});
    EXPECT_EQ(f.moveX1, 10);
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
}

TEST(TextOverlay, StampsTheCaptionIntoThePatternAndRestoreRemovesIt) {
    constexpr QRgb kGrey = 0xFFC8C8C8;
    constexpr Color kRed = 0x0000FF;
    WorkspaceFixture w;
    Form1& f = *w.form;
    ASSERT_TRUE(w.handOver(plainPicture(400, 300, kGrey))); // frame 230 x 250

    f.Label7_Click();
    EXPECT_FALSE(f.Text1->isHidden());
    EXPECT_FALSE(f.Command8->isHidden());
    // The first click clears the placeholder, later ones keep the text.
    sendMouse(f.Text1, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(f.Text1->text().isEmpty());
    f.Text1->setText(QStringLiteral("十字绣 Tessaline"));
    sendMouse(f.Text1, QEvent::MouseButtonPress, {5, 5});
    EXPECT_EQ(f.Text1->text(), QStringLiteral("十字绣 Tessaline"));

    QFont font;
    font.setPixelSize(24);
    font.setBold(true);
    f.setOverlayFont(font);
    f.setOverlayColor(kRed);
    f.Command8_Click();
    EXPECT_TRUE(f.Text1->isHidden());
    EXPECT_FALSE(f.Label8->isHidden());
    EXPECT_EQ(f.Label8->text(), QStringLiteral("十字绣 Tessaline"));

    // The overlay hangs with its lower-right corner at the pointer.
    sendMouse(f.Picture4, QEvent::MouseMove, {200, 120}, Qt::NoButton);
    EXPECT_EQ(f.Label8->x() + f.Label8->width(), 200);
    EXPECT_EQ(f.Label8->y() + f.Label8->height(), 120);

    CellMatrix& matrix = w.state->patternMatrix;
    EXPECT_EQ(cellsOf(matrix, 230, 250, kRed), 0);
    drag(f.Picture4, {200, 120}, {200, 120});
    EXPECT_TRUE(f.Label8->isHidden());
    EXPECT_EQ(f.previewDone, 1);
    // The text's own colour, not a blend, is in the pattern where it was
    // stamped, above and left of the pointer.
    const int red = cellsOf(matrix, 230, 250, kRed);
    EXPECT_GT(red, 50);
    EXPECT_EQ(red, cellsOf(matrix, 200, 120, kRed));
    EXPECT_EQ(cellsOf(matrix, 230, 250, kRed) + cellsOf(matrix, 230, 250, fromQRgb(kGrey)),
              230 * 250);

    // An empty caption prints nothing but still samples the picture.
    f.Label7_Click();
    f.Text1->clear();
    f.Command8_Click();
    matrix.fill(0);
    f.previewDone = 0;
    drag(f.Picture4, {60, 60}, {60, 60});
    EXPECT_EQ(f.previewDone, 1);
    EXPECT_EQ(matrix(0, 0), fromQRgb(kGrey));
    EXPECT_EQ(cellsOf(matrix, 230, 250, kRed), red);

    // "还原": back to region mode and the loaded picture at its own size.
    f.zoom->setValue(350); // drawn smaller than it is
    f.Command12_Click();
    EXPECT_EQ(f.ifScale, 1);
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_EQ(f.Picture4->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(f.Picture4->image().convertToFormat(QImage::Format_RGB32),
              plainPicture(400, 300, kGrey));
}

TEST(TextOverlay, FontAndColourDialogsStyleOverlayAndStampAlikeAndACancelKeepsTheChoice) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    QFont chosen(QStringLiteral("Liberation Sans"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    w.dialogs.fontAnswer = chosen;
    f.Label11_Click();
    for (const QFont& font : {f.Label8->font(), f.Picture4->drawFont()}) {
        EXPECT_EQ(font.family(), chosen.family());
        EXPECT_EQ(font.pointSize(), 20);
        EXPECT_TRUE(font.italic() && font.underline() && font.strikeOut());
        EXPECT_FALSE(font.bold());
    }
    w.dialogs.colorAnswer = 0x00FF00;
    f.Label13_Click();
    EXPECT_EQ(f.Picture4->foreColor(), 0x00FF00);
    EXPECT_EQ(fromQColor(f.Label8->palette().color(QPalette::WindowText)), 0x00FF00);

    w.dialogs.fontAnswer.reset();
    w.dialogs.colorAnswer.reset();
    f.Label11_Click();
    f.Label13_Click();
    EXPECT_EQ(f.Picture4->drawFont().pointSize(), 20);
    EXPECT_EQ(f.Picture4->foreColor(), 0x00FF00);
}

} // namespace
} // namespace tessaline
