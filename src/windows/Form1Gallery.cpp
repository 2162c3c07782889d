// The main window's ways into the sample gallery: the "绣图图库" button and
// the menu entry of the same name.
#include "app/Form1.h"
#include "platform/Twips.h"
#include "windows/Form6.h"

#include <QAction>
#include <QPushButton>
#include <cmath>

namespace tessaline {

namespace {

int twipsToWholePixels(int twips) {
    return static_cast<int>(std::lround(twipsToPixels(twips)));
}

} // namespace

void Form1::connectGallery() {
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(fset4, &QAction::triggered, this, [this] { fset4_Click(); });
}

Form6* Form1::form6() {
    return form6_.get([this] {
        auto* window = new Form6(*this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    });
}

void Form1::Command6_Click() {
    Form6* gallery = form6();
    gallery->move(x() + twipsToWholePixels(4800), y() + twipsToWholePixels(1400));
    gallery->show();
    gallery->raise();
    previewDone = 0;
}

void Form1::fset4_Click() {
    Form6* gallery = form6();
    gallery->show();
    gallery->raise();
}

} // namespace tessaline
