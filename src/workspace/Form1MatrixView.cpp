// The stitch-grid view: the pattern matrix magnified, one small square per
// stitch with dark grey grid lines, panned with the two scroll bars or by
// dragging it.
#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "render/ColorConvert.h"
#include "workspace/Rounding.h"

#include <QMouseEvent>

namespace tessaline {

namespace {
constexpr Color kMatrixGridColor = 0x202020;
} // namespace

void Form1::connectMatrixView() {
    connect(wMatrix, &QScrollBar::valueChanged, this, [this] { wMatrix_Change(); });
    connect(Hmatrix, &QScrollBar::valueChanged, this, [this] { Hmatrix_Change(); });
    connect(Picture1, &PictureBox::mousePressed, this, [this](QMouseEvent* event) {
        Picture1_MouseDown(static_cast<float>(event->position().x()),
                           static_cast<float>(event->position().y()));
    });
    connect(Picture1, &PictureBox::mouseReleased, this, [this](QMouseEvent* event) {
        Picture1_MouseUp(static_cast<float>(event->position().x()),
                         static_cast<float>(event->position().y()));
    });
}

void Form1::drawMatrixS() {
    const int s = matrixCellSize;
    const int widthPx = roundHalfEven(picW) * s;
    const int heightPx = picH * s;
    Picture1->setGeometry(0, 0, widthPx, heightPx);
    Picture1->cls();
    QImage& image = Picture1->image();
    const QRgb grid = toQRgb(kMatrixGridColor);
    const QRgb white = toQRgb(kWhite);
    const CellMatrix& matrix = context_.state.patternMatrix;
    // Each cell shows its colour in an (s-1) x (s-1) square with the grid on
    // its top and left edges; cells beyond the largest pattern are white.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const int row = y / s + viewY;
        const bool gridRow = y % s == 0;
        for (int x = 0; x < image.width(); ++x) {
            if (gridRow || x % s == 0) {
                line[x] = grid;
                continue;
            }
            const int column = x / s + viewX;
            line[x] =
                (column + 1 > picmaxW || row + 1 > picmaxH) ? white : toQRgb(matrix(column, row));
        }
    }
    Picture1->refresh();
}

void Form1::showMatrixS() {
    Picture1->move(-viewX, -viewY);
}

void Form1::wMatrix_Change() {
    Picture1->move(-wMatrix->value(), Picture1->y());
}

void Form1::Hmatrix_Change() {
    Picture1->move(Picture1->x(), -Hmatrix->value());
}

void Form1::Picture1_MouseDown(float x, float y) {
    dragX0 = x;
    dragY0 = y;
}

void Form1::Picture1_MouseUp(float x, float y) {
    dragX1 = x;
    dragY1 = roundHalfEven(y);
    const double dx = (dragX0 - dragX1) / 2.0;
    viewX = viewX + roundHalfEven(dx);
    viewY = viewY + roundHalfEven((dragY0 - static_cast<float>(dragY1)) / 2.0);
    viewX = std::max(viewX, 0);
    viewY = std::max(viewY, 0);
    // Only the horizontal movement decides whether the view follows.
    if (dx > 1 || dx < -1) {
        showMatrixS();
    }
}

} // namespace tessaline
