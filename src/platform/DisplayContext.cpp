#include "platform/DisplayContext.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

namespace tessaline {

QImage DisplayContext::grab(const QRect& rect) const {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!open_ || screen == nullptr) {
        return {};
    }
    const QPixmap shot =
        rect.isEmpty() ? screen->grabWindow(0)
                       : screen->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace tessaline
