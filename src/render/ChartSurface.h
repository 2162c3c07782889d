#pragma once
// Drawing in layout units (canvas pixels or page millimetres) on a QPainter.
// Lines and boxes are filled rectangles, so on the canvas they hit exactly
// the pixels asked for. Text is placed by its top-left corner, like the
// current position of the old picture boxes, and drawn in device
// coordinates so that point sizes mean the same on canvas and paper.
#include "pattern/ChartGeometry.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <QStringList>
#include <QTransform>

namespace tessaline {

class ChartSurface {
  public:
    explicit ChartSurface(QPainter& painter);

    // Horizontal line at y from x1 to x2; vertical line at x from y1 to y2.
    void horizontalLine(double x1, double x2, double y, const ChartLine& line, const QColor& color);
    void verticalLine(double x, double y1, double y2, const ChartLine& line, const QColor& color);
    // Filled box covering [x1, x2) x [y1, y2).
    void fillBox(double x1, double y1, double x2, double y2, const QColor& color);

    // Text with its top-left corner at (x, y), in the painter's pen colour.
    void text(double x, double y, const QString& text, const QFont& font);
    // Pre-shaped text at its top-left corner, in the font it was prepared
    // with (see useFont). Only on a surface drawn 1:1 in device pixels.
    void staticText(double x, double y, const QStaticText& text);
    void prepare(QStaticText& text, const QFont& font) const;
    void useFont(const QFont& font);
    // True when layout units are device pixels (the canvas).
    bool devicePixels() const { return identity_; }

    void setTextColor(const QColor& color);

    // Metrics in layout units.
    double textWidth(const QString& text, const QFont& font) const;
    double textHeight(const QFont& font) const;

    // `font`, made smaller where needed so that each of `texts` is at most
    // maxWidth wide and a line at most maxHeight high (a limit of 0 or less
    // does not apply). Never larger than `font`.
    QFont fitFont(const QFont& font, const QStringList& texts, double maxWidth,
                  double maxHeight) const;

  private:
    QPointF toDevice(double x, double y) const;
    // Runs draw() with the layout transform lifted, so text is laid out
    // at the device's own resolution.
    template <typename Draw> void inDeviceSpace(Draw&& draw);

    QPainter& painter_;
    QTransform layoutToDevice_;
    // Device units per layout unit (1 on the canvas, dpi / 25.4 on paper).
    double scale_ = 1;
    bool identity_ = true;
};

} // namespace tessaline
