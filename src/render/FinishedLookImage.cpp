#include "render/FinishedLookImage.h"

#include "pattern/FinishedLook.h"
#include "render/ColorConvert.h"

#include <algorithm>

namespace tessaline {

QImage finishedLookImage(const Pattern& pattern, int cellPixels) {
    const int width = std::clamp(pattern.width(), 0, kMaxPatternSide);
    const int height = std::clamp(pattern.height(), 0, kMaxPatternSide);
    QImage image(width * cellPixels, height * cellPixels, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb colour = toQRgb(finishedLookColor(pattern, x, y));
            for (int row = 0; row < cellPixels; ++row) {
                auto* line = reinterpret_cast<QRgb*>(image.scanLine(y * cellPixels + row));
                std::fill_n(line + x * cellPixels, cellPixels, colour);
            }
        }
    }
    return image;
}

} // namespace tessaline
