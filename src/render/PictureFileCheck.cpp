#include "render/PictureFileCheck.h"

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

// A run-length coded BMP is whole when its stream reaches the end-of-picture
// code, or ends a line for each of its rows; a cut-off stream stops short.
bool isCompleteRle(Bytes data, qint64 offset, qint64 rows, bool fourBit) {
    qint64 at = offset;
    qint64 row = 0;
    while (at + 1 < data.size()) {
        const unsigned count = byteAt(data, at);
        const unsigned code = byteAt(data, at + 1);
        at += 2;
        if (count != 0) {
            continue; // a run of one value
        }
        if (code == 0) {
            if (++row >= rows) {
                return true;
            }
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (at + 1 >= data.size()) {
                return false;
            }
            row += byteAt(data, at + 1);
            at += 2;
        } else {
            // `code` literal pixels, padded to a 16-bit boundary.
            const qint64 bytes = fourBit ? (code + 1) / 2 : code;
            at += (bytes + 1) / 2 * 2;
        }
    }
    return false;
}

// Uncompressed and bit-field BMPs must hold every row their header declares;
// run-length coded ones a complete stream.
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
    if (compression == 1 || compression == 2) {
        return isCompleteRle(data, offset, height < 0 ? -height : height, compression == 2);
    }
    if (compression != 0 && compression != 3) {
        return true; // JPEG or PNG inside: left to the decoder
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
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        return isCompleteGif(data);
    }
    if (data.startsWith("BM")) {
        return isCompleteBmp(data);
    }
    return true;
}

} // namespace tessaline
