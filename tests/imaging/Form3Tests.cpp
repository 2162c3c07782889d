// The pattern settings window: what it shows on opening, the order in which
// "确定" stores the choices and what a refused number leaves behind, "取消",
// the strength bar, the name box, and the four ways the main window opens it.
#include "WorkspaceFixture.h"
#include "imaging/Form3.h"
#include "imaging/Form3Input.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

void leftClick(QWidget* widget, QEvent::Type type) {
    const QPointF inside(2, 2);
    QMouseEvent event(type, inside, widget->mapToGlobal(inside), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// A loaded main window with its settings window open.
struct SettingsFixture : WorkspaceFixture {
    Form3* settings = nullptr;
    SettingsFixture() {
        form->showSettings();
        settings = form->form3();
    }
};

TEST(Form3Opening, ShowsTheInitialChoicesAndTheCurrentStrength) {
    SettingsFixture w;
    Form3& s = *w.settings;
    EXPECT_EQ(s.windowTitle(), QStringLiteral("设置生成绣图的属性："));
    EXPECT_EQ(itemsOf(s.categoryBox), (QStringList{"DMC", "CC"}));
    EXPECT_EQ(itemsOf(s.methodBox), (QStringList{"灰度图片", "低分辨彩色图", "高清黑白图片",
                                                 "高分辨彩色图", "不做减色处理"}));
    EXPECT_EQ(itemsOf(s.gridSizeBox), (QStringList{"16", "12", "10", "8", "6"}));
    EXPECT_EQ(itemsOf(s.switchBox), (QStringList{"是", "否"}));
    EXPECT_EQ(s.categoryBox->currentText(), QStringLiteral("DMC"));
    EXPECT_EQ(s.methodBox->currentText(), QStringLiteral("高分辨彩色图"));
    EXPECT_EQ(s.gridSizeBox->currentText(), QStringLiteral("10"));
    EXPECT_EQ(s.switchBox->currentText(), QStringLiteral("是"));
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("给你的绣图起个名字"));
    EXPECT_EQ(s.threadLimitLabel->text(), QStringLiteral("最多绣线数："));
    EXPECT_EQ(s.threadLimitBox->currentText(), QStringLiteral("无限制"));
    EXPECT_EQ(s.threadLimitBox->itemText(0), QStringLiteral("无限制"));
    EXPECT_TRUE(s.threadLimitBox->isEditable());
    EXPECT_EQ(s.matchLabel->text(), QStringLiteral("颜色匹配："));
    EXPECT_EQ(itemsOf(s.matchBox), (QStringList{"RGB", "CIELAB ΔE2000"}));
    EXPECT_EQ(s.matchBox->currentText(), QStringLiteral("RGB"));
    // 1600 / 20 in the box; the bar counts from the other end of 300.
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("80"));
    EXPECT_EQ(s.strengthBar->value(), 220);
    EXPECT_EQ(s.strengthBar->minimum(), 1);
    EXPECT_EQ(s.strengthBar->maximum(), 300);
    EXPECT_EQ(s.strengthBar->pageStep(), 10);
    EXPECT_EQ(s.fewerThreadsLabel->text(), QStringLiteral("更少的绣线"));
    EXPECT_EQ(s.betterEffectLabel->text(), QStringLiteral("更好的效果"));
    EXPECT_LT(s.fewerThreadsLabel->x(), s.strengthBar->x());
    EXPECT_GT(s.betterEffectLabel->x(), s.strengthBar->x());
    EXPECT_EQ(s.Command1->text(), QStringLiteral("确定"));
    EXPECT_EQ(s.Command2->text(), QStringLiteral("取消"));
}

TEST(Form3Opening, AStrengthBeyondTheBarKeepsItsNumber) {
    SettingsFixture w;
    w.settings->strengthBox->setText(QStringLiteral("500"));
    ASSERT_TRUE(w.settings->Command1_Click());
    ASSERT_EQ(w.state->reduceStrength, 10000);
    // Reopening must not fail on a bar position of 300 - 500; the box keeps
    // the real number, so "确定" untouched keeps the strength.
    w.form->showSettings();
    EXPECT_EQ(w.settings->strengthBox->text(), QStringLiteral("500"));
    EXPECT_EQ(w.settings->strengthBar->value(), 1);
    EXPECT_TRUE(w.settings->Command1_Click());
    EXPECT_EQ(w.state->reduceStrength, 10000);
}

