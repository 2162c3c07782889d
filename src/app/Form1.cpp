#include "app/Form1.h"

#include "imaging/ClsDIB.h"
#include "imaging/Form3.h"
#include "pattern/Form7.h"
#include "platform/CaptionFit.h"
#include "platform/DisplayContext.h"
#include "platform/DocumentWindow.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"
#include "platform/Twips.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form6.h"
#include "windows/Form9.h"
#include "windows/FrmPreview.h"
#include "windows/MobileCap.h"
#include "workspace/WorkspaceModel.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace tessaline {

namespace {

// The text buttons are drawn in dark grey until the pointer is over them.
constexpr Color kTextButtonColor = 0x404040;

template <typename W> W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

QPushButton* makeButton(QWidget* parent, const QString& caption) {
    return new QPushButton(caption, parent);
}

TextButton* makeTextButton(QWidget* parent, const QString& caption) {
    auto* label = new TextButton(caption, parent);
    label->setForeColor(kTextButtonColor);
    return label;
}

} // namespace

Form1::Form1(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context), srcDIB_(std::make_unique<ClsDIB>()),
      dstDIB_(std::make_unique<ClsDIB>()), displayDC_(std::make_unique<DisplayContext>()) {
    setWindowTitle(QStringLiteral("Tessaline V2008"));
    buildControls();
    buildMenus();
    connectSizing();
    connectEffectPreview();
    connectMatrixView();
    connectGeneration();
    connectPatternOpening();
    connectMenus();
    connectSettings();
    connectRegion();
    connectCapture();
    connectEditAction();
    connectGallery();
    connectPictureDrop();
    // Nothing inside grows with the window, so it keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

Form1::~Form1() {
    unload();
}

void Form1::buildControls() {
    auto* client = new HoverSurface(this);
    client->setMouseTracking(true);
    surface = client;
    setCentralWidget(surface);
    surface->setFixedSize(twipsRect(0, 0, 12285, 7725).size());

    Picture3 = place(new PictureBox(surface), 4080, 5400, 495, 495);
    Picture3->setAutoSize(true);
    Picture3->hide();

    // Tall enough for the caption above the largest frame, which starts
    // below it (see load()).
    frameMyPicture = place(new QGroupBox(tr("我的图片"), surface), 360, 960, 3615, 4065);
    Picture2 = place(new PictureBox(frameMyPicture), 0, 0, 2055, 2175);
    Picture4 = place(new PictureBox(Picture2), 0, 0, 2055, 2175);
    Picture4->setCursor(Qt::OpenHandCursor);
    Label8 = new QLabel(Picture4);
    Label8->hide();

    Picture6 = place(new PictureBox(surface), 5100, 960, 6615, 6495);
    Picture1 = place(new PictureBox(Picture6), 0, 0, 6495, 6375);

    wChange = place(new ScrollBar(Qt::Horizontal, surface), 360, 600, 3615, 255);
    wChange->setRange(16, 230);
    Hchange = place(new ScrollBar(Qt::Vertical, surface), 4080, 1080, 255, 3735);
    Hchange->setRange(16, 250);
    zoom = place(new ScrollBar(Qt::Horizontal, surface), 360, 5040, 3615, 255);
    zoom->setRange(16, 255);
    zoom->setValue(16);
    wMatrix = place(new ScrollBar(Qt::Horizontal, surface), 5100, 660, 6555, 255);
    Hmatrix = place(new ScrollBar(Qt::Vertical, surface), 11880, 960, 255, 6495);

    Label1 = place(new QLabel(tr("绣布：宽高156x221 "), surface), 5100, 240, 3675, 255);
    Label4 = place(new QLabel(tr("欢迎使用Tessaline，动手把你的照片做成十字绣！"), surface), 180,
                   6960, 4095, 735);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Command5 = place(makeButton(surface, tr("导入图片")), 120, 120, 975, 375);
    Command6 = place(makeButton(surface, tr("绣图图库")), 1080, 120, 975, 375);
    Command7 = place(makeButton(surface, tr("绣图设置", "button")), 2040, 120, 1095, 375);
    Command13 = place(makeButton(surface, tr("帮助")), 3120, 120, 855, 375);
    CommandOpenPattern = place(makeButton(surface, tr("打开绣图...")), 3960, 120, 1095, 375);
    Command1 = place(makeButton(surface, tr("局部")), 120, 5400, 555, 375);
    Command1->setEnabled(false);
    Command11 = place(makeButton(surface, tr("全图")), 660, 5400, 555, 375);
    Command12 = place(makeButton(surface, tr("还原")), 1200, 5400, 555, 375);
    Command3 = place(makeButton(surface, tr("保存效果")), 1920, 5400, 945, 375);
    Command4 = place(makeButton(surface, tr("效果预览->")), 2880, 5400, 1095, 375);
    Command2 = place(makeButton(surface, tr("效果预览->")), 4200, 6540, 675, 375);
    Command2->hide();
    Command8 = place(makeButton(surface, tr("确定")), 2220, 6540, 735, 375);
    Command8->hide();
    Command9 = place(makeButton(surface, tr("清除")), 3180, 6540, 735, 375);
    Command9->hide();
    Text1 = place(new QLineEdit(tr("在这里输入你的文字"), surface), 180, 6600, 1935, 270);
    Text1->hide();

    Picture5 = place(new PictureBox(surface), 4080, 4920, 495, 375);
    Picture5->hide();
    Label10 = place(new QLabel(tr("超级减色"), surface), 2640, 5880, 795, 255);
    Label10->hide();

    Label2 = place(makeTextButton(surface, tr("生成")), 9360, 240, 555, 255);
    Label9 = place(makeTextButton(surface, tr("编辑")), 10320, 240, 495, 255);
    Label3 = place(makeTextButton(surface, tr("打印")), 11160, 240, 495, 255);
    Label5 = place(makeTextButton(surface, tr("放大")), 180, 6300, 435, 255);
    Label5->setToolTip(tr("放大预览图片。"));
    Label6 = place(makeTextButton(surface, tr("缩小")), 840, 6300, 495, 255);
    Label6->setToolTip(tr("缩小预览图片"));
    Label7 = place(makeTextButton(surface, tr("文字")), 1560, 6300, 495, 255);
    Label7->setToolTip(tr("给绣图加入文字"));
    Label11 = place(makeTextButton(surface, tr("字体选择")), 2220, 6300, 855, 255);
    Label13 = place(makeTextButton(surface, tr("字体颜色")), 3120, 6300, 855, 255);
    Label12 = place(makeTextButton(surface, tr("超级减色")), 4080, 6300, 855, 255);
    // A longer caption takes the room up to the next control.
    widenToCaption(Label2, twipsRect(0, 0, 10320 - 9360, 0).width());
    widenToCaption(Label5, twipsRect(0, 0, 840 - 180, 0).width());
    widenToCaption(Label6, twipsRect(0, 0, 1560 - 840, 0).width());
    widenToCaption(Label13, twipsRect(0, 0, 4080 - 3120, 0).width());
}

void Form1::buildMenus() {
    fop0 = menuBar()->addMenu(tr("文件"));
    fop1 = fop0->addAction(tr("导入图片文件"));
    fopOpenPattern = fop0->addAction(tr("打开绣图..."));
    fop2 = fop0->addAction(tr("直接屏幕截图"));
    fop3 = fop0->addAction(tr("生成我的绣图"));
    fop4 = fop0->addAction(tr("打印绣图"));
    fop0->addSeparator();
    fop6 = fop0->addAction(tr("退出Tessaline"));
    fset = menuBar()->addMenu(tr("设置"));
    fset1 = fset->addAction(tr("软件设置"));
    fset3 = fset->addAction(tr("绣图设置"));
    fset->addSeparator();
    fset4 = fset->addAction(tr("绣图图库"));
    helpMenu = menuBar()->addMenu(tr("帮助"));
    helpGuide = helpMenu->addAction(tr("使用说明"));
    freg4 = helpMenu->addAction(tr("关于..."));
}

void Form1::load() {
    Xiubas& state = context_.state;
    picmaxW = 230;
    picmaxH = 250;
    // The frame area starts below the box's caption: a picture 250 pixels
    // high never paints over "我的图片".
    constexpr int kFrameAreaTop = 18;
    area_ = PreviewArea{picmaxW, picmaxH, 4, kFrameAreaTop};
    ColorBit = 16;
    state.gridSize = 10;
    picW = 117;
    picH = 132;
    Hchange->assign(132);
    wChange->assign(117);
    wMatrix->setMaximum(6 * picmaxW);
    Hmatrix->setMaximum(6 * picmaxH);
    matrixCellSize = 4;
    xyRate = 1.0F;
    ifScale = 1;
    // srcDIB and dstDIB were created empty with the window.
    displayDC_->open();
    Label8->hide();

    Command11_Click();
    Command1_Click();
    QCoreApplication::processEvents();
    state.picturePath = context_.startPicturePath();
    // The start-up picture keeps the welcome in the status line.
    const QString welcome = Label4->text();
    const bool started = loadWorkspacePicture();
    Label4->setText(welcome);
    if (!started) {
        // A missing or unreadable start-up picture leaves the workspace
        // empty but usable, without a message.
        ColorBit = 16;
        runSamplingStep();
        return;
    }
    QCoreApplication::processEvents();
    wChange->assign(117);
    QCoreApplication::processEvents();
}

bool Form1::loadWorkspacePicture() {
    ifScale = 1;
    // picturePath holds the file system's own bytes (see FileNames.h).
    std::filesystem::path path(context_.state.picturePath);
    if (path.is_relative()) {
        path = context_.workingFolder / path;
    }
    const PictureLoadResult loaded = loadPicture(path);
    if (!loaded.ok()) {
        lastLoadError_ = loaded.error;
        return false;
    }
    lastLoadError_ = PictureLoadError::None;
    // A replacement window works on the previous picture's pattern.
    form9_.unload();
    pictureTransparency_ = loaded.transparency;
    Picture3->setPicture(loaded.image);
    Picture4->setPicture(loaded.image);

    const LoadedPictureSizes sizes =
        loadedPictureSizes(area_, loaded.image.width(), loaded.image.height());
    // A picture smaller than the size bars' minimum gets the smallest frame,
    // as on the command line, rather than a refusal after it was shown.
    const QSize frame = handOverFrameSize(sizes);
    wChange->setMaximum(picmaxW);
    Hchange->setMaximum(picmaxH);
    if (!Hchange->assign(frame.height())) {
        return false;
    }
    xyRate = sizes.xyRate;
    if (!wChange->assign(frame.width())) {
        return false;
    }
    wChange->setMinimum(16);
    Hchange->setMinimum(16);
    moveX1 = 0;
    moveY1 = 0;
    zoom->setMinimum(sizes.zoomMin);
    zoom->setMaximum(sizes.zoomMax);
    zoom->setPageStep(sizes.zoomLargeChange);
    zoom->setSingleStep(sizes.zoomSmallChange);
    if (!sizes.zoomVisible) {
        zoom->hide();
    }
    // Whatever the previous picture left behind (a squeezed box, a frame
    // the size bars did not show), the new one is shown at its natural size
    // at the frame's corner, the buttons say region mode, and frame, bars
    // and fabric line agree.
    showPictureAtNaturalSize();
    Command1->setEnabled(false);
    Command11->setEnabled(true);
    wChange_Change();
    Hchange_Change();
    // A picture larger than the frame shows only its corner: say so where
    // the user looks, with the two ways to a better choice.
    if (loaded.image.width() > patternWidth() || loaded.image.height() > patternHeight()) {
        Label4->setText(tr("图片比取景框大，现在按原大小显示其中一部分：拖动图片可移动取景位置，"
                           "点 全图 可使用整张图片。"));
    }
    return true;
}

void Form1::closeEvent(QCloseEvent* event) {
    unload();
    QMainWindow::closeEvent(event);
}

void Form1::unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    displayDC_->close();
    unloadOtherWindows();
    emit unloading();
}

void Form1::unloadOtherWindows() {
    // Closing the generation window clears its running flag, so a generation
    // in progress stops at its next step; its loop still holds the window
    // until it returns.
    form7_.unload();
    form4_.unload();
    form2_.unload();
    form3_.unload();
    form6_.unload();
    mobileCap_.unload();
    form9_.unload();
    // Not one of the program's windows: the help, shown where the desktop
    // has no program for it.
    helpWindow_.unload();
}

} // namespace tessaline
