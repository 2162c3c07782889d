#pragma once
// Between ClsDIB buffers and Qt images. Any depth the buffer can hold is
// read through its colour table into plain RGB.
#include "imaging/ClsDIB.h"

#include <QImage>

namespace tessaline {

// The buffer as an RGB32 image (top row first); null when the buffer is empty.
QImage dibToImage(const ClsDIB& dib);

// A 24-bit buffer holding the image's pixels; false when it cannot be made.
bool imageToDib(const QImage& image, ClsDIB& dib);

} // namespace tessaline