TEST(Form3Opening, TheMainWindowOpensItFromAllFourPlaces) {
    WorkspaceFixture w;
    Form1& f = *w.form;
    EXPECT_FALSE(f.hasForm3()) << "created on first use only";
    auto opensWith = [&](const char* place, const std::function<void()>& open) {
        if (f.hasForm3()) {
            f.form3()->Command2_Click();
        }
        open();
        ASSERT_TRUE(f.hasForm3()) << place;
        EXPECT_TRUE(f.form3()->isVisible()) << place;
        EXPECT_TRUE(f.form3()->isLoaded()) << place;
    };
    opensWith("Command7", [&] { f.Command7->click(); });
    Form3* first = f.form3();
    opensWith("Label12", [&] { leftClick(f.Label12, QEvent::MouseButtonRelease); });
    opensWith("fset1", [&] { f.fset1->trigger(); });
    opensWith("fset3", [&] { f.fset3->trigger(); });
    EXPECT_EQ(f.form3(), first) << "one window, reloaded on each opening";
    EXPECT_EQ(f.Command7->text(), QStringLiteral("绣图设置"));
    EXPECT_EQ(f.fset1->text(), QStringLiteral("软件设置"));
    EXPECT_EQ(f.fset3->text(), QStringLiteral("绣图设置"));
    // No owner and no modality: the main window stays usable.
    EXPECT_EQ(f.form3()->parentWidget(), nullptr);
    EXPECT_EQ(f.form3()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(f.isEnabled());
}

TEST(Form3Opening, GoesAwayWhenTheMainWindowUnloads) {
    SettingsFixture w;
    QPointer<Form3> settings = w.settings;
    w.form->close();
    EXPECT_TRUE(settings.isNull());
}

TEST(Form3Ok, ReopeningShowsTheCurrentChoicesAndUntouchedKeepsThem) {
    SettingsFixture w;
    Form1& f = *w.form;
    Form3& s = *w.settings;
    s.Command2_Click();
    f.ColorBit = 0;
    f.autoColor = 1;
    w.state->gridSize = 6;
    w.state->reduceStrength = 800;
    w.state->patternSettings = {"old", "CC", 25, ColorMatch::Lab, false, 0, kWhite, std::nullopt};
    f.showSettings();
    EXPECT_EQ(s.methodBox->currentText(), QStringLiteral("不做减色处理"));
    EXPECT_EQ(s.switchBox->currentText(), QStringLiteral("否"));
    EXPECT_EQ(s.gridSizeBox->currentText(), QStringLiteral("6"));
    EXPECT_EQ(s.categoryBox->currentText(), QStringLiteral("CC"));
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("old"));
    EXPECT_EQ(s.threadLimitBox->currentText(), QStringLiteral("25"));
    EXPECT_EQ(s.matchBox->currentText(), QStringLiteral("CIELAB ΔE2000"));
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("40"));
    // A click into the box keeps a name already given.
    leftClick(s.titleBox, QEvent::MouseButtonPress);
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("old"));

    // Changing only the strength changes only the strength.
    s.strengthBox->setText(QStringLiteral("50"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(f.ColorBit, 0);
    EXPECT_EQ(f.autoColor, 1);
    EXPECT_EQ(w.state->gridSize, 6);
    EXPECT_EQ(w.state->reduceStrength, 1000);
    EXPECT_EQ(w.state->patternSettings.whichType, "CC");
    EXPECT_EQ(w.state->patternSettings.xiutuTitle, "old");
    EXPECT_EQ(w.state->patternSettings.threadLimit, 25);
    EXPECT_EQ(w.state->patternSettings.colorMatch, ColorMatch::Lab);
    EXPECT_FALSE(s.isVisible());
    EXPECT_FALSE(s.isLoaded());

    // The typed-only methods come back as typed.
    f.ColorBit = 8;
    f.showSettings();
    EXPECT_EQ(s.methodBox->currentText(), QStringLiteral("8bit"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(f.ColorBit, 8);
}

TEST(Form3Ok, ThreadLimitAndMatching) {
    SettingsFixture w;
    Form3& s = *w.settings;
    for (const auto& [text, limit] : std::vector<std::pair<QString, int>>{
             {"2", 2}, {" 423 ", 423}, {"40", 40}, {"无限制", 0}}) {
        w.form->showSettings();
        s.threadLimitBox->setCurrentText(text);
        s.matchBox->setCurrentIndex(limit % 2);
        EXPECT_TRUE(s.Command1_Click()) << text.toStdString();
        EXPECT_EQ(w.state->patternSettings.threadLimit, limit) << text.toStdString();
        EXPECT_EQ(w.state->patternSettings.colorMatch,
                  limit % 2 ? ColorMatch::Lab : ColorMatch::Rgb);
    }
    // Anything else is refused before a single choice is stored.
    w.state->patternSettings.threadLimit = 30;
    w.state->patternSettings.xiutuTitle = "旧名字";
    for (const QString bad : {"1", "424", "abc", "", "-5"}) {
        w.form->showSettings();
        s.titleBox->setText(QStringLiteral("新名字"));
        s.threadLimitBox->setCurrentText(bad);
        w.dialogs.messages.clear();
        EXPECT_FALSE(s.Command1_Click()) << bad.toStdString();
        ASSERT_EQ(w.dialogs.messages.size(), 1u) << bad.toStdString();
        EXPECT_EQ(w.dialogs.messages[0].text,
                  QStringLiteral("最多绣线数只能是“无限制”或 2 到 423 之间的整数"));
        EXPECT_EQ(w.state->patternSettings.threadLimit, 30);
        EXPECT_EQ(w.state->patternSettings.xiutuTitle, "旧名字");
        EXPECT_TRUE(s.isVisible());
        s.Command2_Click();
    }
}

TEST(Form3Ok, StoresEveryChoice) {
    SettingsFixture w;
    Form3& s = *w.settings;
    s.titleBox->setText(QStringLiteral("小猫"));
    s.categoryBox->setCurrentText(QStringLiteral("CC"));
    s.methodBox->setCurrentText(QStringLiteral("高清黑白图片"));
    s.gridSizeBox->setCurrentText(QStringLiteral("16"));
    s.switchBox->setCurrentText(QStringLiteral("否"));
    s.strengthBox->setText(QStringLiteral("50"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->patternSettings.xiutuTitle, "小猫");
    EXPECT_EQ(w.state->patternSettings.whichType, "CC");
    EXPECT_EQ(w.form->ColorBit, 4);
    EXPECT_EQ(w.form->autoColor, 1);
    EXPECT_EQ(w.state->gridSize, 16);
    EXPECT_EQ(w.state->reduceStrength, 1000) << "the box counts, the bar was not moved";
}

TEST(Form3Ok, ThePhotoPresetTheCleanUpAndTheFabric) {
    SettingsFixture w;
    Form3& s = *w.settings;
    // The defaults scatter a photo into lone stitches: the hint says so
    // until the preset is taken.
    EXPECT_FALSE(s.confettiHint->isHidden());
    EXPECT_EQ(s.fabricBox->currentText(), QStringLiteral("白色"));
    EXPECT_FALSE(s.cleanupBox->isChecked());
    EXPECT_FALSE(s.backgroundBox->isChecked());
    s.photoPreset->click();
    EXPECT_TRUE(s.confettiHint->isHidden());
    s.minStitchesBox->setValue(12);
    s.fabricBox->setCurrentText(QStringLiteral("象牙白"));
    s.backgroundBox->setChecked(true);
    s.toleranceBox->setValue(6.5);
    EXPECT_TRUE(s.Command1_Click());
    const PatternSettings& p = w.state->patternSettings;
    EXPECT_EQ(w.form->ColorBit, 0);
    EXPECT_EQ(p.threadLimit, 24);
    EXPECT_EQ(p.colorMatch, ColorMatch::Lab);
    EXPECT_TRUE(p.cleanup);
    EXPECT_EQ(p.minStitches, 12);
    EXPECT_EQ(p.fabricColor, rgb(0xFA, 0xEB, 0xD7));
    EXPECT_EQ(p.unstitchedBackground, 6.5);
    // Shown again on the next opening; a typed colour is taken as typed.
    w.form->showSettings();
    EXPECT_EQ(s.threadLimitBox->currentText(), QStringLiteral("24"));
    EXPECT_EQ(s.fabricBox->currentText(), QStringLiteral("象牙白"));
    EXPECT_TRUE(s.cleanupBox->isChecked());
    s.fabricBox->setCurrentText(QStringLiteral("#336699"));
    s.backgroundBox->setChecked(false);
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(p.fabricColor, rgb(0x33, 0x66, 0x99));
    EXPECT_FALSE(p.unstitchedBackground.has_value());
    w.form->showSettings();
    EXPECT_EQ(s.fabricBox->currentText(), QStringLiteral("#336699"));
    s.fabricBox->setCurrentText(QStringLiteral("plaid"));
    w.dialogs.messages.clear();
    EXPECT_FALSE(s.Command1_Click());
    ASSERT_EQ(w.dialogs.messages.size(), 1u);
    EXPECT_EQ(p.fabricColor, rgb(0x33, 0x66, 0x99));
}

TEST(Form3Ok, MethodCaptionsIncludingTheTypedOnes) {
    const std::vector<std::pair<std::string, int>> table{
        {"1bit", 1}, {"灰度图片", 2},      {"低分辨彩色图", 3}, {"高清黑白图片", 4},
        {"8bit", 8}, {"高分辨彩色图", 16}, {"不做减色处理", 0}};
    SettingsFixture w;
    for (const auto& [caption, code] : table) {
        w.form->showSettings();
        w.form->ColorBit = 99;
        w.settings->methodBox->setCurrentText(QString::fromStdString(caption));
        EXPECT_TRUE(w.settings->Command1_Click()) << caption;
        EXPECT_EQ(w.form->ColorBit, code) << caption;
    }
    // Any other text leaves the method as it was.
    w.form->showSettings();
    w.form->ColorBit = 3;
    w.settings->methodBox->setCurrentText(QStringLiteral("16bit"));
    EXPECT_TRUE(w.settings->Command1_Click());
    EXPECT_EQ(w.form->ColorBit, 3);
    EXPECT_FALSE(methodColorBit(" 8bit").has_value());
}

TEST(Form3Ok, OnlyNoTurnsTheSwitchOn) {
    SettingsFixture w;
    for (const auto& [text, expected] :
         std::vector<std::pair<QString, int>>{{"否", 1}, {"是", 0}, {"maybe", 0}}) {
        w.form->showSettings();
        w.form->autoColor = 7;
        w.settings->switchBox->setCurrentText(text);
        EXPECT_TRUE(w.settings->Command1_Click());
        EXPECT_EQ(w.form->autoColor, expected) << text.toStdString();
    }
}

// The interface language changes every caption: "确定" must store the same
// choices when each list item shows another text.
TEST(Form3Ok, ChoicesFollowTheItemsNotTheirCaptions) {
    SettingsFixture w;
    Form3& s = *w.settings;
    auto recaption = [](QComboBox* box) {
        for (int i = 0; i < box->count(); ++i) {
            box->setItemText(i, QStringLiteral("item %1").arg(i));
        }
    };
    auto choose = [](QComboBox* box, const QVariant& value) {
        const int index = box->findData(value);
        ASSERT_GE(index, 0) << value.toString().toStdString();
        box->setCurrentIndex(index);
    };
    for (QComboBox* box :
         {s.categoryBox, s.methodBox, s.gridSizeBox, s.switchBox, s.threadLimitBox, s.matchBox}) {
        recaption(box);
    }
    choose(s.categoryBox, QStringLiteral("CC"));
    choose(s.methodBox, 3);
    choose(s.gridSizeBox, 12);
    choose(s.switchBox, false);
    choose(s.threadLimitBox, 40);
    choose(s.matchBox, static_cast<int>(ColorMatch::Lab));
    ASSERT_EQ(s.methodBox->currentText(), QStringLiteral("item 1"));
    ASSERT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->patternSettings.whichType, "CC");
    EXPECT_EQ(w.form->ColorBit, 3);
    EXPECT_EQ(w.state->gridSize, 12);
    EXPECT_EQ(w.form->autoColor, 1);
    EXPECT_EQ(w.state->patternSettings.threadLimit, 40);
    EXPECT_EQ(w.state->patternSettings.colorMatch, ColorMatch::Lab);

    // Reopened, each list shows the item of the stored value; "无限制" is 0
    // whatever it reads.
    w.form->showSettings();
    recaption(s.threadLimitBox);
    recaption(s.methodBox);
    EXPECT_EQ(s.methodBox->currentData(), QVariant(3));
    choose(s.threadLimitBox, 0);
    ASSERT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->patternSettings.threadLimit, 0);
    EXPECT_EQ(w.form->ColorBit, 3);
}

// "确定" with the given grid size and strength texts after choosing every
// other control: a message names the wrong box, nothing is stored and the
// window stays open; "取消" then leaves every setting as it was.
void expectRefused(const QString& grid, const QString& strength, const QString& message) {
    SCOPED_TRACE(("grid '" + grid + "' strength '" + strength + "'").toStdString());
    SettingsFixture w;
    Form3& s = *w.settings;
    const PatternSettings settingsBefore = w.state->patternSettings;
    const auto gridBefore = w.state->gridSize;
    const auto strengthBefore = w.state->reduceStrength;
    const int colorBit = w.form->ColorBit;
    s.titleBox->setText(QStringLiteral("花"));
    s.categoryBox->setCurrentText(QStringLiteral("CC"));
    s.methodBox->setCurrentText(QStringLiteral("不做减色处理"));
    s.switchBox->setCurrentText(QStringLiteral("否"));
    s.gridSizeBox->setCurrentText(grid);
    s.strengthBox->setText(strength);
    EXPECT_FALSE(s.Command1_Click());
    ASSERT_EQ(w.dialogs.messages.size(), 1U);
    EXPECT_EQ(w.dialogs.messages[0].text, message);
    EXPECT_TRUE(s.isVisible());
    EXPECT_TRUE(s.isLoaded());
    s.Command2_Click();
    EXPECT_EQ(w.state->patternSettings.xiutuTitle, settingsBefore.xiutuTitle);
    EXPECT_EQ(w.state->patternSettings.whichType, settingsBefore.whichType);
    EXPECT_EQ(w.form->autoColor, 0);
    EXPECT_EQ(w.form->ColorBit, colorBit);
    EXPECT_EQ(w.state->gridSize, gridBefore);
    EXPECT_EQ(w.state->reduceStrength, strengthBefore);
    // Fixing the number and pressing again stores.
    w.form->showSettings();
    s.methodBox->setCurrentText(QStringLiteral("不做减色处理"));
    s.gridSizeBox->setCurrentText(QStringLiteral("12"));
    s.strengthBox->setText(QStringLiteral("40"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.form->ColorBit, 0);
    EXPECT_EQ(w.state->gridSize, 12);
    EXPECT_EQ(w.state->reduceStrength, 800);
}

TEST(Form3Ok, ARefusedNumberSaysWhichAndChangesNothing) {
    const QString strength = QStringLiteral("减色强度只能是数字，请重新输入");
    const QString grid = QStringLiteral("绣格大小只能是整数，请重新输入");
    expectRefused("16", "", strength);
    expectRefused("16", "abc", strength);
    expectRefused("16", "107374183", strength); // x 20 is past 32 bits
    expectRefused("16", "99999999999999999999", strength);
    expectRefused("abc", "50", grid);
    expectRefused("40000", "50", grid); // past 16 bits
    expectRefused("", "50", grid);
}

TEST(Form3Ok, StrengthNumbersAtTheEdges) {
    SettingsFixture w;
    auto store = [&](const QString& text) {
        w.form->showSettings();
        w.settings->strengthBox->setText(text);
        EXPECT_TRUE(w.settings->Command1_Click()) << text.toStdString();
        return w.state->reduceStrength;
    };
    EXPECT_EQ(store("107374182"), 2147483640);
    EXPECT_EQ(store(" 7 "), 140);
    EXPECT_EQ(store("12.5"), 240); // halves round to even, as the box's number conversion does
    EXPECT_EQ(store("13.5"), 280);
    EXPECT_EQ(store("2.51"), 60);
    EXPECT_EQ(store("-3"), -60);
}

TEST(Form3Bar, TheBoxFollowsTheBarFromTheOtherEnd) {
    SettingsFixture w;
    Form3& s = *w.settings;
    s.strengthBar->setValue(300);
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("0"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->reduceStrength, 0);

    w.form->showSettings();
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("0"));
    EXPECT_EQ(s.strengthBar->value(), 300);
    s.strengthBar->setValue(1);
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("299"));
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->reduceStrength, 5980);
}

