#include "render/PictureLoader.h"

#include "render/PictureFileCheck.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessaline {

PictureLoadResult loadPicture(const QString& path) {
    PictureLoadResult result;
    QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        result.error = PictureLoadError::NotFound;
        return result;
    }
    if (!info.isReadable()) {
        result.error = PictureLoadError::Unreadable;
        return result;
    }

    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Qt's own guard against huge allocations, in megabytes; our size check
    // below refuses most such files before the reader even starts.
    reader.setAllocationLimit(static_cast<int>(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    if (!reader.canRead()) {
        result.error = PictureLoadError::NotAPicture;
        return result;
    }
    const QSize declared = reader.size();
    if (declared.isValid() &&
        (declared.width() > kMaxPictureSide || declared.height() > kMaxPictureSide ||
         qint64(declared.width()) * declared.height() > kMaxPicturePixels)) {
        result.error = PictureLoadError::TooLarge;
        return result;
    }
    // The decoders fill a cut-off JPEG, GIF or BMP with grey and call it
    // loaded; such a file is refused as damaged instead.
    if (!isCompletePictureFile(path)) {
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
    if (image.width() > kMaxPictureSide || image.height() > kMaxPictureSide) {
        result.error = PictureLoadError::TooLarge;
        return result;
    }
    result.image = image.convertToFormat(QImage::Format_RGB32);
    return result;
}

QString pictureLoadErrorText(PictureLoadError error) {
    switch (error) {
    case PictureLoadError::None:
        return {};
    case PictureLoadError::NotFound:
        return QStringLiteral("找不到图片文件。");
    case PictureLoadError::Unreadable:
        return QStringLiteral("无法读取图片文件。");
    case PictureLoadError::NotAPicture:
        return QStringLiteral("这不是可以打开的图片文件。");
    case PictureLoadError::TooLarge:
        return QStringLiteral("图片太大，无法打开。");
    case PictureLoadError::Damaged:
        return QStringLiteral("图片文件已损坏，无法打开。");
    }
    return {};
}

} // namespace tessaline
