// The main window's screen capture: "直接屏幕截图" hides the window, lets the
// desktop repaint without it, freezes the screen into the capture window and
// comes back when that window closes.
#include "app/Form1.h"
#include "platform/DisplayContext.h"
#include "platform/UserDialogs.h"
#include "windows/MobileCap.h"

#include <QAction>
#include <QTimer>

namespace tessaline {

namespace {

// Long enough for the desktop beneath to repaint once this window is gone.
constexpr int kDesktopRepaintMs = 400;

} // namespace

void Form1::connectCapture() {
    connect(fop2, &QAction::triggered, this, [this] { fop2_Click(); });
}

void Form1::fop2_Click() {
    if (capturePending_ || mobileCap_.exists()) {
        return;
    }
    capturePending_ = true;
    hide();
    QTimer::singleShot(kDesktopRepaintMs, this, [this] {
        capturePending_ = false;
        captureScreen();
    });
}

void Form1::captureScreen() {
    const QImage screen = displayDC().grab();
    if (screen.isNull()) {
        // Nothing pasted: a refused grab must not look like a capture.
        show();
        raise();
        context_.dialogs.message(this, tr("无法截取屏幕：这个桌面不允许本程序读取屏幕画面。"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return;
    }
    openCaptureWindow(screen);
}

MobileCap* Form1::openCaptureWindow(const QImage& frozenScreen) {
    auto* window = mobileCap_.get([&] { return new MobileCap(*this, frozenScreen); });
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &MobileCap::finished, this, [this] {
        if (!unloaded_) {
            show();
            raise();
            activateWindow();
        }
    });
    hide();
    window->showFullScreen();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace tessaline
