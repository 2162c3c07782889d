#include "pattern/Form7.h"

#include "app/Form1.h"
#include "pattern/BookSettings.h"
#include "platform/CaptionFit.h"
#include "platform/ChoiceBox.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/UserDialogs.h"
#include "render/ChartCanvas.h"
#include "render/PatternFormats.h"
#include "windows/FrmPreview.h"
#include "workspace/Rounding.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <algorithm>

namespace tessaline {

namespace {
// A button as wide as its caption and a margin each side, not the style's
// wider default: the top row holds five buttons and two lists.
int captionWidth(const QPushButton& button) {
    return button.fontMetrics().horizontalAdvance(button.text()) + 16;
}

constexpr int kViewportWidth = 760;
constexpr int kViewportHeight = 520;
constexpr int kProgressTrackWidth = 300;
// The pattern book's row sits between the settings and the status line.
constexpr int kBookRowTop = 72;
constexpr int kStatusTop = kBookRowTop + 30;
constexpr int kViewportTop = kStatusTop + 28;
} // namespace

Form7::Form7(Form1& form1, QWidget* parent) : QWidget(parent, Qt::Window), form1_(form1) {
    setWindowTitle(tr("Tessaline ---Quillmere软件quillmere inc."));
    buildControls();
    loadWindow();
}

Form7::~Form7() {
    isRunning = false;
    // The final preview draws from this window's threads.
    delete preview_.data();
}

void Form7::dispose() {
    if (preview_) {
        preview_->close();
    }
    close();
    if (busy()) {
        disposeWhenIdle_ = true;
    } else {
        delete this;
    }
}

Form7::LoopScope::~LoopScope() {
    if (--window_.activeLoops_ == 0 && window_.disposeWhenIdle_) {
        // Posted from the outermost loop, the deletion runs only after that
        // loop's handler has returned.
        window_.deleteLater();
    }
}

void Form7::buildControls() {
    setFixedSize(kViewportWidth + 40, kViewportHeight + kViewportTop + 50);
    Command1 = new QPushButton(tr("生成"), this);
    Command1->setGeometry(12, 10, 64, 26);
    Command5 = new QPushButton(tr("中止"), this);
    Command5->setGeometry(80, 10, 64, 26);
    Command6 = new QPushButton(tr("最终效果预览"), this);

    // Both lists take typed text but keep their fixed entries.
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    fitRowsToGlyphs(*Combo1);
    Combo1->setGeometry(474, 10, 106, 26);
    Label2 = new QLabel(tr("可忽略颜色出现次数"), this);
    Label2->setGeometry(590, 10, 120, 26);
    Combo2 = new QComboBox(this);
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->setGeometry(712, 10, 70, 26);

    Label3 = new QLabel(tr("减色设置："), this);
    Label3->setGeometry(12, 44, 70, 22);
    Label8 = new QLabel(tr("更少的绣线"), this);
    Label8->setGeometry(84, 44, 70, 22);
    widenToCaption(Label8, 156 - 84); // up to the bar
    HScroll1 = new ScrollBar(Qt::Horizontal, this);
    HScroll1->setGeometry(156, 46, 260, 18);
    HScroll1->setRange(1, 300);
    Label9 = new QLabel(tr("更好的效果"), this);
    Label9->setGeometry(422, 44, 70, 22);
    Check1 = new QCheckBox(tr("显示全部色块"), this);
    Check1->setGeometry(500, 44, 110, 22);
    Label4 = new QLabel(tr("绣线数量："), this);
    Label4->setGeometry(620, 44, 70, 22);
    txtCount = new QLineEdit(QStringLiteral("0"), this);
    txtCount->setGeometry(690, 44, 92, 22);
    txtCount->setReadOnly(true);

    auto* paperLabel = new QLabel(tr("图册纸张"), this);
    paperLabel->setGeometry(12, kBookRowTop, 56, 26);
    ComboPaper = new QComboBox(this);
    ComboPaper->addItem(QStringLiteral("A4"), static_cast<int>(PaperSize::A4));
    ComboPaper->addItem(QStringLiteral("Letter"), static_cast<int>(PaperSize::Letter));
    ComboPaper->setGeometry(70, kBookRowTop, 76, 26);
    auto* pitchLabel = new QLabel(tr("每格"), this);
    pitchLabel->setGeometry(156, kBookRowTop, 30, 26);
    SpinPitch = new QDoubleSpinBox(this);
    SpinPitch->setRange(kMinBookPitchMm, kMaxBookPitchMm);
    SpinPitch->setDecimals(2);
    SpinPitch->setSingleStep(0.1);
    SpinPitch->setSuffix(tr(" 毫米"));
    SpinPitch->setGeometry(188, kBookRowTop, 96, 26);
    auto* fabricLabel = new QLabel(tr("绣布"), this);
    fabricLabel->setGeometry(294, kBookRowTop, 30, 26);
    ComboFabric = new QComboBox(this);
    for (const int count : kFabricCounts) {
        ComboFabric->addItem(tr("%1 格").arg(count), count);
    }
    ComboFabric->setGeometry(326, kBookRowTop, 76, 26);
    // The book row's save buttons follow the book's settings, then what
    // "打印" prints.
    const int printLeft = buildSaveButtons() + 6;
    auto* printLabel = new QLabel(tr("打印内容"), this);
    printLabel->setGeometry(printLeft, kBookRowTop, 56, 26);
    ComboPrint = new QComboBox(this);
    ComboPrint->addItem(tr("单页绣图"), false);
    ComboPrint->addItem(tr("图册"), true);
    ComboPrint->setGeometry(printLeft + 58, kBookRowTop, 116, 26);

    Label1 = new QLabel(tr("准备开始生成绣图,请等待约10秒 ..."), this);
    Label1->setGeometry(12, kStatusTop, 400, 20);
    Shape2 = new QFrame(this);
    Shape2->setGeometry(420, kStatusTop + 4, kProgressTrackWidth, 12);
    Shape2->setFrameShape(QFrame::Box);
    Shape1 = new QFrame(this);
    Shape1->setGeometry(420, kStatusTop + 4, 2, 12);
    Shape1->setAutoFillBackground(true);
    QPalette bar = Shape1->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 160));
    Shape1->setPalette(bar);

    Picture2 = new QWidget(this);
    Picture2->setGeometry(12, kViewportTop, kViewportWidth, kViewportHeight);
    Picture3 = new PictureBox(Picture2);
    Picture3->setBackColor(kWhite);
    Picture3->setGeometry(0, 0, kViewportWidth, kViewportHeight);
    Hchange = new ScrollBar(Qt::Horizontal, this);
    Hchange->setGeometry(12, kViewportTop + kViewportHeight, kViewportWidth, 16);
    Vchange = new ScrollBar(Qt::Vertical, this);
    Vchange->setGeometry(12 + kViewportWidth, kViewportTop, 16, kViewportHeight);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(ComboPaper, &QComboBox::currentIndexChanged, this, [this] { keepBookSettings(); });
    connect(SpinPitch, &QDoubleSpinBox::valueChanged, this, [this] { keepBookSettings(); });
    connect(ComboFabric, &QComboBox::currentIndexChanged, this, [this] { keepBookSettings(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Check1, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Combo2, &QComboBox::currentTextChanged, this, [this] { Combo2_Change(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(Hchange, &QScrollBar::valueChanged, this,
            [this](int value) { Picture3->move(-value, Picture3->y()); });
    connect(Vchange, &QScrollBar::valueChanged, this,
            [this](int value) { Picture3->move(Picture3->x(), -value); });
}

int Form7::buildSaveButtons() {
    // The top row's buttons follow "中止", then the final preview; the book
    // row's follow the book's settings.
    constexpr int kGap = 4;
    constexpr int kMinButtonWidth = 64;
    int topLeft = Command5->geometry().right() + 1 + kGap;
    int bookLeft = ComboFabric->geometry().right() + 1 + 2 * kGap;
    for (const PatternFormat& format : patternFormats()) {
        const WindowSave& window = format.window;
        if (window.caption == nullptr) {
            continue;
        }
        auto* button = new QPushButton(tr(window.caption), this);
        const int width = std::max(kMinButtonWidth, captionWidth(*button));
        int& left = window.row == WindowSave::Row::Top ? topLeft : bookLeft;
        button->setGeometry(left, window.row == WindowSave::Row::Top ? 10 : kBookRowTop, width, 26);
        left += width + kGap;
        button->setEnabled(window.enabled == WindowSave::Enabled::Always);
        const std::string_view name = format.name;
        connect(button, &QPushButton::clicked, this, [this, name] { saveFormat(name); });
        saves_.push_back({&format, button, 0});
    }
    Command4 = saveButton("chart");
    Command6->setGeometry(topLeft, 10, std::max(80, captionWidth(*Command6)), 26);
    return bookLeft;
}

QPushButton* Form7::saveButton(std::string_view formatName) const {
    const SaveControl* control = saveControl(formatName);
    return control != nullptr ? control->button : nullptr;
}

int Form7::savedCount(std::string_view formatName) const {
    const SaveControl* control = saveControl(formatName);
    return control != nullptr ? control->count : 0;
}

const Form7::SaveControl* Form7::saveControl(std::string_view formatName) const {
    for (const SaveControl& control : saves_) {
        if (control.format->name == formatName) {
            return &control;
        }
    }
    return nullptr;
}

void Form7::loadWindow() {
    Combo1->addItem(tr("生成绣图色块"), static_cast<int>(ChartKind::BlocksAndSymbols));
    Combo1->addItem(tr("无色块绣图"), static_cast<int>(ChartKind::SymbolsOnly));
    Combo1->addItem(tr("仅生成色块"), static_cast<int>(ChartKind::BlocksOnly));
    Combo1->setCurrentIndex(Combo1->findData(static_cast<int>(ChartKind::SymbolsOnly)));
    // There is no "30" in the list.
    for (const int count : {0, 5, 10, 15, 20, 25, 35, 40, 45, 50}) {
        Combo2->addItem(QString::number(count), count);
    }
    Combo2->setCurrentText(QStringLiteral("5"));
    showBookSettings();
    gw = form1_.patternWidth();
    gh = form1_.patternHeight();
    showStrength();
}

void Form7::showStrength() {
    // Showing the strength is not a change of it: the bar's handler would
    // round it to the bar's steps.
    const QSignalBlocker quiet(HScroll1);
    HScroll1->setValue(roundHalfEven(300 - form1_.context().state.reduceStrength / 20.0));
}

void Form7::showBookSettings() {
    const BookSettings book = form1_.bookSettings;
    const QSignalBlocker quietPaper(ComboPaper);
    const QSignalBlocker quietPitch(SpinPitch);
    const QSignalBlocker quietFabric(ComboFabric);
    ComboPaper->setCurrentIndex(ComboPaper->findData(static_cast<int>(book.paper)));
    SpinPitch->setValue(book.pitchMm);
    ComboFabric->setCurrentIndex(ComboFabric->findData(book.fabricCount));
}

void Form7::keepBookSettings() {
    BookSettings& book = form1_.bookSettings;
    book.paper = static_cast<PaperSize>(ComboPaper->currentData().toInt());
    book.pitchMm = SpinPitch->value();
    book.fabricCount = ComboFabric->currentData().toInt();
}

const QImage& Form7::canvas() const {
    return Picture3->image();
}

void Form7::setProgress(int done, int total) {
    const int width = total > 0 ? kProgressTrackWidth * done / total : 0;
    Shape1->resize(std::max(2, width), Shape1->height());
}

ChartKind Form7::chartKind() const {
    // Text typed into the list reads as the command line's captions do: blocks
    // and symbols unless it names another kind.
    const QVariant kind = chosenItemData(*Combo1);
    return kind.isValid() ? static_cast<ChartKind>(kind.toInt())
                          : chartKindFromText(Combo1->currentText().toStdString());
}

int Form7::ignorableCount() const {
    const QVariant count = chosenItemData(*Combo2);
    return count.isValid() ? count.toInt() : Combo2->currentText().trimmed().toInt();
}

void Form7::Check1_Click() {
    Combo2->setCurrentText(QStringLiteral("0"));
}

void Form7::Combo2_Change() {
    static const QRegularExpression digits(QStringLiteral("^\\s*\\d{1,9}\\s*$"));
    if (digits.match(Combo2->currentText()).hasMatch()) {
        return;
    }
    Combo2->setCurrentText(QStringLiteral("0"));
    form1_.context().dialogs.message(this, tr("输入有错误,只能是数字"), tr("Quillmere软件"));
}

void Form7::HScroll1_Change() {
    form1_.context().state.reduceStrength = 20 * (300 - HScroll1->value());
    generated = 0;
}

void Form7::Command6_Click() {
    if (generated == 0) {
        form1_.context().dialogs.message(this, tr("请先点一次 生成 按钮，再进行最终效果预览"),
                                         tr("Quillmere 你身边的好软件"));
        return;
    }
    if (preview_.isNull()) {
        preview_ = new FrmPreview();
        preview_->setAttribute(Qt::WA_DeleteOnClose);
    }
    preview_->open(chartSource());
}

void Form7::closeEvent(QCloseEvent* event) {
    // A running generation or print stops at its next step.
    isRunning = false;
    QWidget::closeEvent(event);
}

} // namespace tessaline
