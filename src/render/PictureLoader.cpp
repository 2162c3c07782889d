#include "render/PictureLoader.h"

#include "platform/QuietStandardError.h"
#include "render/FileNames.h"
#include "render/JpegDecoder.h"
#include "render/PictureFileCheck.h"
#include "render/Stretch.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessaline {

namespace {

namespace fs = std::filesystem;

PictureLoadError typeError(fs::file_type type) {
    switch (type) {
    case fs::file_type::regular:
        return PictureLoadError::None;
    case fs::file_type::not_found:
        return PictureLoadError::NotFound;
    case fs::file_type::directory:
        return PictureLoadError::IsFolder;
    case fs::file_type::fifo:
        return PictureLoadError::IsPipe;
    default:
        return PictureLoadError::IsSpecialFile;
    }
}

PictureLoadError statusError(const std::error_code& error) {
    if (error == std::errc::too_many_symbolic_link_levels) {
        return PictureLoadError::LinkLoop;
    }
    if (error == std::errc::permission_denied) {
        return PictureLoadError::Unreadable;
    }
    return PictureLoadError::NotFound;
}

// Takes the decoded rows straight into an RGB32 picture, or, when the
// picture is to be shown smaller on both sides, into that smaller picture
// through the smooth stretch, one row at a time.
class ImageSink final : public JpegRowSink {
  public:
    explicit ImageSink(const PictureFit& fit) : fit_(fit) {}

    void orientation(int orientation) override { orientation_ = orientation; }
    bool begin(int width, int height) override {
        if (!isAcceptedPictureSize(width, height)) {
            return false;
        }
        // The rows arrive as stored. Only a picture stored upright is shrunk
        // as they come: one stored turned would be averaged across the other
        // way and round a little differently from the upright picture
        // stretched, so it is decoded whole and turned first.
        const QSize stored(width, height);
        pictureSize = orientedSize(stored, orientation_);
        const QSize shown = fit_ ? fit_(pictureSize) : pictureSize;
        if (orientation_ == 1 && HalftoneShrink::shrinks(stored, shown)) {
            shrink_.emplace(stored, shown);
            // libjpeg-turbo's SIMD colour conversion writes a row that starts
            // on a 16-byte boundary with non-temporal stores, past the cache.
            // The stretch reads each row straight back, so the row starts a
            // pixel off that boundary and stays in the cache: a large photo
            // decodes a third faster so.
            row_.assign(static_cast<std::size_t>(width) + 1, 0);
            const bool onBoundary = reinterpret_cast<std::uintptr_t>(row_.data()) % 16 == 0;
            rowStart_ = row_.data() + (onBoundary ? 1 : 0);
            return !shrink_->result().isNull();
        }
        image_ = QImage(width, height, QImage::Format_RGB32);
        return !image_.isNull();
    }
    unsigned char* row(int y) override {
        return shrink_ ? reinterpret_cast<unsigned char*>(rowStart_) : image_.scanLine(y);
    }
    void rowDone(int) override {
        if (shrink_) {
            shrink_->addRow(rowStart_);
        }
    }
    QImage image() const {
        return orientedPicture(shrink_ ? shrink_->result() : image_, orientation_);
    }

    QSize pictureSize;

