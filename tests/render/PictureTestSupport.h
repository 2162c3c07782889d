#pragma once
// Small pictures and files for the picture loading tests.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

namespace tessaline {

inline QByteArray encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray progressiveJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(true);
    writer.write(image);
    return bytes;
}

inline QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x * y) % 256));
        }
    }
    return image;
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

// A 24-bit BMP header declaring width x height pixels, with no pixel data.
inline QByteArray bmpHeaderOnly(qint32 width, qint32 height) {
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

// A run-length coded 8-bit BMP: each row runs of two colours (red, blue),
// ended by an end-of-line code, and the end-of-picture code after them.
inline QByteArray rle8Bmp(int width, int height) {
    QByteArray stream;
    for (int y = 0; y < height; ++y) {
        stream.append(static_cast<char>(width / 2));
        stream.append(static_cast<char>(y % 2));
        stream.append(static_cast<char>(width - width / 2));
        stream.append(static_cast<char>(1 - y % 2));
        stream.append("\x00\x00", 2);
    }
    stream.append("\x00\x01", 2);
    QByteArray bmp = bmpHeaderOnly(width, height);
    const quint32 offset = 54 + 8;
    const quint32 total = offset + static_cast<quint32>(stream.size());
    auto put32 = [&bmp](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) {
            bmp[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
        }
    };
    put32(2, total);
    put32(10, offset);
    bmp[28] = 8;
    put32(30, 1); // RLE8
    put32(34, static_cast<quint32>(stream.size()));
    put32(46, 2);                                      // colours used
    bmp.append("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8); // red, blue (BGR0)
    return bmp + stream;
}

} // namespace tessaline
