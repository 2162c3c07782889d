#pragma once
// The about window's logo: the program's name beside a small cross-stitched
// heart, 162 x 53 pixels, drawn here so nothing outside the program is needed.
#include <QImage>

namespace tessaline {

constexpr int kAboutLogoWidth = 162;
constexpr int kAboutLogoHeight = 53;

QImage drawAboutLogo();

} // namespace tessaline
