#include "windows/MobileCap.h"

#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "workspace/Rounding.h"

#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessaline {

MobileCap::MobileCap(Form1& main, const QImage& frozenScreen, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), main_(main),
      surface_(frozenScreen.convertToFormat(QImage::Format_RGB32)) {
    setWindowTitle(QStringLiteral("Tessaline"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setGeometry(QRect(QPoint(0, 0), surface_.size()));
    captureMargin = 0;
    capRect_.setSize(
        QSize(main_.Picture2->width() - captureMargin, main_.Picture2->height() - captureMargin));
    // The frame starts where the pointer already is.
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    mouseMovedTo(pointer.x(), pointer.y());
}

void MobileCap::mouseMovedTo(double x, double y) {
    const int fh = capRect_.height() - captureMargin;
    const int fw = capRect_.width() - captureMargin;
    // The pointer sits at the frame's lower-right corner; the frame may
    // reach past the screen's left or top edge.
    capRect_.moveTo(roundHalfEven(x) - fw, roundHalfEven(y) - fh);
    lastMouseX = x;
    lastMouseY = static_cast<std::int16_t>(roundHalfEven(y));
    update();
}

void MobileCap::putImage() {
    const int fw = capRect_.width() - captureMargin;
    const int fh = capRect_.height() - captureMargin;
    const QRect framed(roundHalfEven(lastMouseX) - fw, lastMouseY - fh, fw, fh);
    PictureBox& box = *main_.Picture4;
    const QPoint at = main_.ifScale != 0 ? QPoint(main_.moveX1, main_.moveY1) : QPoint(0, 0);
    // The block must fit: a picture box smaller than the frame (a narrow
    // picture, a squeezed one) grows to take all of it.
    const QSize needed = box.size().expandedTo(QSize(at.x() + fw, at.y() + fh));
    if (needed != box.size()) {
        box.resize(needed);
    }
    box.cls();
    // The block covers the picture: none of it is transparent any more.
    main_.forgetPictureTransparency();
    // Only what lies on the frozen screen is copied.
    const QRect block = framed & surface_.rect();
    if (!block.isEmpty()) {
        QPainter painter(&box.image());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(at + (block.topLeft() - framed.topLeft()), surface_, block);
    }
    box.refresh();
}

void MobileCap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, surface_);
    painter.setPen(QPen(QColor(0, 0, 255), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(capRect_.adjusted(0, 0, -1, -1));
}

void MobileCap::mouseMoveEvent(QMouseEvent* event) {
    mouseMovedTo(event->position().x(), event->position().y());
}

void MobileCap::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        finish(false);
        return;
    }
    // A click without a movement before it still takes the block under it.
    mouseMovedTo(event->position().x(), event->position().y());
}

void MobileCap::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    putImage();
    finish(true);
}

void MobileCap::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        finish(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void MobileCap::finish(bool captured) {
    captured_ = captured;
    close();
}

void MobileCap::closeEvent(QCloseEvent* event) {
    // However the window goes, the main window comes back.
    emit finished(captured_);
    QWidget::closeEvent(event);
}

} // namespace tessaline
