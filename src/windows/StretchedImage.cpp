#include "windows/StretchedImage.h"

#include <QPainter>

namespace tessaline {

StretchedImage::StretchedImage(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void StretchedImage::setPicture(const QImage& picture) {
    // Only the stretched copy is kept, so a large photo does not stay in
    // memory for the sake of a thumbnail.
    const QSize box = contentsRect().size();
    picture_ = picture.isNull() || box.isEmpty()
                   ? QImage()
                   : picture.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void StretchedImage::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(contentsRect(), picture_);
}

} // namespace tessaline
