#include "gif_writer.h"

#include <QHash>
#include <unordered_map>

QImage toExactPalette(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> colors;
    QHash<QRgb, int> index;
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = in[x] | 0xFF000000U;
            auto found = index.constFind(c);
            if (found == index.constEnd()) {
                if (colors.size() == 256) {
                    return {};
                }
                found = index.insert(c, static_cast<int>(colors.size()));
                colors.append(c);
            }
            out[x] = static_cast<uchar>(*found);
        }
    }
    indexed.setColorTable(colors);
    return indexed;
}

namespace {

// Codes go out least significant bit first, packed into bytes.
class BitWriter {
  public:
    void put(int code, int width) {
        bits_ |= static_cast<quint32>(code) << used_;
        used_ += width;
        while (used_ >= 8) {
            bytes.append(static_cast<char>(bits_ & 0xFF));
            bits_ >>= 8;
            used_ -= 8;
        }
    }
    void flush() {
        if (used_ > 0) {
            bytes.append(static_cast<char>(bits_ & 0xFF));
        }
        bits_ = 0;
        used_ = 0;
    }
    QByteArray bytes;

  private:
    quint32 bits_ = 0;
    int used_ = 0;
};

void put16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

QByteArray lzw(const QImage& indexed, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int endOfData = clear + 1;
    int codeSize = minCodeSize + 1;
    int next = endOfData + 1;
    // A string is its prefix code and its last index.
    std::unordered_map<quint32, int> table;
    BitWriter out;
    out.put(clear, codeSize);
    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* row = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int k = row[x];
            if (prefix < 0) {
                prefix = k;
                continue;
            }
            const quint32 key = (static_cast<quint32>(prefix) << 8) | static_cast<quint32>(k);
            const auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            out.put(prefix, codeSize);
            if (next < 4096) {
                table.emplace(key, next++);
                // The reader widens its codes one entry later than we add them.
                if (next > (1 << codeSize) && codeSize < 12) {
                    ++codeSize;
                }
            } else {
                out.put(clear, codeSize);
                table.clear();
                next = endOfData + 1;
                codeSize = minCodeSize + 1;
            }
            prefix = k;
        }
    }
    if (prefix >= 0) {
        out.put(prefix, codeSize);
    }
    out.put(endOfData, codeSize);
    out.flush();
    return out.bytes;
}

} // namespace

QByteArray encodeGif(const QImage& indexed) {
    const int colors = static_cast<int>(indexed.colorCount());
    int bits = 1;
    while ((1 << bits) < colors) {
        ++bits;
    }
    QByteArray gif("GIF89a");
    put16(gif, indexed.width());
    put16(gif, indexed.height());
    gif.append(static_cast<char>(0x80 | ((bits - 1) << 4) | (bits - 1)));
    gif.append('\0'); // background colour
    gif.append('\0'); // square pixels
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < colors ? indexed.color(i) : 0;
        gif.append(static_cast<char>(qRed(c)));
        gif.append(static_cast<char>(qGreen(c)));
        gif.append(static_cast<char>(qBlue(c)));
    }
    gif.append(',');
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, indexed.width());
    put16(gif, indexed.height());
    gif.append('\0');
    const int minCodeSize = bits < 2 ? 2 : bits;
    gif.append(static_cast<char>(minCodeSize));
    const QByteArray data = lzw(indexed, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(static_cast<char>(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}
