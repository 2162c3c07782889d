#include "platform/TextButton.h"

#include "render/ColorConvert.h"

#include <QMouseEvent>

namespace tessaline {

TextButton::TextButton(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setMouseTracking(true);
}

void TextButton::setForeColor(Color color) {
    foreColor_ = color;
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, toQColor(color));
    setPalette(pal);
}

void TextButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

void TextButton::enterEvent(QEnterEvent* event) {
    emit hovered();
    QLabel::enterEvent(event);
}

void TextButton::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    // Handled here: passed on, the move would reach the surface beneath.
    event->accept();
}

void HoverSurface::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QWidget::mouseMoveEvent(event);
}

} // namespace tessaline