  private:
    const PictureFit& fit_;
    int orientation_ = 1;
    QImage image_;
    std::optional<HalftoneShrink> shrink_;
    std::vector<std::uint32_t> row_;
    std::uint32_t* rowStart_ = nullptr;
};

PictureLoadError jpegError(JpegStatus status) {
    switch (status) {
    case JpegStatus::Ok:
        break;
    case JpegStatus::TooLarge:
        return PictureLoadError::TooLarge;
    case JpegStatus::Damaged:
        return PictureLoadError::Damaged;
    }
    return PictureLoadError::None;
}

FittedPicture readJpeg(PictureFile& file, const PictureFit& fit) {
    JpegStreamInput input(file.stream());
    ImageSink sink(fit);
    const PictureLoadError error = jpegError(decodeJpeg(input, sink));
    if (error != PictureLoadError::None) {
        return {{QImage(), error, QImage()}, QSize()};
    }
    return {{sink.image(), error, QImage()}, sink.pictureSize};
}

PictureLoadResult readWithQt(PictureFile& file) {
    PictureLoadResult result;
    QByteArray bytes(static_cast<qsizetype>(file.size()), Qt::Uninitialized);
    file.stream().read(bytes.data(), bytes.size());
    if (file.stream().gcount() != bytes.size()) {
        result.error = PictureLoadError::Damaged; // shorter than when opened
        return result;
    }
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // libpng prints its errors itself; the failure is reported here instead.
    const QuietStandardError quiet;
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    // A picture is shown as its orientation tag says, as viewers show it.
    reader.setAutoTransform(true);
    // Qt's own guard against huge allocations, in megabytes, set above any
    // picture we accept (16-bit pictures take 8 bytes a pixel) so that our
    // limit is the one that speaks.
    reader.setAllocationLimit(static_cast<int>(kMaxPicturePixels * 8 / (1024 * 1024)) + 1);
    if (!reader.canRead()) {
        result.error = PictureLoadError::NotAPicture;
        return result;
    }
    const QSize declared = reader.size();
    if (declared.isValid() && !isAcceptedPictureSize(declared.width(), declared.height())) {
        result.error = PictureLoadError::TooLarge;
        return result;
    }
    // The decoders fill a cut-off GIF or BMP with grey and call it loaded;
    // such a file is refused as damaged instead.
    if (!isCompletePicture(bytes)) {
        result.error = PictureLoadError::Damaged;
        return result;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        result.error = reader.error() == QImageReader::InvalidDataError ||
                               reader.error() == QImageReader::UnknownError
                           ? PictureLoadError::Damaged
                           : PictureLoadError::NotAPicture;
        return result;
    }
    if (!isAcceptedPictureSize(image.width(), image.height())) {
        result.error = PictureLoadError::TooLarge;
        return result;
    }
    if (image.hasAlphaChannel()) {
        // Transparent parts show as the cloth they leave bare, and their
        // cells are left unstitched (see markClearCells).
        const QImage alpha = image.convertToFormat(QImage::Format_Alpha8);
        bool anyClear = false;
        for (int y = 0; y < alpha.height() && !anyClear; ++y) {
            const uchar* row = alpha.constScanLine(y);
            anyClear = std::any_of(row, row + alpha.width(), [](uchar a) { return a < 128; });
        }
        if (anyClear) {
            QImage white(image.size(), QImage::Format_RGB32);
            white.fill(Qt::white);
            QPainter painter(&white);
            painter.drawImage(0, 0, image);
            painter.end();
            result.image = white;
            result.transparency = alpha;
            return result;
        }
    }
    result.image = image.convertToFormat(QImage::Format_RGB32);
    return result;
}

} // namespace

QSize orientedSize(QSize stored, int orientation) {
    return orientation >= 5 && orientation <= 8 ? stored.transposed() : stored;
}

QImage orientedPicture(const QImage& stored, int orientation) {
    if (orientation < 2 || orientation > 8 || stored.isNull()) {
        return stored;
    }
    const QImage from = stored.convertToFormat(QImage::Format_RGB32);
    const int w = from.width();
    const int h = from.height();
    QImage upright(orientedSize(from.size(), orientation), QImage::Format_RGB32);
    if (upright.isNull()) {
        return stored;
    }
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int u = x;
            int v = y;
            switch (orientation) {
            case 2:
                u = w - 1 - x;
                break;
            case 3:
                u = w - 1 - x;
                v = h - 1 - y;
                break;
            case 4:
                v = h - 1 - y;
                break;
            case 5:
                u = y;
                v = x;
                break;
            case 6:
                u = h - 1 - y;
                v = x;
                break;
            case 7:
                u = h - 1 - y;
                v = w - 1 - x;
                break;
            default:
                u = y;
                v = w - 1 - x;
                break; // 8
            }
            reinterpret_cast<QRgb*>(upright.scanLine(v))[u] = row[x];
        }
    }
    return upright;
}

