#include "render/PictureFileCheck.h"

#include <QFile>

namespace tessaline {

namespace {

using Bytes = QByteArrayView;

unsigned byteAt(Bytes data, qsizetype at) {
    return static_cast<unsigned char>(data[at]);
}

quint32 le32(Bytes data, qsizetype at) {
    return byteAt(data, at) | byteAt(data, at + 1) << 8 | byteAt(data, at + 2) << 16 |
           static_cast<quint32>(byteAt(data, at + 3)) << 24;
}

// Markers from the start, each segment skipped by its length; inside scan
// data a 0xFF is followed by 0x00 (a stuffed byte) or a restart marker, so
// the next other marker ends the scan. Stray bytes between segments are
// passed over, as the decoders do. Whole once the end marker is found.
bool isCompleteJpeg(Bytes data) {
    qsizetype at = 2;
    bool inScan = false;
    while (at + 1 < data.size()) {
        if (byteAt(data, at) != 0xFF) {
            ++at;
            continue;
        }
        const unsigned marker = byteAt(data, at + 1);
        if (marker == 0xD9) {
            return true;
        }
        if (marker == 0xFF || (inScan && (marker == 0x00 || (marker >= 0xD0 && marker <= 0xD7)))) {
            at += marker == 0xFF ? 1 : 2;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (at + 3 >= data.size()) {
            return false;
        }
        const qsizetype length = byteAt(data, at + 2) << 8 | byteAt(data, at + 3);
        if (length < 2) {
            return false;
        }
        at += 2 + length;
        inScan = marker == 0xDA;
    }
    return false;
}

// Skips a chain of sub-blocks; the position after the terminator, or -1.
qsizetype skipSubBlocks(Bytes data, qsizetype at) {
    while (at < data.size()) {
        const unsigned size = byteAt(data, at);
        at += 1 + size;
        if (size == 0) {
            return at;
        }
    }
    return -1;
}

bool isCompleteGif(Bytes data) {
    if (data.size() < 13) {
        return false;
    }
    const unsigned flags = byteAt(data, 10);
    qsizetype at = 13 + ((flags & 0x80) ? 3 * (2 << (flags & 7)) : 0);
    bool sawImage = false;
    while (at >= 0 && at < data.size()) {
        switch (byteAt(data, at)) {
        case 0x3B:
            return sawImage;
        case 0x21:
            at = skipSubBlocks(data, at + 2);
            break;
        case 0x2C: {
            if (at + 10 > data.size()) {
                return false;
            }
            const unsigned local = byteAt(data, at + 9);
            at += 10 + ((local & 0x80) ? 3 * (2 << (local & 7)) : 0);
            at = skipSubBlocks(data, at + 1); // after the LZW code size
            sawImage = at >= 0;
            break;
        }
        default:
            return false;
        }
    }
    // Some encoders leave out the closing byte after complete image data.
    return sawImage && at == data.size();
}

// Uncompressed and bit-field BMPs must hold every row their header declares.
bool isCompleteBmp(Bytes data) {
    if (data.size() < 30) {
        return false;
    }
    const quint32 offset = le32(data, 10);
    const quint32 headerSize = le32(data, 14);
    if (headerSize < 40 || data.size() < 34) {
        return true; // the old OS/2 layout: left to the decoder
    }
    const qint64 width = static_cast<qint32>(le32(data, 18));
    const qint64 height = static_cast<qint32>(le32(data, 22));
    const unsigned bitCount = byteAt(data, 28) | byteAt(data, 29) << 8;
    const quint32 compression = le32(data, 30);
    if (compression != 0 && compression != 3) {
        return true; // run-length coded: its length is not known in advance
    }
    const qint64 stride = ((width < 0 ? -width : width) * bitCount + 31) / 32 * 4;
    const qint64 rows = height < 0 ? -height : height;
    const qint64 available = data.size() - static_cast<qint64>(offset);
    if (available < 0) {
        return false;
    }
    // stride x rows <= available, without the product, which a lying header
    // can push beyond 64 bits.
    return rows == 0 || stride <= available / rows;
}

} // namespace

bool isCompletePicture(Bytes data) {
    if (data.size() >= 3 && byteAt(data, 0) == 0xFF && byteAt(data, 1) == 0xD8 &&
        byteAt(data, 2) == 0xFF) {
        return isCompleteJpeg(data);
    }
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        return isCompleteGif(data);
    }
    if (data.startsWith("BM")) {
        return isCompleteBmp(data);
    }
    return true;
}

bool isCompletePictureFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const qint64 size = file.size();
    if (size == 0) {
        return isCompletePicture({});
    }
    // Mapped rather than read: a large photo is walked without copying it.
    const uchar* mapped = file.map(0, size);
    if (mapped == nullptr) {
        return isCompletePicture(file.readAll());
    }
    const bool whole = isCompletePicture(Bytes(reinterpret_cast<const char*>(mapped), size));
    file.unmap(const_cast<uchar*>(mapped));
    return whole;
}

} // namespace tessaline
