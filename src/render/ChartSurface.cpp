#include "render/ChartSurface.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace tessaline {

ChartSurface::ChartSurface(QPainter& painter)
    : painter_(painter), layoutToDevice_(painter.deviceTransform()),
      scale_(layoutToDevice_.m22() > 0 ? layoutToDevice_.m22() : 1),
      identity_(layoutToDevice_.isIdentity()) {
    // Thin lines are exact pixels only without antialiasing.
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void ChartSurface::horizontalLine(double x1, double x2, double y, const ChartLine& line,
                                  const QColor& color) {
    fillBox(x1 - line.offset, y - line.offset, x2 - line.offset + line.width,
            y - line.offset + line.width, color);
}

void ChartSurface::verticalLine(double x, double y1, double y2, const ChartLine& line,
                                const QColor& color) {
    fillBox(x - line.offset, y1 - line.offset, x - line.offset + line.width,
            y2 - line.offset + line.width, color);
}

void ChartSurface::fillBox(double x1, double y1, double x2, double y2, const QColor& color) {
    if (x2 <= x1 || y2 <= y1) {
        return;
    }
    painter_.fillRect(QRectF(x1, y1, x2 - x1, y2 - y1), color);
}

QPointF ChartSurface::toDevice(double x, double y) const {
    // Text starts on a whole device pixel, as it did on the old device
    // contexts; a centred title at x.5 would otherwise come out blurred.
    const QPointF at = layoutToDevice_.map(QPointF(x, y));
    return {std::round(at.x()), std::round(at.y())};
}

template <typename Draw> void ChartSurface::inDeviceSpace(Draw&& draw) {
    if (identity_) {
        draw();
        return;
    }
    const QTransform saved = painter_.worldTransform();
    painter_.resetTransform();
    draw();
    painter_.setWorldTransform(saved);
}

void ChartSurface::text(double x, double y, const QString& text, const QFont& font) {
    if (text.isEmpty()) {
        return;
    }
    const QPointF at = toDevice(x, y);
    inDeviceSpace([&] {
        painter_.setFont(font);
        // Whole-pixel ascent keeps the baseline on a pixel row of the device.
        const QFontMetrics metrics(font, painter_.device());
        painter_.drawText(QPointF(at.x(), at.y() + metrics.ascent()), text);
    });
}

void ChartSurface::staticText(double x, double y, const QStaticText& text) {
    if (text.text().isEmpty()) {
        return;
    }
    const QPointF at = toDevice(x, y);
    inDeviceSpace([&] { painter_.drawStaticText(at, text); });
}

void ChartSurface::prepare(QStaticText& text, const QFont& font) const {
    text.setPerformanceHint(QStaticText::AggressiveCaching);
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform(), font);
}

void ChartSurface::useFont(const QFont& font) {
    painter_.setFont(font);
}

void ChartSurface::setTextColor(const QColor& color) {
    painter_.setPen(color);
}

double ChartSurface::textWidth(const QString& text, const QFont& font) const {
    return QFontMetricsF(font, painter_.device()).horizontalAdvance(text) / scale_;
}

QFont ChartSurface::fitFont(const QFont& font, const QStringList& texts, double maxWidth,
                            double maxHeight) const {
    // Glyph metrics are close to proportional to the point size; a few
    // rounds settle the hinting of small sizes.
    constexpr int kRounds = 6;
    constexpr double kMargin = 0.98;
    QFont fitted = font;
    for (int round = 0; round < kRounds; ++round) {
        const QFontMetricsF metrics(fitted, painter_.device());
        double widest = 0;
        for (const QString& text : texts) {
            widest = std::max(widest, metrics.horizontalAdvance(text) / scale_);
        }
        const double high = metrics.height() / scale_;
        double factor = 1;
        if (maxWidth > 0 && widest > maxWidth) {
            factor = std::min(factor, maxWidth / widest);
        }
        if (maxHeight > 0 && high > maxHeight) {
            factor = std::min(factor, maxHeight / high);
        }
        if (factor >= 1) {
            break;
        }
        fitted.setPointSizeF(fitted.pointSizeF() * factor * kMargin);
    }
    return fitted;
}

double ChartSurface::textHeight(const QFont& font) const {
    // Whole device pixels, so that the grid below the header starts on a
    // pixel row of the canvas.
    return QFontMetrics(font, painter_.device()).height() / scale_;
}

} // namespace tessaline
