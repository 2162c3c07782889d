#include "workspace/WorkspaceMath.h"

#include "workspace/Rounding.h"

#include <algorithm>

namespace tessaline {

FramePosition framePosition(const PreviewArea& area, double picW, double picH) {
    return {area.left + (area.maxWidth - picW) / 2.0, area.top + (area.maxHeight - picH) / 2.0};
}

FabricSize fabricSize(double picW, double picH) {
    constexpr double kStitchesPerCm = 3.33;
    return {roundHalfEven(picW), roundHalfEven(picH), roundHalfEven(picW / kStitchesPerCm),
            roundHalfEven(picH / kStitchesPerCm)};
}

LoadedPictureSizes loadedPictureSizes(const PreviewArea& area, int width, int height) {
    LoadedPictureSizes s{};
    s.heightValue = std::min(height, area.maxHeight);
    s.xyRate = static_cast<float>(height) / static_cast<float>(width);
    // The division mixes a whole number with a single: it is done in double.
    const double widthAtFullHeight = area.maxHeight / static_cast<double>(s.xyRate);
    s.widthValue =
        widthAtFullHeight < area.maxWidth ? roundHalfEven(widthAtFullHeight) : area.maxWidth;
    // Pictures narrower than the zoom's minimum get a range of that one
    // value, never a maximum below the minimum.
    s.zoomMin = 32;
    s.zoomMax = std::max(width, s.zoomMin);
    s.zoomLargeChange = std::max(1, roundHalfEven((s.zoomMax - 32) / 6.0));
    s.zoomSmallChange = std::max(2, roundHalfEven((s.zoomMax - 32) / 32.0));
    s.zoomVisible = area.maxWidth >= 33 && area.maxHeight >= 33;
    return s;
}

WholePictureSize wholePictureSize(const PreviewArea& area, int zoomValue, float xyRate) {
    WholePictureSize s{static_cast<double>(zoomValue), 0};
    // A whole number times a single is worked out in single precision.
    s.picH = roundHalfEven(static_cast<float>(zoomValue) * xyRate);
    if (s.picH > area.maxHeight) {
        s.picH = area.maxHeight;
        s.picW = area.maxHeight / static_cast<double>(xyRate);
    }
    if (s.picW > area.maxWidth) {
        s.picW = area.maxWidth;
        s.picH = roundHalfEven(static_cast<float>(area.maxWidth) * xyRate);
    }
    // A picture of extreme shape still gets a frame of at least one stitch
    // each way, never an empty one.
    s.picW = std::max(s.picW, 1.0);
    s.picH = std::max(s.picH, 1);
    return s;
}

WholePictureFrame wholePictureFrame(const PreviewArea& area, int zoomValue, float xyRate) {
    const WholePictureSize size = wholePictureSize(area, zoomValue, xyRate);
    const int width = roundHalfEven(size.picW);
    return {std::max(width, kMinPatternSide), std::max(size.picH, kMinPatternSide),
            std::max(width, 1), size.picH};
}

PanStep panStep(int x, int y, float pressX, float pressY, float releaseX, int releaseY) {
    const double dx = (pressX - releaseX) / 2.0;
    const double dy = (pressY - static_cast<float>(releaseY)) / 2.0;
    // The new position is the sum rounded, not the half step rounded first:
    // from 1, a step of 1.5 gives 2 (2.5 to even), not 3.
    return {std::max(roundHalfEven(x + dx), 0), std::max(roundHalfEven(y + dy), 0),
            dx > 1 || dx < -1};
}

} // namespace tessaline
