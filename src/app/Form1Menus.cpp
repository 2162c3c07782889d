// The main window as the hub: buttons, text buttons and menu entries that
// lead to the other windows, the hover highlight with its hints in the
// status line and quitting; the help document is in Form1Help.cpp.
#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "platform/TextButton.h"
#include "platform/Twips.h"
#include "render/ColorConvert.h"
#include "windows/Form2.h"
#include "windows/Form4.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <cmath>

namespace tessaline {

namespace {

constexpr Color kTextButtonNormal = 0x404040;
// The one pointer shared by the working picture and the text buttons.
constexpr Qt::CursorShape kCustomPointer = Qt::PointingHandCursor;

// The system's button-text colour: what a hovered text button turns to.
Color buttonTextColor() {
    return fromQColor(QApplication::palette().color(QPalette::ButtonText));
}

int twipsToWholePixels(int twips) {
    return static_cast<int>(std::lround(twipsToPixels(twips)));
}

// A move that a control left unhandled travels on to the window surface,
// which would take it for the bare area and undo the highlight the control
// just set. The surface only hears moves over its bare area.
class BareAreaFilter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            auto* surface = static_cast<QWidget*>(watched);
            const auto* move = static_cast<QMouseEvent*>(event);
            return surface->childAt(move->position().toPoint()) != nullptr;
        }
        return false;
    }
};

} // namespace

void Form1::connectMenus() {
    Picture4->setCursor(kCustomPointer);
    for (TextButton* label : {Label2, Label3, Label5, Label6, Label7, Label9, Label12}) {
        label->setCursor(kCustomPointer);
    }
    for (TextButton* label :
         {Label2, Label3, Label5, Label6, Label7, Label9, Label11, Label12, Label13}) {
        connect(label, &TextButton::hovered, this, [this, label] { textButtonHovered(label); });
    }
    surface->installEventFilter(new BareAreaFilter(surface));
    connect(static_cast<HoverSurface*>(surface), &HoverSurface::hovered, this,
            [this] { surfaceHovered(); });

    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(fop1, &QAction::triggered, this, [this] { fop1_Click(); });
    connect(Command13, &QPushButton::clicked, this, [this] { Command13_Click(); });
    connect(helpGuide, &QAction::triggered, this, [this] { Command13_Click(); });
    connect(fop6, &QAction::triggered, this, [this] { fop6_Click(); });
    connect(freg4, &QAction::triggered, this, [this] { freg4_Click(); });

    // "打印绣图" used to pretend, now and then, that no printer was found;
    // like "打印" it now prints a finished chart, or leads to the
    // generation window, where printing is.
    connect(Label2, &TextButton::clicked, this, &Form1::generateRequested);
    connect(Label3, &TextButton::clicked, this, [this] { printCommand(); });
    connect(fop3, &QAction::triggered, this, &Form1::generateRequested);
    connect(fop4, &QAction::triggered, this, [this] { printCommand(); });
}

Form2* Form1::form2() {
    return form2_.get([this] {
        auto* window = new Form2(*this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    });
}

Form4* Form1::form4() {
    return form4_.get([] {
        auto* window = new Form4();
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    });
}

void Form1::Command5_Click() {
    Form2* browser = form2();
    browser->move(x() + twipsToWholePixels(1800), y() + twipsToWholePixels(1400));
    browser->show();
    browser->raise();
    previewDone = 0;
}

void Form1::fop1_Click() {
    Form2* browser = form2();
    browser->show();
    browser->raise();
}

void Form1::freg4_Click() {
    Form4* about = form4();
    about->show();
    about->raise();
}

void Form1::fop6_Click() {
    unloadOtherWindows();
    close();
}

void Form1::textButtonHovered(TextButton* label) {
    label->setForeColor(buttonTextColor());
    if (label == Label5) {
        Label4->setText(tr("增加颜色，得到更逼真效果。需要更多绣线"));
    } else if (label == Label6) {
        Label4->setText(
            tr("只要10种颜色就可以绣出照片般效果，大大节约绣线。这就是Quillmere的神奇科技!"));
    } else if (label == Label7) {
        Label4->setText(tr("加入文字"));
    }
}

void Form1::surfaceHovered() {
    for (TextButton* label :
         {Label2, Label3, Label5, Label6, Label7, Label9, Label11, Label12, Label13}) {
        label->setForeColor(kTextButtonNormal);
    }
}

} // namespace tessaline
