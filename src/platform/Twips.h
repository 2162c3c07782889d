#pragma once
// Window layouts are designed in twips; the screen has 15 twips to a pixel.
#include <QRect>
#include <cmath>

namespace tessaline {

constexpr int kTwipsPerPixel = 15;

constexpr double twipsToPixels(double twips) {
    return twips / kTwipsPerPixel;
}
constexpr double pixelsToTwips(double pixels) {
    return pixels * kTwipsPerPixel;
}

// A design rectangle in twips as a widget geometry in whole pixels.
inline QRect twipsRect(int left, int top, int width, int height) {
    auto px = [](int t) { return static_cast<int>(std::lround(twipsToPixels(t))); };
    return {px(left), px(top), px(width), px(height)};
}

} // namespace tessaline
