#include "imaging/DibImage.h"

namespace tessaline {

namespace {

QRgb tableColor(const ClsDIB& dib, int index) {
    const Color c = dib.GetColorTable(index);
    return qRgb(getRed(c), getGreen(c), getBlue(c));
}

} // namespace

QImage dibToImage(const ClsDIB& dib) {
    const int width = dib.Width();
    const int height = dib.Height();
    std::span<const std::uint8_t> bytes;
    const int stride = dib.MapArray(bytes);
    if (width <= 0 || height <= 0 || bytes.empty()) {
        return {};
    }
    const int bits = dib.ColorBit();
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        // Rows are stored bottom-up.
        const std::uint8_t* row = bytes.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            switch (bits) {
            case 1:
                out[x] = tableColor(dib, (row[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                out[x] = tableColor(dib, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
                break;
            case 8:
                out[x] = tableColor(dib, row[x]);
                break;
            case 16: {
                const int v = row[2 * x] | (row[2 * x + 1] << 8);
                out[x] = qRgb(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31,
                              (v & 31) * 255 / 31);
                break;
            }
            case 24:
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                break;
            case 32:
                out[x] = qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
                break;
            default:
                out[x] = qRgb(0, 0, 0);
                break;
            }
        }
    }
    return image;
}

bool imageToDib(const QImage& image, ClsDIB& dib) {
    if (image.isNull() || !dib.Create(image.width(), image.height(), 24, true)) {
        return false;
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::span<std::uint8_t> bytes;
    const int stride = dib.MapArray(bytes);
    const int height = rgb.height();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bytes.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            row[3 * x] = static_cast<std::uint8_t>(qBlue(in[x]));
            row[3 * x + 1] = static_cast<std::uint8_t>(qGreen(in[x]));
            row[3 * x + 2] = static_cast<std::uint8_t>(qRed(in[x]));
        }
    }
    ClsDIB::UnMapArray(bytes);
    return true;
}

} // namespace tessaline
