#pragma once
// Pictures made pixel by pixel, JSON read back, and the folder listing that
// proves a failed run left nothing behind.
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>

namespace tessaline::test {

// A width x height picture whose pixel (x, y) is colour(x, y) as 0xRRGGBB.
inline QImage makePicture(int width, int height, const std::function<QRgb(int, int)>& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, 0xFF000000u | colour(x, y));
        }
    }
    return image;
}

inline QString savePng(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "PNG"));
    return path;
}

inline QJsonObject parseJson(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return document.object();
}

inline QJsonObject readJsonFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return parseJson(file.readAll());
}

inline std::vector<int> intsOf(const QJsonValue& value) {
    std::vector<int> out;
    for (const QJsonValue& v : value.toArray()) {
        out.push_back(v.toInt());
    }
    return out;
}

inline std::vector<std::string> stringsOf(const QJsonValue& value) {
    std::vector<std::string> out;
    for (const QJsonValue& v : value.toArray()) {
        out.push_back(v.toString().toStdString());
    }
    return out;
}

// One legend row as "symbol thread amount rgb".
inline std::vector<std::string> legendRows(const QJsonObject& pattern) {
    std::vector<std::string> rows;
    for (const QJsonValue& v : pattern.value("legend").toArray()) {
        const QJsonObject entry = v.toObject();
        EXPECT_TRUE(entry.value("amount").isDouble()) << "amount must be a number";
        rows.push_back(entry.value("symbol").toString().toStdString() + " " +
                       entry.value("thread").toString().toStdString() + " " +
                       std::to_string(entry.value("amount").toInt()) + " " +
                       entry.value("rgb").toString().toStdString());
    }
    return rows;
}

// Everything in the folder, hidden files included.
inline QStringList folderContents(const QDir& dir) {
    return dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The test pictures' colours and the palette positions of their nearest
// threads, worked out from the palette table by squared RGB distance:
// white is "5200" itself (393) and black "310" itself (421); pure red is
// nearest to "606" F30000 (317, distance 12^2 = 144, next "350" DA0C0C at
// 1657); grey 808080 is nearest to "926" 808980 (195, distance 9^2 = 81,
// next "414" 687186 at 837).
constexpr QRgb kWhiteRgb = 0xFFFFFF;
constexpr QRgb kBlackRgb = 0x000000;
constexpr QRgb kRedRgb = 0xFF0000;
constexpr QRgb kGreyRgb = 0x808080;
constexpr int kWhitePos = 393;
constexpr int kBlackPos = 421;
constexpr int kRedPos = 317;
constexpr int kGreyPos = 195;

// 16 x 16 in four 8 x 8 quadrants: white, black / red, grey.
inline QRgb quadrantColour(int x, int y) {
    if (y < 8) {
        return x < 8 ? kWhiteRgb : kBlackRgb;
    }
    return x < 8 ? kRedRgb : kGreyRgb;
}

// A JPEG with an EXIF block saying it is stored turned as `orientation`
// (1..8) says, big-endian as cameras write it, right after the start.
inline QByteArray withExifOrientation(const QByteArray& jpeg, int orientation) {
    QByteArray exif = QByteArray("Exif", 4) + QByteArray(2, '\0');
    exif += QByteArray::fromHex("4D4D002A00000008" // TIFF header, first directory at 8
                                "0001"             // one entry
                                "011200030000000100");
    exif.append(static_cast<char>(orientation));
    exif += QByteArray::fromHex("0000"
                                "00000000");
    QByteArray segment = QByteArray::fromHex("FFE1");
    const auto length = static_cast<int>(exif.size() + 2);
    segment.append(static_cast<char>(length >> 8));
    segment.append(static_cast<char>(length & 0xFF));
    return jpeg.left(2) + segment + exif + jpeg.mid(2);
}

// The picture as image viewers show it: decoded by Qt's own reader, turned
// as the file's EXIF orientation says.
inline QImage decodedUpright(const QByteArray& encoded) {
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// A GIF whose pixel is opaque red where red(x, y) and transparent (palette
// entry 1, stored as black) elsewhere; LZW codes stay 3 bits wide by a clear
// code before every second pixel.
inline QByteArray redOnTransparentGif(int width, int height,
                                      const std::function<bool(int, int)>& red) {
    QByteArray gif("GIF89a");
    auto word = [&gif](int value) {
        gif.append(static_cast<char>(value & 0xFF));
        gif.append(static_cast<char>(value >> 8 & 0xFF));
    };
    word(width);
    word(height);
    gif.append(static_cast<char>(0x81)); // a global table of 4 colours
    gif.append('\0');
    gif.append('\0');
    gif.append(QByteArray::fromHex("FF0000000000FFFFFFFFFFFF"));
    gif.append(QByteArray::fromHex("21F904010000"
                                   "01"
                                   "00")); // entry 1 is transparent
    gif.append('\x2C');
    word(0);
    word(0);
    word(width);
    word(height);
    gif.append('\0');
    gif.append('\x02'); // the smallest code size
    QByteArray data;
    std::uint32_t bits = 0;
    int count = 0;
    auto code = [&](std::uint32_t value) {
        bits |= value << count;
        count += 3;
        while (count >= 8) {
            data.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    int written = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (written++ % 2 == 0) {
                code(4); // clear
            }
            code(red(x, y) ? 0 : 1);
        }
    }
    code(5); // end
    if (count > 0) {
        data.append(static_cast<char>(bits & 0xFF));
    }
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(static_cast<char>(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append('\x3B');
    return gif;
}

} // namespace tessaline::test