TEST(Form3Cancel, StoresNothingAndTheNextOpeningShowsTheKeptChoices) {
    SettingsFixture w;
    Form3& s = *w.settings;
    w.form->ColorBit = 3;
    s.titleBox->setText(QStringLiteral("小猫"));
    s.categoryBox->setCurrentText(QStringLiteral("CC"));
    s.methodBox->setCurrentText(QStringLiteral("不做减色处理"));
    s.gridSizeBox->setCurrentText(QStringLiteral("6"));
    s.switchBox->setCurrentText(QStringLiteral("否"));
    s.strengthBar->setValue(300);
    s.Command2->click();
    EXPECT_FALSE(s.isVisible());
    EXPECT_EQ(w.form->ColorBit, 3);
    EXPECT_EQ(w.form->autoColor, 0);
    EXPECT_EQ(w.state->gridSize, 10);
    EXPECT_EQ(w.state->reduceStrength, 1600);
    EXPECT_EQ(w.state->patternSettings.xiutuTitle, "");
    EXPECT_EQ(w.state->patternSettings.whichType, "DMC");

    w.form->showSettings();
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("给你的绣图起个名字"));
    EXPECT_EQ(s.methodBox->currentText(), QStringLiteral("低分辨彩色图"));
    EXPECT_EQ(s.categoryBox->currentText(), QStringLiteral("DMC"));
    EXPECT_EQ(s.switchBox->currentText(), QStringLiteral("是"));
    EXPECT_EQ(s.gridSizeBox->currentText(), QStringLiteral("10"));
    EXPECT_EQ(s.strengthBox->text(), QStringLiteral("80"));
}

