#pragma once
// The finished look as a picture: every cell a solid square of its stitched
// colour (pattern/FinishedLook), cells touching, as the final preview shows
// it on the screen and the "finished" format saves it.
#include "pattern/Pattern.h"

#include <QImage>

namespace tessaline {

// The final preview's cell size in pixels.
constexpr int kFinishedLookCellPixels = 3;

QImage finishedLookImage(const Pattern& pattern, int cellPixels = kFinishedLookCellPixels);

} // namespace tessaline
