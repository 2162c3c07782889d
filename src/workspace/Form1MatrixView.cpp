// The stitch-grid view: the pattern matrix magnified, one small square per
// stitch with dark grey grid lines, panned with the two scroll bars or by
// dragging it.
#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "render/StitchGrid.h"
#include "workspace/Rounding.h"

#include <QMouseEvent>

namespace tessaline {

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
    drawStitchGrid(Picture1->image(), context_.state.patternMatrix,
                   StitchGridView{s, viewX, viewY, picmaxW, picmaxH});
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
    const PanStep step = panStep(viewX, viewY, dragX0, dragY0, dragX1, dragY1);
    viewX = step.x;
    viewY = step.y;
    if (step.moves) {
        showMatrixS();
    }
}

} // namespace tessaline
