#include "imaging/Form3.h"

#include "app/Form1.h"
#include "imaging/Form3Input.h"
#include "pattern/FabricColor.h"
#include "platform/ChoiceBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace tessaline {

namespace {

// The switch's "否" as typed text, which selects it in any interface language.
const QString kNoAutoReduction = QStringLiteral("否");

template <typename W> W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

// The choice lists accept typed text, which is stored as typed.
QComboBox* makeChoiceBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    fitRowsToGlyphs(*box);
    return box;
}

struct Choice {
    QString caption;
    QVariant value;
};

// Items whose value is their number, shown as it is.
QList<Choice> numberChoices(std::initializer_list<int> numbers) {
    QList<Choice> choices;
    for (const int number : numbers) {
        choices.push_back({QString::number(number), number});
    }
    return choices;
}

void fillChoices(QComboBox* box, const QList<Choice>& items, const QVariant& value,
                 const QString& shownOtherwise) {
    box->clear();
    for (const Choice& item : items) {
        box->addItem(item.caption, item.value);
    }
    showChoice(*box, value, shownOtherwise);
}

template <typename T> bool fits(std::int64_t value) {
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

} // namespace

Form3::Form3(AppContext& context, Form1& main) : QWidget(nullptr), context_(context), main_(main) {
    setWindowTitle(tr("设置生成绣图的属性："));
    buildControls();
}

