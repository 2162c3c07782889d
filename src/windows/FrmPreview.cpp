#include "windows/FrmPreview.h"

#include "render/FinishedLookImage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace tessaline {

FrmPreview::FrmPreview(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    Label1 =
        new QLabel(tr("本预览图使用实际绣线颜色绘制和绣图效果完全相同，为了取得客观效果，"), this);
    Label2 = new QLabel(tr("请您离开电脑屏幕1-2米的距离观看"), this);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label2->setPalette(blue);
    LabelHint = new QLabel(tr("（点击画面任意处或按 Esc 键关闭）"), this);
    for (QLabel* label : {Label1, Label2, LabelHint}) {
        label->adjustSize();
        label->hide();
    }
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void FrmPreview::open(const Pattern& pattern) {
    pattern_.emplace(pattern);
    // Drawn again on the second tick after every opening.
    tickCount = 0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    setGeometry(0, 0, screenSize.width(), screenSize.height());
    drawing_ = QImage(screenSize, QImage::Format_RGB32);
    drawing_.fill(palette().color(QPalette::Window));
    placeLabels();
    Timer1.start();
    show();
    raise();
    activateWindow();
    setFocus();
}

void FrmPreview::placeLabels() {
    Label1->move(0, 10);
    Label2->move(0, 30);
    LabelHint->move(Label2->width() + 24, 30);
}

void FrmPreview::Timer1_Timer() {
    placeLabels();
    Label1->show();
    Label2->show();
    LabelHint->show();
    ++tickCount;
    if (tickCount != 2) {
        return;
    }
    Timer1.stop();
    drawPattern();
}

void FrmPreview::drawPattern() {
    if (!pattern_) {
        return;
    }
    // Below the two text lines.
    QPainter painter(&drawing_);
    painter.drawImage(11, 61, finishedLookImage(*pattern_));
    update();
}

void FrmPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, drawing_);
}

void FrmPreview::mousePressEvent(QMouseEvent*) {
    close();
}

void FrmPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmPreview::closeEvent(QCloseEvent* event) {
    Timer1.stop();
    tickCount = 0;
    QWidget::closeEvent(event);
}

} // namespace tessaline
