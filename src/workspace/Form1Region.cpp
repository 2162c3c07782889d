// The main window's region selection and text overlay: the picture is
// dragged under the frame, a line of text follows the pointer and is stamped
// into the picture, and "还原" puts the loaded picture back.
#include "app/Form1.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"
#include "platform/UserDialogs.h"
#include "render/ColorConvert.h"
#include "workspace/Rounding.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <functional>

namespace tessaline {

namespace {

// Hands the clicks of a control to a handler: a click into the text box
// (passed on, so the box still takes the focus), or a click on the overlay
// (kept, so the picture beneath does not also take the press).
class ClickFilter : public QObject {
  public:
    ClickFilter(QObject* parent, std::function<void()> handler, bool keepPress)
        : QObject(parent), handler_(std::move(handler)), keepPress_(keepPress) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            if (!keepPress_) {
                handler_();
            }
            return keepPress_;
        }
        if (keepPress_ && event->type() == QEvent::MouseButtonRelease) {
            handler_();
            return true;
        }
        return false;
    }

  private:
    std::function<void()> handler_;
    bool keepPress_;
};

float xOf(const QMouseEvent* event) {
    return static_cast<float>(event->position().x());
}
float yOf(const QMouseEvent* event) {
    return static_cast<float>(event->position().y());
}

} // namespace

void Form1::connectRegion() {
    Picture4->setMouseTracking(true);
    Label8->setAutoFillBackground(false);
    setOverlayFont(Label8->font());
    setOverlayColor(0);

    connect(Picture4, &PictureBox::mousePressed, this,
            [this](QMouseEvent* event) { Picture4_MouseDown(xOf(event), yOf(event)); });
    connect(Picture4, &PictureBox::mouseMoved, this,
            [this](QMouseEvent* event) { Picture4_MouseMove(xOf(event), yOf(event)); });
    connect(Picture4, &PictureBox::mouseReleased, this,
            [this](QMouseEvent* event) { Picture4_MouseUp(xOf(event), yOf(event)); });
    Text1->installEventFilter(new ClickFilter(
        Text1, [this] { Text1_Click(); }, false));
    Label8->installEventFilter(new ClickFilter(
        Label8, [this] { Label8_Click(); }, true));
    connect(Label7, &TextButton::clicked, this, [this] { Label7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Label11, &TextButton::clicked, this, [this] { Label11_Click(); });
    connect(Label13, &TextButton::clicked, this, [this] { Label13_Click(); });
    connect(Command12, &QPushButton::clicked, this, [this] { Command12_Click(); });
}

void Form1::Picture4_MouseDown(float x, float y) {
    if (!Label8->isHidden()) {
        stampOverlayAt(x - Label8->width(), y - Label8->height());
    }
    Label8->hide();
    dragX0 = x;
    dragY0 = y;
}

void Form1::Picture4_MouseMove(float x, float y) {
    if (!Label8->isHidden()) {
        // The text hangs up and to the left of the pointer.
        Label8->move(roundHalfEven(x) - Label8->width(), roundHalfEven(y) - Label8->height());
    }
}

void Form1::Picture4_MouseUp(float x, float y) {
    dragX1 = x;
    dragY1 = roundHalfEven(y);
    const PanStep step = panStep(moveX1, moveY1, dragX0, dragY0, dragX1, dragY1);
    moveX1 = step.x;
    moveY1 = step.y;
    // In whole-picture mode the offsets change but the picture stays put.
    if (ifScale != 0 && step.moves) {
        Picture4->move(-moveX1, -moveY1);
    }
}

void Form1::Label7_Click() {
    Text1->show();
    Command8->show();
    Command9->show();
}

void Form1::Text1_Click() {
    ++text1Clicks;
    // Only the first click clears the placeholder; later ones keep the text.
    if (text1Clicks == 1) {
        Text1->clear();
    }
}

void Form1::Command8_Click() {
    Text1->hide();
    Command8->hide();
    Command9->hide();
    Label8->setText(Text1->text());
    Label8->adjustSize();
    Label8->show();
}

void Form1::Command9_Click() {
    Text1->hide();
    Command8->hide();
    Command9->hide();
}

void Form1::Label8_Click() {
    if (Label8->isHidden()) {
        return;
    }
    stampOverlayAt(Label8->x(), Label8->y());
    Label8->hide();
}

void Form1::stampOverlayAt(double x, double y) {
    Picture4->currentX = x;
    Picture4->currentY = y;
    Picture4->print(Label8->text());
    // The text becomes part of the pattern at once.
    runSamplingStep();
}

void Form1::Label11_Click() {
    // A cancelled dialog keeps the previous choice.
    if (const auto font = context_.dialogs.chooseFont(this, Picture4->drawFont())) {
        setOverlayFont(*font);
    }
}

void Form1::Label13_Click() {
    if (const auto color = context_.dialogs.chooseColor(this, Picture4->foreColor())) {
        setOverlayColor(*color);
    }
}

void Form1::setOverlayFont(const QFont& font) {
    // Stitches are whole cells: stamped text without smoothed edges keeps to
    // the chosen colour instead of a fringe of blends.
    QFont crisp = font;
    crisp.setStyleStrategy(QFont::NoAntialias);
    Label8->setFont(crisp);
    Picture4->setDrawFont(crisp);
    Label8->adjustSize();
}

void Form1::setOverlayColor(Color color) {
    QPalette palette = Label8->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    Label8->setPalette(palette);
    Picture4->setForeColor(color);
}

void Form1::Command12_Click() {
    Command1_Click();
    showPictureAtNaturalSize();
}

void Form1::showPictureAtNaturalSize() {
    const QImage& picture = Picture3->picture();
    if (picture.isNull()) {
        Picture4->cls();
        return;
    }
    {
        // The picture is drawn right below: no redraw at the zoom's width.
        const QSignalBlocker quiet(zoom);
        zoom->setValue(picture.width());
    }
    Picture4->setPicture(picture);
    Picture4->setGeometry(0, 0, picture.width(), picture.height());
    Picture4->cls();
}

} // namespace tessaline
