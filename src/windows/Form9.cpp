#include "windows/Form9.h"

#include "app/Form1.h"
#include "pattern/Form7.h"
#include "platform/EventYield.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "platform/UserDialogs.h"
#include "render/ColorConvert.h"
#include "render/PictureLoader.h"
#include "windows/FrmPreview.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>

namespace tessaline {

namespace {

constexpr Color kGridLine = 0xC8C8C8;  // RGB(200, 200, 200)
constexpr Color kSeparator = 0xDEDEDE; // RGB(222, 222, 222)
constexpr int kViewMaxWidth = 385;
constexpr int kViewMaxHeight = 327;

template <typename W> W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

QLabel* makeSwatch(QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setAutoFillBackground(true);
    swatch->setFrameShape(QFrame::Panel);
    swatch->setFrameShadow(QFrame::Sunken);
    return swatch;
}

void setSwatchColor(QLabel* swatch, Color color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    swatch->setPalette(palette);
}

} // namespace

// Marks a loop of the window for as long as it lives; the last one to end
// carries out a dispose() that came while it ran.
class Form9::LoopScope {
  public:
    explicit LoopScope(Form9& window) : window_(window) { ++window_.activeLoops_; }
    ~LoopScope() {
        if (--window_.activeLoops_ == 0 && window_.disposeWhenIdle_) {
            window_.deleteLater();
        }
    }
    LoopScope(const LoopScope&) = delete;
    LoopScope& operator=(const LoopScope&) = delete;

