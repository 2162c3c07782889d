#include "windows/ClippedImage.h"

#include <QPainter>

namespace tessaline {

ClippedImage::ClippedImage(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ClippedImage::setPicture(const QImage& picture) {
    // Only the visible corner is kept, so a large photo does not stay in
    // memory for the sake of a preview.
    const QSize box = contentsRect().size();
    picture_ = picture.isNull() || box.isEmpty()
                   ? QImage()
                   : picture.copy(QRect(QPoint(0, 0), box).intersected(picture.rect()));
    update();
}

void ClippedImage::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

} // namespace tessaline