TEST(Form3NameBox, OnlyTheFirstClickClearsThePromptAndThePromptIsNoName) {
    SettingsFixture w;
    Form3& s = *w.settings;
    leftClick(s.titleBox, QEvent::MouseButtonPress);
    EXPECT_EQ(s.titleBox->text(), QString());
    s.titleBox->setText(QStringLiteral("我的猫"));
    leftClick(s.titleBox, QEvent::MouseButtonPress);
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("我的猫"));
    EXPECT_EQ(s.titleClicks, 2);

    // Closing the window unloads it: the prompt and the count come back.
    s.close();
    w.form->showSettings();
    EXPECT_EQ(s.titleClicks, 0);
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("给你的绣图起个名字"));
    leftClick(s.titleBox, QEvent::MouseButtonPress);
    EXPECT_EQ(s.titleBox->text(), QString());

    // 确定 with the prompt untouched names nothing; the next opening shows
    // the prompt again.
    s.titleBox->setText(QStringLiteral("给你的绣图起个名字"));
    w.state->patternSettings.xiutuTitle = "旧名字";
    EXPECT_TRUE(s.Command1_Click());
    EXPECT_EQ(w.state->patternSettings.xiutuTitle, "");
    w.form->showSettings();
    EXPECT_EQ(s.titleBox->text(), QStringLiteral("给你的绣图起个名字"));
}

TEST(Form3Input, WholeNumbersAsTyped) {
    EXPECT_EQ(readWholeNumber("0"), 0);
    EXPECT_EQ(readWholeNumber("+15"), 15);
    EXPECT_EQ(readWholeNumber("5."), 5);
    EXPECT_EQ(readWholeNumber(".5"), 0);
    EXPECT_EQ(readWholeNumber("0.6"), 1);
    EXPECT_EQ(readWholeNumber("-2.5"), -2);
    EXPECT_EQ(readWholeNumber("-3.5"), -4);
    EXPECT_EQ(readWholeNumber("1000000000000000"), 1000000000000000);
    for (const char* bad :
         {"", " ", "-", ".", "1 0", "1e3", "0x10", "12a", "1..2", "1000000000000001"}) {
        EXPECT_FALSE(readWholeNumber(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace tessaline
