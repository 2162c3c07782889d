#include "platform/DisplayContext.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tessaline {

namespace {

bool platformShowsAScreen() {
    const QString name = QGuiApplication::platformName();
    return name != QLatin1String("offscreen") && name != QLatin1String("minimal");
}

bool allBlack(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((row[x] & 0xFFFFFFU) != 0) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

QImage DisplayContext::grab() const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!open_ || screen == nullptr || !platformShowsAScreen()) {
        return {};
    }
    QImage shot = screen->grabWindow(0).toImage();
    if (shot.isNull()) {
        return {};
    }
    // On a scaled display the grab holds device pixels; the windows work in
    // the pointer's units.
    const QSize logical = screen->geometry().size();
    if (shot.size() != logical) {
        shot = shot.scaled(logical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    shot.setDevicePixelRatio(1.0);
    shot = shot.convertToFormat(QImage::Format_RGB32);
    if (allBlack(shot)) {
        return {};
    }
    return shot;
}

} // namespace tessaline
