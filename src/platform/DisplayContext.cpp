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
    // A dark screen is a screen: only the platform's own answer (no
    // picture) counts as a refusal.
    return shot.convertToFormat(QImage::Format_RGB32);
}

} // namespace tessaline
