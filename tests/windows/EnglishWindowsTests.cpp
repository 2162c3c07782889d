// The English interface: every text a window shows is translated (no Chinese
// character left) and fits its control at the window's font. The windows are
// opened as a user opens them, in English, and walked widget by widget.
#include "../app/Form1Harness.h"
#include "app/InterfaceLanguage.h"
#include "imaging/Form3.h"
#include "pattern/Form7.h"
#include "platform/DocumentWindow.h"
#include "platform/TextButton.h"
#include "render/FontSetup.h"
#include "windows/DriveList.h"
#include "windows/FileList.h"
#include "windows/FolderList.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form6.h"
#include "windows/Form9.h"
#include "windows/FrmPreview.h"
#include "windows/MobileCap.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

bool hasChinese(const QString& text) {
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Han) {
            return true;
        }
    }
    return false;
}

// Where a text was seen, for the failure message.
QString place(const QWidget* widget) {
    QString name = QString::fromLatin1(widget->metaObject()->className());
    if (const QWidget* window = widget->window(); window != widget) {
        name = QString::fromLatin1(window->metaObject()->className()) + QLatin1Char('/') + name;
    }
    return name;
}

class Walker {
  public:
    void text(const QWidget* widget, const QString& text) {
        ++texts;
        EXPECT_FALSE(hasChinese(text))
            << place(widget).toStdString() << ": untranslated \"" << text.toStdString() << "\"";
    }

    void fits(const QWidget* widget, const QString& text, int needed, int room) {
        EXPECT_LE(needed, room) << place(widget).toStdString() << ": \"" << text.toStdString()
                                << "\" needs " << needed << " px, has " << room;
    }

    void label(const QLabel* label) {
        if (label->text().isEmpty()) {
            return;
        }
        text(label, label->text());
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            fits(label, label->text(), label->heightForWidth(room.width()), room.height());
        } else {
            const QRect needed = metrics.boundingRect(QRect(0, 0, 10000, 10000),
                                                      int(label->alignment()), label->text());
            fits(label, label->text(), needed.width(), room.width());
            fits(label, label->text(), needed.height(), std::max(room.height(), metrics.height()));
        }
    }

    void button(const QAbstractButton* button) {
        if (button->text().isEmpty()) {
            return;
        }
        text(button, button->text());
        const QFontMetrics metrics(button->font());
        if (qobject_cast<const QPushButton*>(button) != nullptr) {
            // The caption is drawn centred inside the one-pixel frame.
            fits(button, button->text(), metrics.horizontalAdvance(button->text()),
                 button->width() - 2);
        } else {
            // Check boxes and radio buttons: the indicator, its spacing and the caption.
            fits(button, button->text(), button->sizeHint().width(), button->width());
        }
    }

    void comboBox(const QComboBox* box) {
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        option.frame = box->hasFrame();
        const int room =
            box->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
                .width();
        const QFontMetrics metrics(box->font());
        for (int i = 0; i < box->count(); ++i) {
            const QString item = box->itemText(i);
            text(box, item);
            fits(box, item, metrics.horizontalAdvance(item), room);
        }
    }

    void menu(const QWidget* owner, const QMenu* menu) {
        text(owner, menu->title());
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                text(owner, action->text());
            }
        }
    }

    // Every text of the window and of the widgets it shows.
    void window(const QWidget* window) {
        ASSERT_NE(window, nullptr);
        ++windows;
        text(window, window->windowTitle());
        for (const QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window) && !widget->isVisible()) {
                continue;
            }
            if (!widget->toolTip().isEmpty()) {
                text(widget, widget->toolTip());
            }
            // File and folder names and the drives are the user's own.
            if (qobject_cast<const FileList*>(widget) != nullptr ||
                qobject_cast<const FolderList*>(widget) != nullptr ||
                qobject_cast<const DriveList*>(widget) != nullptr) {
                continue;
            }
            if (const auto* l = qobject_cast<const QLabel*>(widget)) {
                label(l);
            } else if (const auto* b = qobject_cast<const QAbstractButton*>(widget)) {
                button(b);
            } else if (const auto* g = qobject_cast<const QGroupBox*>(widget)) {
                text(g, g->title());
                fits(g, g->title(), QFontMetrics(g->font()).horizontalAdvance(g->title()) + 8,
                     g->width());
            } else if (const auto* c = qobject_cast<const QComboBox*>(widget)) {
                comboBox(c);
            } else if (const auto* e = qobject_cast<const QLineEdit*>(widget)) {
                if (!e->text().isEmpty()) {
                    text(e, e->text());
                }
            } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
                for (const QAction* action : bar->actions()) {
                    if (action->menu() != nullptr) {
                        menu(bar, action->menu());
                    }
                }
            }
        }
    }

    int windows = 0;
    int texts = 0;
};

class EnglishWindows : public ::testing::Test {
  protected:
    // The windows at the font the program sets for them.
    void SetUp() override {
        savedFont_ = QApplication::font();
        QApplication::setFont(songFont(9));
        ASSERT_TRUE(setInterfaceLanguage(InterfaceLanguage::English,
                                         {QStringLiteral(TESSALINE_RUNTIME_DIR)}));
    }
    void TearDown() override {
        setInterfaceLanguage(InterfaceLanguage::Chinese);
        QApplication::setFont(savedFont_);
    }

  private:
    QFont savedFont_;
};

TEST_F(EnglishWindows, EveryWindowShowsItsTextsTranslatedAndWhole) {
    testing::Form1Harness w;
    Form1& form = *w.form;
    form.show();
    Walker walk;
    walk.window(&form);

    // The hints the text buttons put into the status box.
    for (TextButton* hovered : {form.Label5, form.Label6, form.Label7}) {
        testing::hoverOver(hovered);
        walk.label(form.Label4);
    }

    form.fop1_Click();
    walk.window(form.form2());
    form.form3()->showWindow();
    walk.window(form.form3());
    form.freg4_Click();
    walk.window(form.form4());
    form.fset4_Click();
    walk.window(form.form6());

    // Effect preview, colour replacement, generation.
    form.Label10_Click();
    walk.label(form.Label4);
    form.Label9_Click();
    walk.window(form.form9());
    form.generateCommand();
    ASSERT_TRUE(form.hasForm7());
    Form7& generation = *form.form7();
    walk.window(&generation);
    generation.Command1_Click();
    walk.window(&generation);

    FrmPreview preview;
    for (QLabel* label : preview.findChildren<QLabel*>()) {
        walk.label(label);
    }
    QImage screen(400, 300, QImage::Format_RGB32);
    screen.fill(Qt::gray);
    walk.window(form.openCaptureWindow(screen));
    DocumentWindow help;
    help.show();
    walk.window(&help);

    EXPECT_EQ(walk.windows, 10);
    EXPECT_GT(walk.texts, 100);
    for (const testing::RecordedMessage& message : w.dialogs.messages) {
        EXPECT_FALSE(hasChinese(message.text + message.title)) << message.text.toStdString();
    }
}

} // namespace
} // namespace tessaline
