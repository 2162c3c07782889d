#pragma once
// Pictures drawn pixel for pixel. Their resolution is fixed at 96 dots per
// inch, so a font given in points (such as "宋体" 9) comes out the same number
// of pixels whatever resolution the display reports.
#include <QImage>
#include <QSize>

namespace tessaline {

inline constexpr int kPixelImageDotsPerMeter = 3780; // 96 dots per inch

inline QImage makePixelImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(kPixelImageDotsPerMeter);
    image.setDotsPerMeterY(kPixelImageDotsPerMeter);
    return image;
}

} // namespace tessaline
