// The screen capture, fed a known picture instead of the real screen: where
// the framed block lands, clipping at the screen's edge, giving up, and a
// platform that refuses to hand out the screen.
#include "WorkspaceFixture.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "windows/MobileCap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at,
               Qt::MouseButton button = Qt::LeftButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void clickAt(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton);
    sendMouse(widget, QEvent::MouseButtonPress, at, button);
    sendMouse(widget, QEvent::MouseButtonRelease, at, button);
}

// A screen whose every pixel differs from the working picture's.
QImage knownScreen() {
    QImage image(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(255 - x % 200, 255 - y % 200, 17));
        }
    }
    return image;
}

// Every pixel of a w x h block of the picture at `at` equals the screen's
// block at `from`.
bool blockCopied(const QImage& picture, QPoint at, const QImage& screen, QPoint from, int w,
                 int h) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if ((picture.pixel(at.x() + x, at.y() + y) & 0xFFFFFF) !=
                (screen.pixel(from.x() + x, from.y() + y) & 0xFFFFFF)) {
                return false;
            }
        }
    }
    return true;
}

// Runs the deletions that closing windows queued.
void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Workspace {
    QImage source;
    float xyRate;
    int width;
    int height;
    int zoom;
    int zoomMax;
    bool operator==(const Workspace&) const = default;
};

Workspace workspaceOf(const Form1& f) {
    return {f.Picture3->picture(), f.xyRate,        f.wChange->value(),
            f.Hchange->value(),    f.zoom->value(), f.zoom->maximum()};
}

TEST(ScreenCapture, PutsTheFramedBlockAtTheRegionOffsetClippedToTheScreen) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    f.show();
    ASSERT_TRUE(w.handOver(gradientPicture(400, 300)));
    f.Hchange->setValue(100);
    f.wChange->setValue(120); // frame 120 x 100
    f.moveX1 = 30;
    f.moveY1 = 20;
    const Workspace before = workspaceOf(f);
    const QImage screen = knownScreen();

    MobileCap* cap = f.openCaptureWindow(screen);
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(cap->capRect().size(), QSize(120, 100));
    clickAt(cap, {500, 400});
    EXPECT_FALSE(f.isHidden());
    EXPECT_TRUE(blockCopied(f.Picture4->image(), {30, 20}, screen, {380, 300}, 120, 100));
    // The picture, its shape, the size bars and the zoom are as they were.
    EXPECT_TRUE(workspaceOf(f) == before);
    flushDeletes();
    EXPECT_FALSE(f.hasMobileCap());

    // Near the top-left corner the frame reaches past the screen: only the
    // part on the screen is copied, where it lies inside the frame.
    cap = f.openCaptureWindow(screen);
    clickAt(cap, {50, 40});
    EXPECT_TRUE(blockCopied(f.Picture4->image(), {30 + 70, 20 + 60}, screen, {0, 0}, 50, 40));
    EXPECT_EQ(f.Picture4->image().pixel(30, 20), f.Picture4->picture().pixel(30, 20));
    flushDeletes();

    // A picture box smaller than the frame grows to take the whole block.
    ASSERT_TRUE(w.handOver(gradientPicture(60, 50))); // frame 230 x 50
    f.moveX1 = 5;
    cap = f.openCaptureWindow(screen);
    clickAt(cap, {600, 450});
    EXPECT_EQ(f.Picture4->size(), QSize(235, 50));
    EXPECT_TRUE(blockCopied(f.Picture4->image(), {5, 0}, screen, {370, 400}, 230, 50));
    flushDeletes();

    // Whole-picture mode puts the block at the picture's corner.
    ASSERT_TRUE(f.Command11_Click()); // frame 230 x 192
    f.moveX1 = 9;
    cap = f.openCaptureWindow(screen);
    clickAt(cap, {600, 450});
    EXPECT_TRUE(blockCopied(f.Picture4->image(), {0, 0}, screen, {370, 258}, 230, 192));
    flushDeletes();
}

TEST(ScreenCapture, EscapeOrARightClickGivesUpAndLeavesThePictureAlone) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    f.show();
    const QImage picture = f.Picture4->image();
    MobileCap* cap = f.openCaptureWindow(knownScreen());
    sendMouse(cap, QEvent::MouseMove, {300, 300}, Qt::NoButton);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(cap, &escape);
    EXPECT_FALSE(f.isHidden());
    flushDeletes();
    EXPECT_FALSE(f.hasMobileCap());

    cap = f.openCaptureWindow(knownScreen());
    clickAt(cap, {300, 300}, Qt::RightButton);
    EXPECT_FALSE(f.isHidden());
    flushDeletes();
    EXPECT_FALSE(f.hasMobileCap());
    EXPECT_EQ(f.Picture4->image(), picture);
}

TEST(ScreenCapture, APlatformWithoutAScreenIsReportedAndNothingIsPasted) {
    WorkspaceFixture w; // offscreen: there is no screen to grab
    Form1& f = *w.form;
    f.show();
    const QImage picture = f.Picture4->image();
    f.fop2_Click();
    EXPECT_TRUE(f.isHidden());
    QElapsedTimer clock;
    clock.start();
    while (w.dialogs.messages.empty() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_TRUE(w.dialogs.messages[0].text.startsWith(QStringLiteral("无法截取屏幕")));
    EXPECT_FALSE(f.isHidden());
    EXPECT_FALSE(f.hasMobileCap());
    EXPECT_EQ(f.Picture4->image(), picture);
}

} // namespace
} // namespace tessaline
