// The main window's sizing and zoom: the size bars move and resize the
// pattern frame and rewrite the fabric-size line; zoom and the two mode
// commands redraw the picture under the frame.
#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"
#include "platform/Twips.h"
#include "workspace/Rounding.h"
#include "workspace/WorkspaceModel.h"

#include <QLabel>
#include <QPushButton>

namespace tessaline {

void Form1::connectSizing() {
    // valueChanged fires for assigned values, drags and range changes alike,
    // which is the chaining the hand-over and the zoom handler rely on.
    connect(wChange, &QScrollBar::valueChanged, this, [this] { wChange_Change(); });
    connect(Hchange, &QScrollBar::valueChanged, this, [this] { Hchange_Change(); });
    connect(zoom, &QScrollBar::valueChanged, this, [this] { zoom_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Label5, &TextButton::clicked, this, [this] { Label5_Click(); });
    connect(Label6, &TextButton::clicked, this, [this] { Label6_Click(); });
}

void Form1::rebuildFabricLine() {
    Label1->setText(fabricSizeText(fabricSize(picW, picH)));
}

// The frame's pixel geometry follows the exact (possibly half-pixel) place.
void Form1::placeFrameWidth() {
    frame_ = framePosition(area_, picW, picH);
    Picture2->setGeometry(static_cast<int>(frame_.left), Picture2->y(), roundHalfEven(picW),
                          Picture2->height());
}

void Form1::placeFrameHeight() {
    frame_ = framePosition(area_, picW, picH);
    Picture2->setGeometry(Picture2->x(), static_cast<int>(frame_.top), Picture2->width(), picH);
}

void Form1::wChange_Change() {
    picW = wChange->value();
    rebuildFabricLine();
    placeFrameWidth();
}

void Form1::Hchange_Change() {
    picH = Hchange->value();
    rebuildFabricLine();
    placeFrameHeight();
}

void Form1::zoom_Change() {
    const QImage& source = Picture3->picture();
    if (ifScale == 0) {
        // The same rule as the command line's whole-picture mode.
        const WholePictureFrame size = wholePictureFrame(area_, zoom->value(), xyRate);
        picW = size.frameWidth;
        picH = size.frameHeight;
        placeFrameHeight();
        placeFrameWidth();
        wChange->assign(size.frameWidth);
        Hchange->assign(size.frameHeight);
        Picture4->setGeometry(0, 0, size.pictureWidth, size.pictureHeight);
        rebuildFabricLine();
        Picture4->cls();
        Picture4->stretchFrom(source);
    } else {
        const int width = zoom->value();
        const int height = roundHalfEven(width * static_cast<double>(xyRate));
        Picture4->setGeometry(0, 0, width, height);
        Picture4->cls();
        Picture4->stretchFrom(source);
    }
}

void Form1::Command1_Click() {
    moveX1 = 0;
    moveY1 = 0;
    ifScale = 1;
    // What the frame shows must be what the preview samples: the picture
    // goes back to the frame's corner with the offsets, zoomed or not.
    Picture4->move(0, 0);
    if (zoom->value() + 15 < zoom->maximum()) {
        zoom->assign(zoom->value() + 15);
    }
    Command1->setEnabled(false);
    Command11->setEnabled(true);
}

bool Form1::Command11_Click() {
    moveX1 = 0;
    moveY1 = 0;
    ifScale = 0;
    const int width = roundHalfEven(picW);
    // A frame narrower than the zoom's minimum is refused and ends the command.
    if (width < zoom->minimum()) {
        return false;
    }
    // In this mode the zoom is the pattern width: a picture narrower than the
    // frame must not keep it from taking the frame's width.
    if (width > zoom->maximum()) {
        zoom->setMaximum(width);
    }
    if (zoom->value() == width) {
        zoom_Change(); // no change of value, but the picture must be squeezed
    } else {
        zoom->assign(width);
    }
    Command1->setEnabled(true);
    Command11->setEnabled(false);
    return true;
}

void Form1::Label5_Click() {
    if (zoom->value() + 5 < zoom->maximum()) {
        zoom->assign(zoom->value() + 5);
    }
}

void Form1::Label6_Click() {
    if (zoom->value() - 5 > zoom->minimum()) {
        zoom->assign(zoom->value() - 5);
    }
}

} // namespace tessaline
