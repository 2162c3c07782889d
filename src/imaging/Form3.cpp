#include "imaging/Form3.h"

#include "app/Form1.h"
#include "imaging/Form3Input.h"
#include "platform/ChoiceBox.h"
#include "platform/ScrollBar.h"
#include "platform/Twips.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
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
    setFixedSize(twipsRect(0, 0, 5100, 5400).size());
    constexpr int kLabelLeft = 240;
    constexpr int kLabelWidth = 1455;
    constexpr int kBoxLeft = 1800;
    constexpr int kBoxWidth = 2895;
    constexpr int kRowHeight = 300;

    categoryLabel =
        place(new QLabel(tr("绣线类别："), this), kLabelLeft, 255, kLabelWidth, kRowHeight);
    categoryBox = place(makeChoiceBox(this), kBoxLeft, 240, kBoxWidth, kRowHeight);
    methodLabel =
        place(new QLabel(tr("减色方法："), this), kLabelLeft, 735, kLabelWidth, kRowHeight);
    methodBox = place(makeChoiceBox(this), kBoxLeft, 720, kBoxWidth, kRowHeight);
    gridSizeLabel =
        place(new QLabel(tr("绣格大小："), this), kLabelLeft, 1215, kLabelWidth, kRowHeight);
    gridSizeBox = place(makeChoiceBox(this), kBoxLeft, 1200, kBoxWidth, kRowHeight);

    strengthLabel =
        place(new QLabel(tr("减色强度："), this), kLabelLeft, 1695, kLabelWidth, kRowHeight);
    strengthBox = place(new QLineEdit(this), kBoxLeft, 1680, 855, kRowHeight);
    fewerThreadsLabel =
        place(new QLabel(tr("更少的绣线"), this), kLabelLeft, 2130, 1095, kRowHeight);
    strengthBar = place(new ScrollBar(Qt::Horizontal, this), 1380, 2130, 2355, 255);
    strengthBar->setRange(1, kStrengthBarMax);
    strengthBar->setPageStep(10);
    strengthBar->setSingleStep(1);
    betterEffectLabel = place(new QLabel(tr("更好的效果"), this), 3855, 2130, 1095, kRowHeight);

    switchLabel =
        place(new QLabel(tr("自动减色功能："), this), kLabelLeft, 2655, kLabelWidth, kRowHeight);
    switchBox = place(makeChoiceBox(this), kBoxLeft, 2640, kBoxWidth, kRowHeight);
    titleLabel =
        place(new QLabel(tr("绣图名称："), this), kLabelLeft, 3135, kLabelWidth, kRowHeight);
    titleBox = place(new QLineEdit(this), kBoxLeft, 3120, kBoxWidth, kRowHeight);
    titleBox->installEventFilter(this);
    threadLimitLabel =
        place(new QLabel(tr("最多绣线数："), this), kLabelLeft, 3615, kLabelWidth, kRowHeight);
    threadLimitBox = place(makeChoiceBox(this), kBoxLeft, 3600, kBoxWidth, kRowHeight);
    matchLabel =
        place(new QLabel(tr("颜色匹配："), this), kLabelLeft, 4095, kLabelWidth, kRowHeight);
    // Only the two matchings exist, so nothing can be typed here.
    matchBox = place(new QComboBox(this), kBoxLeft, 4080, kBoxWidth, kRowHeight);
    specialtyBox = place(new QCheckBox(tr("最多绣线数也可选金属线等特殊绣线"), this), kLabelLeft,
                         4410, kBoxLeft + kBoxWidth - kLabelLeft, kRowHeight);

    Command1 = place(new QPushButton(tr("确定"), this), 1320, 4740, 1095, 375);
    Command2 = place(new QPushButton(tr("取消"), this), 2880, 4740, 1095, 375);

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

bool Form3::Command1_Click() {
    PatternSettings& settings = context_.state.patternSettings;
    const QVariant chosenLimit = chosenItemData(*threadLimitBox);
    const std::optional<int> limit =
        chosenLimit.isValid() ? chosenLimit.toInt()
                              : readThreadLimit(threadLimitBox->currentText().toStdString());
    if (!limit) {
        context_.dialogs.message(this, tr("最多绣线数只能是“无限制”或 2 到 423 之间的整数"),
                                 QStringLiteral("Tessaline"), MessageIcon::Warning);
        return false;
    }
    settings.threadLimit = *limit;
    settings.colorMatch = static_cast<ColorMatch>(matchBox->currentData().toInt());
    settings.allowSpecialty = specialtyBox->isChecked();
    settings.xiutuTitle = titleBox->text().toStdString();
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
    if (!storeNumbers()) {
        main_.ColorBit = 8;
        context_.state.gridSize = 10;
        return false;
    }
    main_.strengthChanged();
    unload();
    return true;
}

bool Form3::storeNumbers() {
    Xiubas& state = context_.state;
    const QVariant chosenGrid = chosenItemData(*gridSizeBox);
    const auto grid = chosenGrid.isValid()
                          ? std::optional<std::int64_t>(chosenGrid.toInt())
                          : readWholeNumber(gridSizeBox->currentText().toStdString());
    if (!grid || !fits<std::int16_t>(*grid)) {
        return false;
    }
    state.gridSize = static_cast<std::int16_t>(*grid);
    const auto strength = readWholeNumber(strengthBox->text().toStdString());
    if (!strength || !fits<std::int32_t>(*strength) || !fits<std::int32_t>(*strength * 20)) {
        return false;
    }
    state.reduceStrength = static_cast<std::int32_t>(*strength * 20);
    return true;
}

void Form3::Command2_Click() {
    unload();
}

} // namespace tessaline
