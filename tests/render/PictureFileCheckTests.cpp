// Loading pictures, and telling whole picture files from ones cut off part-way.
#include "render/PictureFileCheck.h"
#include "render/PictureLoader.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
        }
    }
    return image;
}

// A comment extension and one or two frames, the second with a local colour
// table; built by hand because Qt has no GIF writer.
QByteArray handMadeGif(bool secondFrame) {
    QByteArray gif("GIF89a");
    gif.append("\x02\x00\x02\x00\x80\x00\x00", 7); // 2 x 2, two-colour table
    gif.append("\xFF\x00\x00\x00\x00\xFF", 6);     // red, blue
    gif.append("\x21\xFE\x03"
               "abc\x00",
               7); // comment
    gif.append("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10);
    gif.append("\x02\x02\x84\x51\x00", 5); // code size 2, one data block
    if (secondFrame) {
        gif.append("\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x80", 10);
        gif.append("\x00\xFF\x00\xFF\xFF\xFF", 6); // local table: green, white
        gif.append("\x02\x02\x84\x51\x00", 5);
    }
    gif.append(';');
    return gif;
}

// Every proper prefix of a whole file is reported as cut off.
void expectEveryCutRefused(const QByteArray& whole, qsizetype shortest) {
    ASSERT_TRUE(isCompletePicture(whole));
    int accepted = 0;
    for (qsizetype size = shortest; size < whole.size(); ++size) {
        accepted += isCompletePicture(QByteArrayView(whole).first(size));
    }
    EXPECT_EQ(accepted, 0);
}

TEST(PictureFileCheck, JpegsAreWholeOnlyUpToTheirEndMarker) {
    const QByteArray baseline = encode(noise(24, 16), "JPG");
    expectEveryCutRefused(baseline, 3);
    // Bytes after the end marker (some cameras add them) do no harm.
    EXPECT_TRUE(isCompletePicture(baseline + QByteArray(100, 'x')));
    // Nor do restart markers inside the scan.
    QImage image = noise(64, 64);
    EXPECT_TRUE(isCompletePicture(encode(image, "JPG")));
    // Stray bytes between two segments, which decoders pass over.
    const int afterFirstSegment = 4 + (static_cast<unsigned char>(baseline[4]) << 8 |
                                       static_cast<unsigned char>(baseline[5]));
    ASSERT_EQ(static_cast<unsigned char>(baseline[afterFirstSegment]), 0xFF);
    QByteArray stray = baseline;
    stray.insert(afterFirstSegment, QByteArray("\x00\x17", 2));
    EXPECT_TRUE(isCompletePicture(stray));
    EXPECT_FALSE(isCompletePicture(stray.left(stray.size() - 40)));
}

TEST(PictureFileCheck, JpegWithAThumbnailIsNotFooledByTheThumbnailsEndMarker) {
    // A thumbnail inside an APP1 segment ends with its own end marker; a
    // file cut off after it is still incomplete.
    const QByteArray thumbnail = encode(noise(8, 8), "JPG");
    const QByteArray main = encode(noise(40, 30), "JPG");
    QByteArray app1("\xFF\xE1", 2);
    const int length = static_cast<int>(thumbnail.size()) + 2;
    app1.append(static_cast<char>(length >> 8));
    app1.append(static_cast<char>(length & 0xFF));
    app1.append(thumbnail);
    const QByteArray withThumbnail = main.left(2) + app1 + main.mid(2);
    EXPECT_TRUE(isCompletePicture(withThumbnail));
    EXPECT_FALSE(isCompletePicture(withThumbnail.left(withThumbnail.size() - 40)));
}

TEST(PictureFileCheck, GifsAreWholeWithAllTheirBlocks) {
    const QByteArray oneFrame = handMadeGif(false);
    expectEveryCutRefused(oneFrame.left(oneFrame.size() - 1), 6);
    // Complete image data without the closing byte is accepted.
    EXPECT_TRUE(isCompletePicture(oneFrame));
    const QByteArray gif = handMadeGif(true);
    EXPECT_TRUE(isCompletePicture(gif));
    EXPECT_FALSE(isCompletePicture(gif.left(gif.size() - 3)));
    EXPECT_FALSE(isCompletePicture(gif.left(oneFrame.size() + 4)));
    // An unknown block is damage.
    QByteArray damaged = gif;
    damaged[gif.size() - 1] = '\x42';
    EXPECT_FALSE(isCompletePicture(damaged));
}

TEST(PictureFileCheck, BmpsMustHoldEveryDeclaredRow) {
    const QByteArray bmp = encode(noise(13, 7), "BMP");
    EXPECT_TRUE(isCompletePicture(bmp));
    EXPECT_FALSE(isCompletePicture(bmp.left(bmp.size() - 1)));
    EXPECT_FALSE(isCompletePicture(bmp.left(60)));
    EXPECT_FALSE(isCompletePicture(bmp.left(10)));
}

TEST(PictureFileCheck, OtherContentIsLeftToTheDecoder) {
    EXPECT_TRUE(isCompletePicture(QByteArray("just some text")));
    EXPECT_TRUE(isCompletePicture(encode(noise(5, 5), "PNG")));
    EXPECT_TRUE(isCompletePicture(QByteArray()));
}

TEST(PictureFileCheck, FilesAreCheckedAndMissingOnesAreNotWhole) {
    QTemporaryDir dir;
    const QByteArray jpeg = encode(noise(20, 20), "JPG");
    const QString whole = QDir(dir.path()).filePath("whole.jpg");
    const QString cut = QDir(dir.path()).filePath("cut.jpg");
    {
        QFile file(whole);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(jpeg);
    }
    {
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(jpeg.left(jpeg.size() / 2));
    }
    EXPECT_TRUE(isCompletePictureFile(whole));
    EXPECT_FALSE(isCompletePictureFile(cut));
    EXPECT_FALSE(isCompletePictureFile(QDir(dir.path()).filePath("missing.jpg")));
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

// A 24-bit BMP header declaring width x height pixels, with no pixel data.
QByteArray bmpHeaderOnly(qint32 width, qint32 height) {
    QByteArray bmp(54, '\0');
    auto put32 = [&bmp](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
        }
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    bmp[26] = 1;
    bmp[28] = 24;
    return bmp;
}

TEST(PictureFileCheck, HeadersClaimingMoreThanAnyFileHoldsAreNotWhole) {
    EXPECT_FALSE(isCompletePicture(bmpHeaderOnly(0x7FFFFFFF, 0x7FFFFFFF)));
    EXPECT_FALSE(isCompletePicture(bmpHeaderOnly(0x7FFFFFFF, -0x7FFFFFFF)));
    QByteArray deep = bmpHeaderOnly(-0x7FFFFFFF, 3);
    deep[28] = static_cast<char>(0xFF); // 65535 bits per pixel
    deep[29] = static_cast<char>(0xFF);
    EXPECT_FALSE(isCompletePicture(deep));
    QByteArray farOffset = bmpHeaderOnly(1, 1);
    farOffset[13] = 0x7F; // pixel data said to start 2 GB in
    EXPECT_FALSE(isCompletePicture(farOffset + QByteArray(4, '\0')));
    // No rows: nothing is missing.
    EXPECT_TRUE(isCompletePicture(bmpHeaderOnly(5, 0)));
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
    const PictureLoadResult gif =
        loadPicture(writeFile(dir, QStringLiteral("p.gif"), handMadeGif(false)));
    EXPECT_TRUE(gif.ok());
    EXPECT_EQ(gif.image.format(), QImage::Format_RGB32);
    // Lossless formats come back pixel for pixel.
    const PictureLoadResult bmp =
        loadPicture(writeFile(dir, QStringLiteral("exact.bmp"), encode(picture, "BMP")));
    EXPECT_EQ(bmp.image, picture.convertToFormat(QImage::Format_RGB32));
}

TEST(PictureLoader, NamesEachKindOfFailure) {
    QTemporaryDir dir;
    const QByteArray jpeg = encode(noise(40, 40), "JPG");
    struct Case {
        QString path;
        PictureLoadError error;
    } cases[] = {
        {QDir(dir.path()).filePath("missing.jpg"), PictureLoadError::NotFound},
        {dir.path(), PictureLoadError::NotFound}, // a folder is not a picture file
        {writeFile(dir, "notes.jpg", "just some text, not a picture"),
         PictureLoadError::NotAPicture},
        {writeFile(dir, "cut.jpg", jpeg.left(jpeg.size() * 2 / 3)), PictureLoadError::Damaged},
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

} // namespace
} // namespace tessaline