  private:
    Form9& window_;
};

Form9::Form9(Form1& form1, int colorCount, int width, int height)
    : QWidget(nullptr), form1_(form1),
      replacement_(form1.context().state.colorList, colorCount, dmcPalette(),
                   {form1.context().state.patternSettings.colorMatch,
                    form1.context().state.patternSettings.threadLimit}) {
    setWindowTitle(tr("绣图颜色替换－用来减少绣图颜色"));
    buildControls();
    loadWindow(width, height);
}

Form9::~Form9() = default;

void Form9::dispose() {
    close();
    if (busy()) {
        disposeWhenIdle_ = true;
    } else {
        delete this;
    }
}

void Form9::buildControls() {
    setFixedSize(twipsRect(0, 0, 10350, 7470).size());

    Picture1 = place(new PictureBox(this), 120, 360, 15, 15);
    Picture1->setMouseTracking(true);
    Shape1 = new QFrame(Picture1);
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture2 = place(new PictureBox(this), 4200, 360, 5895, 4935);
    Label6 = place(new QLabel(tr("颜色总数：0 替换0处"), this), 120, 4920, 2535, 255);

    Picture3 = place(new QFrame(this), 120, 5520, 3255, 1575);
    Picture3->setToolTip(tr("点击替换颜色"));
    Picture5 = new PictureBox(Picture3);
    VScroll3 = new ScrollBar(Qt::Vertical, Picture3);
    Picture4 = place(new QFrame(this), 6840, 5640, 3255, 1455);
    Picture6 = new PictureBox(Picture4);
    VScroll4 = new ScrollBar(Qt::Vertical, Picture4);
    for (QFrame* frame : {Picture3, Picture4}) {
        frame->setFrameShape(QFrame::StyledPanel);
    }

    Label3 = place(new QLabel(tr("目标颜色"), this), 3480, 5760, 900, 255);
    Label1 = place(makeSwatch(this), 4440, 5640, 975, 375);
    Label2 = place(new QLabel(tr("数量："), this), 3480, 6240, 900, 255);
    Label4 = place(new QLabel(this), 4440, 6240, 975, 255);
    Label5 = place(new QLabel(tr("替换颜色"), this), 3480, 6720, 900, 255);
    Label7 = place(makeSwatch(this), 4440, 6720, 975, 375);
    Command1 = place(new QPushButton(tr("<－替换"), this), 5520, 5640, 1215, 375);
    Command2 = place(new QPushButton(tr("撤销"), this), 5520, 6120, 1215, 375);
    Command3 = place(new QPushButton(tr("完成"), this), 5520, 6600, 1215, 375);

    connect(Picture1, &PictureBox::mouseMoved, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Picture1_MouseMove(at.x(), at.y());
    });
    connect(Picture1, &PictureBox::mousePressed, this,
            [this](QMouseEvent*) { Picture1_MouseDown(); });
    connect(Picture2, &PictureBox::mousePressed, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Picture2_MouseDown(at.x(), at.y());
    });
    connect(Picture5, &PictureBox::mousePressed, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Picture5_MouseDown(at.x(), at.y());
    });
    connect(Picture6, &PictureBox::mousePressed, this, [this](QMouseEvent* event) {
        const QPoint at = event->position().toPoint();
        Picture6_MouseDown(at.x(), at.y());
    });
    connect(VScroll3, &QScrollBar::valueChanged, this,
            [this](int value) { Picture5->move(0, -value); });
    connect(VScroll4, &QScrollBar::valueChanged, this,
            [this](int value) { Picture6->move(0, -value); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

void Form9::loadWindow(int width, int height) {
    setWindowIcon(form1_.windowIcon());
    constexpr int kScrollBarWidth = 17;
    for (auto [frame, bar] : {std::pair{Picture3, VScroll3}, std::pair{Picture4, VScroll4}}) {
        bar->setGeometry(frame->width() - kScrollBarWidth - 4, 0, kScrollBarWidth,
                         frame->height() - 3);
        bar->setRange(0, 0);
    }

    // The reduced picture the edit action left; without a reduction method,
    // the sampled region. The window's size is the pattern's, which the edit
    // listed: after a preview without reduction the picture can be an older
    // one of another size.
    const char* file = form1_.ColorBit < 1 ? "tmppicv.bmp" : "tmpcolorv.bmp";
    const PictureLoadResult loaded = loadPicture(form1_.context().workingFile(file));
    imageW = std::clamp(width, 0, kMaxPatternSide);
    imageH = std::clamp(height, 0, kMaxPatternSide);
    Picture1->resize(std::max(imageW, 1), std::max(imageH, 1));
    Picture1->setPicture(loaded.ok() ? loaded.image : QImage());

    magnifyStep = 4;
    Shape1->setGeometry(0, 0, imageW / 4, imageH / 4);
    Picture2->resize(2 * imageW < kViewMaxWidth ? 2 * imageW : kViewMaxWidth,
                     2 * imageH > kViewMaxHeight - 1 ? kViewMaxHeight : 2 * imageH);
    Picture2->cls();
    Picture5->setGeometry(0, 0, SwatchListLayout::kWidth, 600);
    Picture6->setGeometry(0, 0, SwatchListLayout::kWidth, 600);
    Picture5->cls();
    Picture6->cls();
    targetColor = -1;
    replacementColor = -1;
    magnifierClicked_ = false;
    listsDrawn_ = false;
    viewDrawn_ = false;
    Command2->setEnabled(false);
    patternVersion_ = form1_.context().state.patternVersion;

    const LoopScope loop(*this);
    EventYielder yielder;
    replacement_.load(form1_.context().state.patternMatrix, imageW, imageH,
                      [&yielder] { yielder.yield(); });
    // The pattern as it will be stitched: every cell in its thread's colour.
    QImage& image = Picture1->image();
    for (int y = 0; y < imageH; ++y) {
        for (int x = 0; x < imageW; ++x) {
            image.setPixel(x, y, toQRgb(replacement_.threadColor(replacement_.thread(x, y))));
        }
    }
    Picture1->refresh();
    showCounter();
    // The window opens ready to use: the magnified view on the top left
    // corner and the swatch lists drawn, as after a first click on the
    // small picture, so nobody faces empty boxes.
    Picture1_MouseDown();
}

void Form9::Picture1_MouseMove(int x, int y) {
    // The frame's lower right corner follows the pointer; it never leaves
    // the picture at the top or left.
    if (y - Shape1->height() >= 0) {
        Shape1->move(Shape1->x(), y - Shape1->height());
    }
    if (x - Shape1->width() >= 0) {
        Shape1->move(x - Shape1->width(), Shape1->y());
    }
}

void Form9::Picture1_MouseDown() {
    if (!magnifying_) {
        viewLeft_ = Shape1->x();
        viewTop_ = Shape1->y();
        drawMagnifiedView();
    }
    if (!magnifierClicked_) {
        magnifierClicked_ = true;
        drawColorLists();
    }
}

void Form9::drawMagnifiedView() {
    const QScopedValueRollback<bool> magnifying(magnifying_, true);
    const LoopScope loop(*this);
    Picture2->cls();
    const int width = Picture2->width();
    const int height = Picture2->height();
    viewColumns_ = (width + magnifyStep - 1) / magnifyStep;
    const int rows = (height + magnifyStep - 1) / magnifyStep;
    viewThreads_.assign(static_cast<std::size_t>(viewColumns_) * rows, 0);
    EventYielder yielder;
    QImage& image = Picture2->image();
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < viewColumns_; ++column) {
            // The working copy, replacements included; beyond the pattern,
            // white.
            const int cx = viewLeft_ + column;
            const int cy = viewTop_ + row;
            const int thread = cx < imageW && cy < imageH ? replacement_.thread(cx, cy) : 0;
            viewThreads_[static_cast<std::size_t>(row * viewColumns_ + column)] = thread;
            const QRgb fill = toQRgb(thread != 0 ? replacement_.threadColor(thread) : kWhite);
            // A 4-pixel cell whose top and left pixels are the grid lines.
            for (int m = 0; m < magnifyStep; ++m) {
                for (int k = 0; k < magnifyStep; ++k) {
                    const int px = column * magnifyStep + k;
                    const int py = row * magnifyStep + m;
                    if (image.valid(px, py)) {
                        image.setPixel(px, py, k == 0 || m == 0 ? toQRgb(kGridLine) : fill);
                    }
                }
            }
            if (yielder.due()) {
                Picture2->refresh();
                yielder.yieldNow();
            }
        }
    }
    Picture2->refresh();
    viewDrawn_ = true;
}

