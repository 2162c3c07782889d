// Loading pictures: formats, damage the decoders notice or would hide,
// files that change while read, special files and names that are bytes.
#include "CliTestSupport.h"
#include "PictureTestSupport.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "render/Stretch.h"

#include <QImageReader>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessaline {
namespace {

QImage decodedByQt(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).read().convertToFormat(QImage::Format_RGB32);
}

TEST(PictureLoader, LoadsWholePicturesAsRgb32) {
    QTemporaryDir dir;
    const QImage picture = noise(21, 13);
    for (const char* format : {"BMP", "PNG", "JPG"}) {
        const PictureLoadResult loaded =
            loadPicture(writeFile(dir, QStringLiteral("p.") + format, encode(picture, format)));
        ASSERT_TRUE(loaded.ok()) << format;
        EXPECT_EQ(loaded.image.size(), QSize(21, 13)) << format;
        EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32) << format;
    }
    // Lossless formats come back pixel for pixel.
    const PictureLoadResult bmp =
        loadPicture(writeFile(dir, QStringLiteral("exact.bmp"), encode(picture, "BMP")));
    EXPECT_EQ(bmp.image, picture.convertToFormat(QImage::Format_RGB32));
    const PictureLoadResult rle = loadPicture(writeFile(dir, "rle.bmp", rle8Bmp(40, 6)));
    ASSERT_TRUE(rle.ok());
    EXPECT_EQ(rle.image.pixel(0, 0), qRgb(0, 0, 255)); // bottom-up: the last row first
    // JPEG goes through our own decoder, with the very pixels Qt's gives.
    const QImage photo = noise(67, 45);
    for (const QByteArray& jpeg :
         {encode(photo, "JPG"), progressiveJpeg(photo),
          encode(photo.convertToFormat(QImage::Format_Grayscale8), "JPG")}) {
        const PictureLoadResult loaded = loadPicture(writeFile(dir, "photo.jpg", jpeg));
        ASSERT_TRUE(loaded.ok());
        EXPECT_EQ(loaded.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(loaded.image, decodedByQt(jpeg));
    }
}

TEST(PictureLoader, JpegsStandUpAsTheirExifOrientationSays) {
    QTemporaryDir dir;
    const QByteArray plain = encode(noise(64, 32), "JPG");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QByteArray jpeg = test::withExifOrientation(plain, orientation);
        const std::filesystem::path path = nativePath(writeFile(dir, "turned.jpg", jpeg));
        const QImage upright = test::decodedUpright(jpeg);
        ASSERT_EQ(upright.size(), orientation >= 5 ? QSize(32, 64) : QSize(64, 32));
        const PictureLoadResult whole = loadPicture(path);
        ASSERT_TRUE(whole.ok());
        EXPECT_EQ(whole.image, upright);
        // Loaded for a smaller size: asked upright; stored upright it is
        // shrunk while decoding, stored turned it comes whole, and either
        // way stretches to the very pixels of the upright picture stretched.
        QSize asked;
        const QSize shown = orientation >= 5 ? QSize(16, 32) : QSize(32, 16);
        const FittedPicture fitted = loadPicture(path, [&](QSize size) {
            asked = size;
            return shown;
        });
        ASSERT_TRUE(fitted.loaded.ok());
        EXPECT_EQ(asked, upright.size());
        EXPECT_EQ(fitted.pictureSize, upright.size());
        EXPECT_EQ(fitted.loaded.image.size(), orientation == 1 ? shown : upright.size());
        EXPECT_EQ(halftoneStretch(fitted.loaded.image, shown), halftoneStretch(upright, shown));
    }
}

