#include "platform/PictureBox.h"

#include "render/ColorConvert.h"
#include "render/PixelImage.h"
#include "render/Stretch.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace tessaline {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    image_.fill(toQColor(backColor_));
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (autoSize_ && !picture_.isNull()) {
        resize(picture_.size());
    }
    growImageTo(size());
    QPainter painter(&image_);
    painter.drawImage(0, 0, picture_);
    update();
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (on && !picture_.isNull()) {
        resize(picture_.size());
    }
}

void PictureBox::setBackColor(Color color) {
    backColor_ = color;
    cls();
}

void PictureBox::cls() {
    image_ = makePixelImage(size().expandedTo(QSize(1, 1)));
    image_.fill(toQColor(backColor_));
    if (!picture_.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(0, 0, picture_);
    }
    currentX = 0;
    currentY = 0;
    update();
}

Color PictureBox::point(int x, int y) const {
    if (!image_.valid(x, y)) {
        return -1;
    }
    return fromQRgb(image_.pixel(x, y));
}

void PictureBox::pset(int x, int y, Color color) {
    if (image_.valid(x, y)) {
        image_.setPixel(x, y, toQRgb(color));
        update();
    }
}

void PictureBox::line(int x1, int y1, int x2, int y2, Color color) {
    QPainter painter(&image_);
    painter.setPen(QPen(toQColor(color), 1));
    painter.drawLine(x1, y1, x2, y2);
    update();
}

void PictureBox::fillBox(int x1, int y1, int x2, int y2, Color color) {
    QPainter painter(&image_);
    const QRect box = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    painter.fillRect(box, toQColor(color));
    update();
}

void PictureBox::print(const QString& text) {
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(toQColor(foreColor_));
    const QFontMetrics metrics(font_, &image_);
    painter.drawText(QPointF(currentX, currentY + metrics.ascent()), text);
    currentX = 0;
    currentY += metrics.height();
    update();
}

int PictureBox::textWidth(const QString& text) const {
    return QFontMetrics(font_, &image_).horizontalAdvance(text);
}

int PictureBox::textHeight(const QString& text) const {
    return text.isEmpty() ? 0 : QFontMetrics(font_, &image_).height();
}

void PictureBox::stretchFrom(const QImage& source) {
    const QImage stretched = halftoneStretch(source, image_.size());
    if (stretched.isNull()) {
        return;
    }
    QPainter painter(&image_);
    painter.drawImage(0, 0, stretched);
    update();
}

void PictureBox::growImageTo(QSize size) {
    size = size.expandedTo(QSize(1, 1));
    if (image_.size() == size) {
        return;
    }
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(toQColor(backColor_));
    if (!picture_.isNull()) {
        QPainter(&grown).drawImage(0, 0, picture_);
    }
    QPainter(&grown).drawImage(0, 0, image_);
    image_ = grown;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    growImageTo(event->size());
    QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event);
}
void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event);
}
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event);
    if (rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

} // namespace tessaline