bool Form9::patternIsCurrent() const {
    return patternVersion_ == form1_.context().state.patternVersion;
}

int Form9::magnifiedThreadAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Picture2->width() || y >= Picture2->height() ||
        x % magnifyStep == 0 || y % magnifyStep == 0) {
        return 0;
    }
    const std::size_t cell =
        static_cast<std::size_t>(y / magnifyStep * viewColumns_ + x / magnifyStep);
    return cell < viewThreads_.size() ? viewThreads_[cell] : 0;
}

void Form9::Picture2_MouseDown(int x, int y) {
    const int thread = magnifiedThreadAt(x, y);
    if (thread != 0 && replacement_.entryOf(thread) != 0) {
        targetColor = thread;
        showTarget();
    }
}

void Form9::Picture5_MouseDown(int x, int y) {
    const int entry = listsDrawn_ ? SwatchListLayout::entryAt(x, y, colorCount()) : 0;
    if (entry != 0) {
        targetColor = replacement_.entry(entry);
        showTarget();
    }
}

void Form9::Picture6_MouseDown(int x, int y) {
    const int entry = listsDrawn_ ? SwatchListLayout::entryAt(x, y, colorCount()) : 0;
    if (entry != 0) {
        replacementColor = replacement_.entry(entry);
        setSwatchColor(Label7, replacement_.threadColor(replacementColor));
    }
}

void Form9::drawColorLists() {
    const LoopScope loop(*this);
    const int count = colorCount();
    const int rows = SwatchListLayout::rows(count);
    EventYielder yielder;
    for (auto [list, bar] : {std::pair{Picture5, VScroll3}, std::pair{Picture6, VScroll4}}) {
        list->resize(SwatchListLayout::kWidth, SwatchListLayout::height(count));
        bar->setMaximum(SwatchListLayout::scrollMaximum(count));
        bar->assign(0);
        list->cls();
    }
    for (PictureBox* list : {Picture5, Picture6}) {
        for (int i = 1; i <= count; ++i) {
            const int row = (i - 1) / SwatchListLayout::kColumns;
            const int column = (i - 1) % SwatchListLayout::kColumns;
            const QRgb fill = toQRgb(replacement_.threadColor(replacement_.entry(i)));
            for (int y = 14 * row + 1; y <= 14 * row + 11; ++y) {
                for (int x = 18 * column + 1; x <= 18 * column + 15; ++x) {
                    if (list->image().valid(x, y)) {
                        list->image().setPixel(x, y, fill);
                    }
                    if (yielder.due()) {
                        list->refresh();
                        yielder.yieldNow();
                    }
                }
            }
        }
        const QRgb separator = toQRgb(kSeparator);
        for (int r = 0; r <= rows; ++r) {
            for (int x = 0; x < SwatchListLayout::kWidth; ++x) {
                if (list->image().valid(x, 14 * r)) {
                    list->image().setPixel(x, 14 * r, separator);
                }
            }
        }
        for (int c = 0; c <= SwatchListLayout::kColumns; ++c) {
            for (int y = 0; y <= 14 * rows; ++y) {
                if (list->image().valid(18 * c, y)) {
                    list->image().setPixel(18 * c, y, separator);
                }
            }
        }
        list->refresh();
    }
    listsDrawn_ = true;
}

