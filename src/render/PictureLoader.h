#pragma once
// Loads BMP, JPEG and GIF pictures (and whatever else Qt's readers know).
// The declared size is checked before any pixel memory is allocated, so a
// small file claiming to be 60000 x 60000 pixels is refused, not attempted;
// so is a JPEG, GIF or BMP cut off part-way.
#include <QImage>
#include <QString>

namespace tessaline {

enum class PictureLoadError { None, NotFound, Unreadable, NotAPicture, TooLarge, Damaged };

struct PictureLoadResult {
    QImage image; // RGB32 when loaded
    PictureLoadError error = PictureLoadError::None;
    bool ok() const { return error == PictureLoadError::None; }
};

// The largest picture accepted, in pixels and along either side.
constexpr qint64 kMaxPicturePixels = 120'000'000;
constexpr int kMaxPictureSide = 30'000;

PictureLoadResult loadPicture(const QString& path);

// A one-line description of a load failure, in the program's own words.
QString pictureLoadErrorText(PictureLoadError error);

} // namespace tessaline
