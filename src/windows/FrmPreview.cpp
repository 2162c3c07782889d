#include "windows/FrmPreview.h"

#include "pattern/PatternThreads.h"
#include "render/ColorConvert.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace tessaline {

Color finalPreviewCellColor(const FinalPreviewSource& source, int x, int y) {
    // What is left unstitched shows the cloth.
    if ((*source.colorIndexMatrix)(x, y) == kUnstitchedIndex) {
        return source.threads->fabricColor;
    }
    if (source.maxColor < 51) {
        return source.threads->indexColor((*source.colorIndexMatrix)(x, y));
    }
    return (*source.patternMatrix)(x, y);
}

FrmPreview::FrmPreview(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    Label1 =
        new QLabel(tr("本预览图使用实际绣线颜色绘制和绣图效果完全相同，为了取得客观效果，"), this);
    Label2 = new QLabel(tr("请您离开电脑屏幕1-2米的距离观看"), this);
    QPalette blue = Label2->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 192));
    Label2->setPalette(blue);
    for (QLabel* label : {Label1, Label2}) {
        label->adjustSize();
        label->hide();
    }
    Timer1.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
}

void FrmPreview::open(const FinalPreviewSource& source) {
    source_ = source;
    // Drawn again on the second tick after every opening.
    tickCount = 0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    setGeometry(0, 0, screenSize.width(), screenSize.height());
    drawing_ = QImage(screenSize, QImage::Format_RGB32);
    drawing_.fill(palette().color(QPalette::Window));
    Label1->move(0, 10);
    Label2->move(0, 30);
    Timer1.start();
    show();
    raise();
}

void FrmPreview::Timer1_Timer() {
    Label1->move(0, 10);
    Label2->move(0, 30);
    Label1->show();
    Label2->show();
    ++tickCount;
    if (tickCount != 2) {
        return;
    }
    Timer1.stop();
    drawPattern();
}

void FrmPreview::drawPattern() {
    if (source_.threads == nullptr || source_.colorIndexMatrix == nullptr ||
        source_.patternMatrix == nullptr) {
        return;
    }
    const int gw = std::min(source_.gw, kMaxPatternSide);
    const int gh = std::min(source_.gh, kMaxPatternSide);
    QPainter painter(&drawing_);
    for (int y = 0; y < gh; ++y) {
        for (int x = 0; x < gw; ++x) {
            // A solid 3 x 3 cell, cells touching, below the two text lines.
            painter.fillRect(3 * x + 11, 3 * y + 61, 3, 3,
                             toQColor(finalPreviewCellColor(source_, x, y)));
        }
    }
    update();
}

void FrmPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, drawing_);
}

void FrmPreview::mousePressEvent(QMouseEvent*) {
    close();
}

void FrmPreview::closeEvent(QCloseEvent* event) {
    Timer1.stop();
    tickCount = 0;
    QWidget::closeEvent(event);
}

} // namespace tessaline