void Form9::paintCell(int x, int y, int thread) {
    QImage& image = Picture1->image();
    if (image.valid(x, y)) {
        image.setPixel(x, y, toQRgb(replacement_.threadColor(thread)));
    }
}

void Form9::showCounter() {
    Label6->setText(tr("颜色总数：%1  替换%2 处").arg(colorCount()).arg(replaceCount()));
    if (targetColor >= 0) {
        showTarget();
    }
}

void Form9::showTarget() {
    setSwatchColor(Label1, replacement_.threadColor(targetColor));
    Label4->setText(QString::number(replacement_.cellsOf(targetColor)));
}

void Form9::replaceColor(int target, int replacement) {
    const LoopScope loop(*this);
    EventYielder yielder;
    replacement_.replace(
        target, replacement, [this](int x, int y, int thread) { paintCell(x, y, thread); },
        [this, &yielder] {
            if (yielder.due()) {
                Picture1->refresh();
                yielder.yieldNow();
            }
        });
    Picture1->refresh();
}

void Form9::undoReplace() {
    const LoopScope loop(*this);
    EventYielder yielder;
    replacement_.undo([this](int x, int y, int thread) { paintCell(x, y, thread); },
                      [this, &yielder] {
                          if (yielder.due()) {
                              Picture1->refresh();
                              yielder.yieldNow();
                          }
                      });
    Picture1->refresh();
}

void Form9::Command1_Click() {
    // A replacement, undo or commit in progress works on the same copy.
    if (busy()) {
        return;
    }
    if (targetColor >= 0 && replacementColor >= 0 && targetColor != replacementColor) {
        replaceColor(targetColor, replacementColor);
        Command2->setEnabled(true);
        showCounter();
        if (viewDrawn_) {
            drawMagnifiedView();
        }
    }
    drawColorLists();
}

void Form9::Command2_Click() {
    if (busy()) {
        return;
    }
    undoReplace();
    if (replaceCount() == 0) {
        Command2->setEnabled(false);
    }
    showCounter();
    if (viewDrawn_) {
        drawMagnifiedView();
    }
    drawColorLists();
}

void Form9::Command3_Click() {
    if (busy()) {
        return;
    }
    // A generation in progress is reading the pattern cell by cell. Its
    // running flag stays set after a finished run, so ask whether a run is
    // actually on the stack.
    if (form1_.hasForm7() && form1_.form7()->busy()) {
        form1_.context().dialogs.message(this, tr("绣图正在生成，请等生成结束后再点 完成"),
                                         QStringLiteral("Quillmere inc."));
        return;
    }
    // Opened on an earlier preview or picture: its cells are not the
    // pattern's any more, and a chart must never mix the two.
    if (!patternIsCurrent()) {
        form1_.context().dialogs.message(
            this, tr("效果预览或图片已经改变，这个替换窗口已过时。请重新点 编辑 再替换颜色"),
            QStringLiteral("Quillmere inc."));
        return;
    }
    {
        const LoopScope loop(*this);
        EventYielder yielder;
        Xiubas& state = form1_.context().state;
        replacement_.commit(state.patternMatrix, [&yielder] { yielder.yield(); });
        state.patternChanged();
        patternVersion_ = state.patternVersion;
    }
    Form7* generation = form1_.form7();
    generation->forgetOutdatedChart();
    generation->show();
    generation->raise();
}

} // namespace tessaline