TEST(PictureLoader, TransparentPartsAreWhiteAndKeptAsTransparency) {
    QTemporaryDir dir;
    QImage picture(8, 4, QImage::Format_ARGB32);
    picture.fill(qRgb(200, 10, 10));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
            picture.setPixel(x, y, qRgba(0, 0, 0, x == 2 ? 100 : 0));
        }
    }
    const PictureLoadResult png = loadPicture(writeFile(dir, "clear.png", encode(picture, "PNG")));
    ASSERT_TRUE(png.ok());
    ASSERT_FALSE(png.transparency.isNull());
    EXPECT_EQ(png.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(png.image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(png.image.pixel(7, 3), qRgb(200, 10, 10));
    EXPECT_LT(qAlpha(png.transparency.pixel(2, 1)), 128);
    EXPECT_EQ(qAlpha(png.transparency.pixel(3, 1)), 255);
    const PictureLoadResult gif = loadPicture(writeFile(
        dir, "clear.gif", test::redOnTransparentGif(6, 3, [](int x, int) { return x >= 3; })));
    ASSERT_TRUE(gif.ok());
    ASSERT_FALSE(gif.transparency.isNull());
    EXPECT_EQ(gif.image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(gif.image.pixel(5, 2), qRgb(255, 0, 0));
    // An opaque picture has none.
    EXPECT_TRUE(loadPicture(writeFile(dir, "opaque.png", encode(noise(5, 5), "PNG")))
                    .transparency.isNull());
}

TEST(PictureLoader, JpegsTheDecoderFindsDamagedAreRefused) {
    QTemporaryDir dir;
    const QImage photo = noise(96, 64);
    const QByteArray end("\xFF\xD9", 2);
    auto error = [&dir](const QByteArray& bytes) {
        return loadPicture(writeFile(dir, "p.jpg", bytes)).error;
    };
    for (const QByteArray& jpeg : {encode(photo, "JPG"), progressiveJpeg(photo)}) {
        // Cut anywhere, with or without an end marker put back after the cut.
        for (int eighth = 1; eighth < 8; ++eighth) {
            const QByteArray cut = jpeg.left(jpeg.size() * eighth / 8);
            EXPECT_EQ(error(cut), PictureLoadError::Damaged) << eighth;
            EXPECT_EQ(error(cut + end), PictureLoadError::Damaged) << eighth;
        }
        // Bytes after the end marker (some cameras add them) do no harm.
        EXPECT_EQ(error(jpeg + QByteArray(100, 'x')), PictureLoadError::None);
    }
    // Nor do stray bytes between two segments, which decoders pass over.
    const QByteArray baseline = encode(photo, "JPG");
    const int afterFirstSegment = 4 + (static_cast<unsigned char>(baseline[4]) << 8 |
                                       static_cast<unsigned char>(baseline[5]));
    QByteArray stray = baseline;
    stray.insert(afterFirstSegment, QByteArray("\x00\x17", 2));
    EXPECT_EQ(error(stray), PictureLoadError::None);
    // A thumbnail's own end marker inside an APP1 segment ends nothing.
    const QByteArray thumbnail = encode(noise(8, 8), "JPG");
    QByteArray app1("\xFF\xE1", 2);
    const int length = static_cast<int>(thumbnail.size()) + 2;
    app1.append(static_cast<char>(length >> 8));
    app1.append(static_cast<char>(length & 0xFF));
    const QByteArray withThumbnail = baseline.left(2) + app1 + thumbnail + baseline.mid(2);
    EXPECT_EQ(error(withThumbnail), PictureLoadError::None);
    EXPECT_EQ(error(withThumbnail.left(2 + app1.size() + thumbnail.size() + 40)),
              PictureLoadError::Damaged);
}

TEST(PictureLoader, NamesEachKindOfFailure) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QByteArray jpeg = encode(noise(40, 40), "JPG");
    const QByteArray rle = rle8Bmp(40, 10);
    const QString fifo = QDir(folder).filePath("pipe.jpg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString loop = QDir(folder).filePath("loop.jpg");
    ASSERT_TRUE(QFile::link(QDir(folder).filePath("loop2.jpg"), loop));
    ASSERT_TRUE(QFile::link(loop, QDir(folder).filePath("loop2.jpg")));
    // Far larger than any picture we accept: refused before any reading.
    const QString giant = writeFile(dir, "giant.jpg", jpeg.left(200));
    ASSERT_TRUE(QFile::resize(giant, qint64(2) << 30));
    struct Case {
        QString path;
        PictureLoadError error;
    } cases[] = {
        {QDir(folder).filePath("missing.jpg"), PictureLoadError::NotFound},
        {folder, PictureLoadError::IsFolder},
        {fifo, PictureLoadError::IsPipe},
        {loop, PictureLoadError::LinkLoop},
        {giant, PictureLoadError::TooLarge},
        {writeFile(dir, "notes.jpg", "just some text, not a picture"),
         PictureLoadError::NotAPicture},
        {writeFile(dir, "empty.jpg", ""), PictureLoadError::NotAPicture},
        {writeFile(dir, "cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), PictureLoadError::Damaged},
        {writeFile(dir, "cut.bmp", rle.left(rle.size() / 2)), PictureLoadError::Damaged},
        // Within the decoder's own limits, beyond ours: refused before decoding.
        {writeFile(dir, "huge.bmp", bmpHeaderOnly(29000, 5000)), PictureLoadError::TooLarge},
    };
    for (const Case& c : cases) {
        const PictureLoadResult loaded = loadPicture(c.path);
        EXPECT_EQ(loaded.error, c.error) << c.path.toStdString();
        EXPECT_TRUE(loaded.image.isNull()) << c.path.toStdString();
        EXPECT_FALSE(pictureLoadErrorText(loaded.error).isEmpty());
    }
}

TEST(PictureLoader, AFileThatChangesWhileReadIsDamaged) {
    QTemporaryDir dir;
    const QImage picture = noise(200, 120);
    for (const char* format : {"JPG", "BMP", "PNG"}) {
        const QByteArray bytes = encode(picture, format);
        const QString path = writeFile(dir, QStringLiteral("p.") + format, bytes);
        // Shrinks after it was opened and checked...
        PictureFile shrinking(nativePath(path));
        ASSERT_EQ(shrinking.error(), PictureLoadError::None);
        ASSERT_TRUE(QFile::resize(path, bytes.size() / 3));
        EXPECT_EQ(readPicture(shrinking).error, PictureLoadError::Damaged) << format;
        // ...or is rewritten, longer, before the reading is done.
        writeFile(dir, QStringLiteral("p.") + format, bytes);
        PictureFile growing(nativePath(path));
        ASSERT_EQ(growing.error(), PictureLoadError::None);
        writeFile(dir, QStringLiteral("p.") + format, bytes + QByteArray(10, 'x'));
        EXPECT_EQ(readPicture(growing).error, PictureLoadError::Damaged) << format;
    }
}

TEST(PictureLoader, NamesAreTheFileSystemsBytes) {
    QTemporaryDir dir;
    // "测试.jpg" in GBK: not UTF-8, so Qt's own file classes cannot reach it.
    const std::filesystem::path name("\xB2\xE2\xCA\xD4.jpg");
    const std::filesystem::path path = nativePath(dir.path()) / name;
    const QByteArray jpeg = encode(noise(30, 20), "JPG");
    std::ofstream(path, std::ios::binary).write(jpeg.constData(), jpeg.size());
    const PictureLoadResult loaded = loadPicture(path);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded.image.size(), QSize(30, 20));
    EXPECT_EQ(readableFileName(name), QStringLiteral("测试.jpg"));
    EXPECT_EQ(readableFileName(std::filesystem::path("plain ü.jpg")),
              QStringLiteral("plain ü.jpg"));
}

} // namespace
} // namespace tessaline
