#pragma once
// A paint device that keeps nothing but the text a painter draws on it:
// every text item's box (pen position, advance, ascent and descent) in
// millimetres, as it would land on a page of the given size.
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTextItem>
#include <QTransform>
#include <climits>
#include <cmath>
#include <vector>

namespace tessaline::test {

struct TextBox {
    QString text;
    QRectF box; // millimetres
};

class TextBoxEngine : public QPaintEngine {
  public:
    explicit TextBoxEngine(double dotsPerMm)
        : QPaintEngine(QPaintEngine::AllFeatures), dotsPerMm_(dotsPerMm) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & QPaintEngine::DirtyTransform) {
            transform_ = changed.transform();
        }
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QRectF device(at.x(), at.y() - item.ascent(), item.width(),
                            item.ascent() + item.descent());
        const QRectF mapped = transform_.mapRect(device);
        boxes.push_back(
            {item.text(), QRectF(mapped.x() / dotsPerMm_, mapped.y() / dotsPerMm_,
                                 mapped.width() / dotsPerMm_, mapped.height() / dotsPerMm_)});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<TextBox> boxes;

  private:
    double dotsPerMm_;
    QTransform transform_;
};

// A page of `sizeMm` at 1200 dots per inch, like the printer and the PDF.
class TextBoxPage : public QPaintDevice {
  public:
    explicit TextBoxPage(QSizeF sizeMm) : size_(sizeMm), engine_(kDpi / 25.4) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    const std::vector<TextBox>& boxes() const { return engine_.boxes; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return static_cast<int>(std::lround(size_.width() * kDpi / 25.4));
        case PdmHeight:
            return static_cast<int>(std::lround(size_.height() * kDpi / 25.4));
        case PdmWidthMM:
            return static_cast<int>(std::lround(size_.width()));
        case PdmHeightMM:
            return static_cast<int>(std::lround(size_.height()));
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return 0;
        }
    }

  private:
    static constexpr int kDpi = 1200;
    QSizeF size_;
    mutable TextBoxEngine engine_;
};

} // namespace tessaline::test
