#include "windows/PreviewImage.h"

#include <QPainter>

namespace tessaline {

PreviewImage::PreviewImage(Fit fit, QWidget* parent) : QFrame(parent), fit_(fit) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void PreviewImage::setPicture(const QImage& picture) {
    const QSize box = contentsRect().size();
    if (picture.isNull() || box.isEmpty()) {
        picture_ = QImage();
    } else if (fit_ == Fit::Stretch) {
        picture_ = picture.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } else {
        picture_ = picture.copy(QRect(QPoint(0, 0), box).intersected(picture.rect()));
    }
    update();
}

void PreviewImage::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    if (fit_ == Fit::Stretch) {
        painter.drawImage(contentsRect(), picture_);
    } else {
        painter.drawImage(contentsRect().topLeft(), picture_);
    }
}

} // namespace tessaline
