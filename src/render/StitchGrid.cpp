#include "render/StitchGrid.h"

#include "render/ColorConvert.h"

namespace tessaline {

namespace {
constexpr Color kGridColor = 0x202020;
} // namespace

void drawStitchGrid(QImage& image, const CellMatrix& matrix, const StitchGridView& view) {
    const int s = view.cellSize;
    const QRgb grid = toQRgb(kGridColor);
    const QRgb white = toQRgb(kWhite);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int row = y / s + view.viewY;
        const bool gridRow = y % s == 0;
        for (int x = 0; x < image.width(); ++x) {
            if (gridRow || x % s == 0) {
                line[x] = grid;
                continue;
            }
            const int column = x / s + view.viewX;
            line[x] = (column + 1 > view.maxColumns || row + 1 > view.maxRows)
                          ? white
                          : toQRgb(matrix(column, row));
        }
    }
}

} // namespace tessaline
