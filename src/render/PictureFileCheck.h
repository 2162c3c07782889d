#pragma once
// Whether a picture file is whole. Qt's decoders accept a GIF or BMP cut off
// part-way and fill the missing part with grey, which would hand the user a
// damaged picture as if it had loaded; walking the file's structure to its
// end tells such files apart without decoding them. (JPEG files go through
// our own decoder, which refuses them itself: see JpegDecoder.h.)
#include <QByteArrayView>

namespace tessaline {

// True when data is a GIF or BMP whose structure is complete, or is in any
// other format (left to the decoder); false when it stops short.
bool isCompletePicture(QByteArrayView data);

} // namespace tessaline
