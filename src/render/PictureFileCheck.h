#pragma once
// Whether a picture file is whole. The decoders accept a JPEG, GIF or BMP
// cut off part-way and fill the missing part with grey, which would hand the
// user a damaged picture as if it had loaded; walking the file's structure
// to its end marker tells such files apart without decoding them.
#include <QByteArrayView>
#include <QString>

namespace tessaline {

// True when data is a JPEG, GIF or BMP whose structure is complete, or is
// in any other format (left to the decoder); false when it stops short.
bool isCompletePicture(QByteArrayView data);

// The same for a file; false when it cannot be read.
bool isCompletePictureFile(const QString& path);

} // namespace tessaline
