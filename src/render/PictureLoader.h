#pragma once
// Loads BMP, JPEG and GIF pictures (and whatever else Qt's readers know).
// The declared size is checked before any pixel memory is allocated, so a
// small file claiming to be 60000 x 60000 pixels is refused, not attempted;
// so is a picture cut off part-way or damaged inside, and one that changes
// while it is read. Files are read with ordinary reads (a mapped file that
// shrinks would end the program) and names are bytes (see FileNames.h).
#include <QImage>
#include <QString>
#include <filesystem>
#include <fstream>
#include <functional>

namespace tessaline {

enum class PictureLoadError {
    None,
    NotFound,
    Unreadable,
    NotAPicture,
    TooLarge,
    Damaged,
    IsFolder,
    IsPipe,
    IsSpecialFile, // a device or socket
    LinkLoop,
};

struct PictureLoadResult {
    QImage image; // RGB32 when loaded; transparent parts white
    PictureLoadError error = PictureLoadError::None;
    // The picture's alpha (Format_Alpha8) when some pixels are transparent;
    // null for an opaque picture.
    QImage transparency;
    bool ok() const { return error == PictureLoadError::None; }
};

// The largest picture accepted, in pixels and along either side.
constexpr qint64 kMaxPicturePixels = 120'000'000;
constexpr int kMaxPictureSide = 30'000;
// No accepted picture needs more than 8 bytes a pixel stored (16-bit RGBA
// written without compression); a larger file is refused before reading.
constexpr qint64 kMaxPictureFileBytes = kMaxPicturePixels * 8 + 64 * 1024 * 1024;

bool isAcceptedPictureSize(qint64 width, qint64 height);

// A picture file opened for reading: its type and size are checked and its
// state noted, so that a change before the reading is done is noticed.
class PictureFile {
  public:
    explicit PictureFile(const std::filesystem::path& path);

    PictureLoadError error() const { return error_; }
    std::ifstream& stream() { return stream_; }
    std::uintmax_t size() const { return size_; }
    bool startsAsJpeg() const { return startsAsJpeg_; }
    // True when the file's size or time of change differs from when it was
    // opened, or it can no longer be examined.
    bool changed() const;

  private:
    std::filesystem::path path_;
    PictureLoadError error_ = PictureLoadError::None;
    std::ifstream stream_;
    std::uintmax_t size_ = 0;
    std::filesystem::file_time_type modified_;
    bool startsAsJpeg_ = false;
};

PictureLoadResult loadPicture(const std::filesystem::path& path);
PictureLoadResult loadPicture(const QString& path);
// Decodes an opened file.
PictureLoadResult readPicture(PictureFile& file);

// The size a picture will be shown at, given its own size.
using PictureFit = std::function<QSize(QSize)>;

// A picture loaded for showing at the size `fit` gives: image is either the
// whole picture or, when it was shrunk while decoding, already that size.
struct FittedPicture {
    PictureLoadResult loaded;
    QSize pictureSize; // the picture's own size
};

// As loadPicture, but a JPEG stored upright and to be shown smaller on both
// sides is decoded row by row straight into halftoneStretch's result (see
// HalftoneShrink), never holding the whole picture. Other pictures load
// whole: one stored turned is turned upright first, so that it stretches to
// the very pixels the windows show.
FittedPicture loadPicture(const std::filesystem::path& path, const PictureFit& fit);
FittedPicture readPicture(PictureFile& file, const PictureFit& fit);

// A picture stored as EXIF orientation 1..8 says, turned upright (RGB32);
// the size it has upright.
QImage orientedPicture(const QImage& stored, int orientation);
QSize orientedSize(QSize stored, int orientation);

// A one-line description of a load failure, in the program's own words.
QString pictureLoadErrorText(PictureLoadError error);

} // namespace tessaline