bool isAcceptedPictureSize(qint64 width, qint64 height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

PictureFile::PictureFile(const fs::path& path) : path_(path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error && status.type() != fs::file_type::not_found) {
        error_ = statusError(error);
        return;
    }
    if ((error_ = typeError(status.type())) != PictureLoadError::None) {
        return;
    }
    size_ = fs::file_size(path, error);
    modified_ = fs::last_write_time(path, error);
    if (error) {
        error_ = statusError(error);
        return;
    }
    if (size_ > static_cast<std::uintmax_t>(kMaxPictureFileBytes)) {
        error_ = PictureLoadError::TooLarge;
        return;
    }
    stream_.open(path, std::ios::binary);
    if (!stream_) {
        error_ = PictureLoadError::Unreadable;
        return;
    }
    char head[3] = {};
    stream_.read(head, 3);
    startsAsJpeg_ =
        stream_.gcount() == 3 && head[0] == '\xFF' && head[1] == '\xD8' && head[2] == '\xFF';
    stream_.clear();
    stream_.seekg(0);
}

bool PictureFile::changed() const {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path_, error);
    const fs::file_time_type modified = fs::last_write_time(path_, error);
    return error || size != size_ || modified != modified_;
}

FittedPicture readPicture(PictureFile& file, const PictureFit& fit) {
    if (file.error() != PictureLoadError::None) {
        return {{QImage(), file.error(), QImage()}, QSize()};
    }
    FittedPicture result;
    if (file.startsAsJpeg()) {
        result = readJpeg(file, fit);
    } else {
        result.loaded = readWithQt(file);
        result.pictureSize = result.loaded.image.size();
    }
    if (result.loaded.ok() && file.changed()) {
        return {{QImage(), PictureLoadError::Damaged, QImage()}, QSize()};
    }
    return result;
}

PictureLoadResult readPicture(PictureFile& file) {
    return readPicture(file, PictureFit()).loaded;
}

FittedPicture loadPicture(const fs::path& path, const PictureFit& fit) {
    PictureFile file(path);
    return readPicture(file, fit);
}

PictureLoadResult loadPicture(const fs::path& path) {
    return loadPicture(path, PictureFit()).loaded;
}

PictureLoadResult loadPicture(const QString& path) {
    return loadPicture(nativePath(path));
}

QString pictureLoadErrorText(PictureLoadError error) {
    switch (error) {
    case PictureLoadError::None:
        return {};
    case PictureLoadError::NotFound:
    case PictureLoadError::LinkLoop:
        return QCoreApplication::translate("tessaline::PictureLoader", "找不到图片文件。");
    case PictureLoadError::Unreadable:
        return QCoreApplication::translate("tessaline::PictureLoader", "无法读取图片文件。");
    case PictureLoadError::NotAPicture:
        return QCoreApplication::translate("tessaline::PictureLoader",
                                           "这不是可以打开的图片文件。");
    case PictureLoadError::TooLarge:
        return QCoreApplication::translate("tessaline::PictureLoader", "图片太大，无法打开。");
    case PictureLoadError::Damaged:
        return QCoreApplication::translate("tessaline::PictureLoader",
                                           "图片文件已损坏，无法打开。");
    case PictureLoadError::IsFolder:
        return QCoreApplication::translate("tessaline::PictureLoader",
                                           "这是文件夹，不是图片文件。");
    case PictureLoadError::IsPipe:
    case PictureLoadError::IsSpecialFile:
        return QCoreApplication::translate("tessaline::PictureLoader",
                                           "这是特殊文件，不是图片文件。");
    }
    return {};
}

} // namespace tessaline