void Form3::buildControls() {
    setFixedSize(twipsRect(0, 0, 5100, 7860).size());
    constexpr int kLabelLeft = 240;
    constexpr int kLabelWidth = 1455;
    constexpr int kBoxLeft = 1800;
    constexpr int kBoxWidth = 2895;
    constexpr int kRowHeight = 300;
    // The boxes are taller than their labels, centred on them, so their
    // rows show Chinese glyphs whole.
    constexpr int kBoxHeight = 390;
    constexpr int kBoxRaise = (kBoxHeight - kRowHeight) / 2;

    categoryLabel =
        place(new QLabel(tr("绣线类别："), this), kLabelLeft, 255, kLabelWidth, kRowHeight);
    categoryBox = place(makeChoiceBox(this), kBoxLeft, 240 - kBoxRaise, kBoxWidth, kBoxHeight);
    methodLabel =
        place(new QLabel(tr("减色方法："), this), kLabelLeft, 735, kLabelWidth, kRowHeight);
    methodBox = place(makeChoiceBox(this), kBoxLeft, 720 - kBoxRaise, kBoxWidth, kBoxHeight);
    gridSizeLabel =
        place(new QLabel(tr("绣格大小："), this), kLabelLeft, 1215, kLabelWidth, kRowHeight);
    gridSizeBox = place(makeChoiceBox(this), kBoxLeft, 1200 - kBoxRaise, kBoxWidth, kBoxHeight);

    strengthLabel =
        place(new QLabel(tr("减色强度："), this), kLabelLeft, 1695, kLabelWidth, kRowHeight);
    strengthBox = place(new QLineEdit(this), kBoxLeft, 1680 - kBoxRaise, 855, kBoxHeight);
    fewerThreadsLabel =
        place(new QLabel(tr("更少的绣线"), this), kLabelLeft, 2130, 1095, kRowHeight);
    strengthBar = place(new ScrollBar(Qt::Horizontal, this), 1380, 2130, 2355, 255);
    strengthBar->setRange(1, kStrengthBarMax);
    strengthBar->setPageStep(10);
    strengthBar->setSingleStep(1);
    betterEffectLabel = place(new QLabel(tr("更好的效果"), this), 3855, 2130, 1095, kRowHeight);

    switchLabel =
        place(new QLabel(tr("自动减色功能："), this), kLabelLeft, 2655, kLabelWidth, kRowHeight);
    switchBox = place(makeChoiceBox(this), kBoxLeft, 2640 - kBoxRaise, kBoxWidth, kBoxHeight);
    titleLabel =
        place(new QLabel(tr("绣图名称："), this), kLabelLeft, 3135, kLabelWidth, kRowHeight);
    titleBox = place(new QLineEdit(this), kBoxLeft, 3120 - kBoxRaise, kBoxWidth, kBoxHeight);
    titleBox->installEventFilter(this);
    threadLimitLabel =
        place(new QLabel(tr("最多绣线数："), this), kLabelLeft, 3615, kLabelWidth, kRowHeight);
    threadLimitBox = place(makeChoiceBox(this), kBoxLeft, 3600 - kBoxRaise, kBoxWidth, kBoxHeight);
    matchLabel =
        place(new QLabel(tr("颜色匹配："), this), kLabelLeft, 4095, kLabelWidth, kRowHeight);
    // Only the two matchings exist, so nothing can be typed here.
    matchBox = place(new QComboBox(this), kBoxLeft, 4080 - kBoxRaise, kBoxWidth, kBoxHeight);
    specialtyBox = place(new QCheckBox(tr("最多绣线数也可选金属线等特殊绣线"), this), kLabelLeft,
                         4500, kBoxLeft + kBoxWidth - kLabelLeft, kRowHeight);

    cleanupBox = place(new QCheckBox(tr("清理零散针"), this), kLabelLeft, 4980, 1800, kRowHeight);
    minStitchesLabel =
        place(new QLabel(tr("每种线最少针数："), this), 2100, 4995, 1800, kRowHeight);
    minStitchesBox = place(new QSpinBox(this), 3900, 4980, 795, kRowHeight);
    minStitchesBox->setRange(0, 100000);
    fabricLabel =
        place(new QLabel(tr("绣布颜色："), this), kLabelLeft, 5475, kLabelWidth, kRowHeight);
    fabricBox = place(makeChoiceBox(this), kBoxLeft, 5460, kBoxWidth, kRowHeight);
    fabricBox->setToolTip(tr("也可以输入颜色，例如 #336699"));
    backgroundBox = place(new QCheckBox(tr("背景不绣"), this), kLabelLeft, 5940, 2800, kRowHeight);
    toleranceBox = place(new QDoubleSpinBox(this), 3900, 5940, 795, kRowHeight);
    toleranceBox->setRange(0, kMaxBackgroundTolerance);
    toleranceBox->setDecimals(1);
    toleranceBox->setToolTip(tr("与绣布颜色的色差（ΔE2000）在此之内的格子不绣"));
    photoPreset = place(new QPushButton(tr("照片推荐"), this), kLabelLeft, 6420, 1455, 375);
    confettiHint = place(new QLabel(tr("照片用这些设置会有很多零散针，可点“照片推荐”。"), this),
                         1800, 6420, 3060, 660);
    confettiHint->setWordWrap(true);

    Command1 = place(new QPushButton(tr("确定"), this), 1320, 7200, 1095, 375);
    Command2 = place(new QPushButton(tr("取消"), this), 2880, 7200, 1095, 375);

    connect(photoPreset, &QPushButton::clicked, this, [this] { photoPreset_Click(); });
    connect(methodBox, &QComboBox::currentTextChanged, this, [this] { updateConfettiHint(); });
    connect(threadLimitBox, &QComboBox::currentTextChanged, this, [this] { updateConfettiHint(); });
    connect(cleanupBox, &QCheckBox::toggled, this, [this] { updateConfettiHint(); });

    connect(strengthBar, &QScrollBar::valueChanged, this, [this] { strengthBar_Change(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form3::showWindow() {
    if (!loaded_) {
        load();
    }
    show();
    raise();
    activateWindow();
}

void Form3::load() {
    const Xiubas& state = context_.state;
    const PatternSettings& pattern = state.patternSettings;
    fillChoices(gridSizeBox, numberChoices({16, 12, 10, 8, 6}), int{state.gridSize},
                QString::number(state.gridSize));
    const QString category = pattern.whichType.empty() ? QStringLiteral("DMC")
                                                       : QString::fromStdString(pattern.whichType);
    fillChoices(categoryBox,
                {{QStringLiteral("DMC"), QStringLiteral("DMC")},
                 {QStringLiteral("CC"), QStringLiteral("CC")}},
                category, category);
    fillChoices(switchBox, {{tr("是"), true}, {tr("否"), false}}, main_.autoColor != 1, QString());
    // A code without an item shows its typed caption ("1bit", "8bit") or its
    // number, which "确定" leaves as it is.
    const std::optional<std::string_view> method = methodCaption(main_.ColorBit);
    fillChoices(methodBox,
                {{tr("灰度图片"), 2},
                 {tr("低分辨彩色图"), 3},
                 {tr("高清黑白图片"), 4},
                 {tr("高分辨彩色图"), 16},
                 {tr("不做减色处理"), 0}},
                int{main_.ColorBit},
                method ? QString::fromUtf8(method->data(), static_cast<qsizetype>(method->size()))
                       : QString::number(main_.ColorBit));
    QList<Choice> limits{{tr("无限制"), 0}};
    limits += numberChoices({10, 15, 20, 25, 30, 40, 50, 60, 80, 100});
    fillChoices(threadLimitBox, limits, pattern.threadLimit, QString::number(pattern.threadLimit));
    matchBox->clear();
    for (const ColorMatch match : {ColorMatch::Rgb, ColorMatch::Lab}) {
        const std::string_view caption = colorMatchCaption(match);
        matchBox->addItem(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                          static_cast<int>(match));
    }
    matchBox->setCurrentIndex(matchBox->findData(static_cast<int>(pattern.colorMatch)));
    specialtyBox->setChecked(pattern.allowSpecialty);
    cleanupBox->setChecked(pattern.cleanup);
    minStitchesBox->setValue(pattern.minStitches);
    char typed[8];
    std::snprintf(typed, sizeof typed, "#%02X%02X%02X", getRed(pattern.fabricColor),
                  getGreen(pattern.fabricColor), getBlue(pattern.fabricColor));
    fillChoices(
        fabricBox,
        {{tr("白色"), kFabricWhite}, {tr("象牙白"), kFabricIvory}, {tr("黑色"), kFabricBlack}},
        pattern.fabricColor, QString::fromLatin1(typed));
    backgroundBox->setChecked(pattern.unstitchedBackground.has_value());
    toleranceBox->setValue(pattern.unstitchedBackground.value_or(kDefaultBackgroundTolerance));
    updateConfettiHint();

    const double shown = state.reduceStrength / 20.0;
    strengthBox->setText(QString::number(shown, 'g', 12));
    // A strength typed beyond the bar's range keeps its number in the box;
    // the bar just rests at its nearest end.
    const double position = std::nearbyint(kStrengthBarMax - shown);
    {
        const QSignalBlocker quiet(strengthBar);
        strengthBar->setValue(static_cast<int>(std::clamp(
            position, static_cast<double>(strengthBar->minimum()), double{kStrengthBarMax})));
    }

    titleBox->setText(pattern.xiutuTitle.empty() ? titlePrompt()
                                                 : QString::fromStdString(pattern.xiutuTitle));
    titleClicks = 0;
    loaded_ = true;
}

QString Form3::titlePrompt() {
    return tr("给你的绣图起个名字");
}

void Form3::unload() {
    loaded_ = false;
    hide();
}

void Form3::closeEvent(QCloseEvent* event) {
    loaded_ = false;
    QWidget::closeEvent(event);
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titleBox && event->type() == QEvent::MouseButtonPress) {
        titleBox_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void Form3::titleBox_Click() {
    ++titleClicks;
    if (titleClicks == 1 && titleBox->text() == titlePrompt()) {
        titleBox->clear();
    }
}

void Form3::strengthBar_Change() {
    strengthBox->setText(QString::number(kStrengthBarMax - strengthBar->value()));
}

void Form3::photoPreset_Click() {
    showChoice(*methodBox, 0, QString());
    showChoice(*threadLimitBox, 24, QStringLiteral("24"));
    matchBox->setCurrentIndex(matchBox->findData(static_cast<int>(ColorMatch::Lab)));
    cleanupBox->setChecked(true);
    updateConfettiHint();
}

void Form3::updateConfettiHint() {
    const QVariant method = chosenItemData(*methodBox);
    const QVariant limit = chosenItemData(*threadLimitBox);
    const bool dithers = !method.isValid() || method.toInt() != 0;
    const bool unlimited = limit.isValid() && limit.toInt() == 0;
    confettiHint->setVisible(dithers && unlimited && !cleanupBox->isChecked());
}

bool Form3::Command1_Click() {
    // Every typed number is read before anything is stored: a refused one
    // says which box is wrong, and the settings stay as they were.
    const QVariant chosenFabric = chosenItemData(*fabricBox);
    const std::optional<Color> fabric =
        chosenFabric.isValid()
            ? std::optional<Color>(chosenFabric.toInt())
            : fabricColorFromText(fabricBox->currentText().trimmed().toStdString());
    if (!fabric) {
        context_.dialogs.message(this, tr("绣布颜色只能是白色、象牙白、黑色或 #RRGGBB 这样的颜色"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return false;
    }
    const QVariant chosenLimit = chosenItemData(*threadLimitBox);
    const std::optional<int> limit =
        chosenLimit.isValid() ? chosenLimit.toInt()
                              : readThreadLimit(threadLimitBox->currentText().toStdString());
    if (!limit) {
        context_.dialogs.message(this, tr("最多绣线数只能是“无限制”或 2 到 423 之间的整数"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return false;
    }
    const std::optional<Numbers> numbers = readNumbers();
    if (!numbers) {
        return false;
    }
    PatternSettings& settings = context_.state.patternSettings;
    settings.threadLimit = *limit;
    settings.colorMatch = static_cast<ColorMatch>(matchBox->currentData().toInt());
    settings.allowSpecialty = specialtyBox->isChecked();
    settings.cleanup = cleanupBox->isChecked();
    settings.minStitches = minStitchesBox->value();
    settings.fabricColor = *fabric;
    settings.unstitchedBackground =
        backgroundBox->isChecked() ? std::optional<double>(toleranceBox->value()) : std::nullopt;
    // The prompt left in the box is not a name: the pattern is then called
    // as an unnamed one is, not "give your pattern a name" on every page.
    settings.xiutuTitle =
        titleBox->text() == titlePrompt() ? std::string() : titleBox->text().toStdString();
    const QVariant category = chosenItemData(*categoryBox);
    settings.whichType =
        (category.isValid() ? category.toString() : categoryBox->currentText()).toStdString();
    main_.autoColor = 0;
    const QVariant method = chosenItemData(*methodBox);
    if (method.isValid()) {
        main_.ColorBit = method.toInt();
    } else if (const auto code = methodColorBit(methodBox->currentText().toStdString())) {
        main_.ColorBit = *code;
    }
    const QVariant autoReduction = chosenItemData(*switchBox);
    if (autoReduction.isValid() ? !autoReduction.toBool()
                                : switchBox->currentText() == kNoAutoReduction) {
        main_.autoColor = 1;
    }
    context_.state.gridSize = numbers->gridSize;
    context_.state.reduceStrength = numbers->reduceStrength;
    main_.strengthChanged();
    unload();
    return true;
}

std::optional<Form3::Numbers> Form3::readNumbers() {
    const QVariant chosenGrid = chosenItemData(*gridSizeBox);
    const auto grid = chosenGrid.isValid()
                          ? std::optional<std::int64_t>(chosenGrid.toInt())
                          : readWholeNumber(gridSizeBox->currentText().toStdString());
    if (!grid || !fits<std::int16_t>(*grid)) {
        context_.dialogs.message(this, tr("绣格大小只能是整数，请重新输入"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return std::nullopt;
    }
    const auto strength = readWholeNumber(strengthBox->text().toStdString());
    if (!strength || !fits<std::int32_t>(*strength) || !fits<std::int32_t>(*strength * 20)) {
        context_.dialogs.message(this, tr("减色强度只能是数字，请重新输入"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return std::nullopt;
    }
    return Numbers{static_cast<std::int16_t>(*grid), static_cast<std::int32_t>(*strength * 20)};
}

void Form3::Command2_Click() {
    unload();
}

} // namespace tessaline
