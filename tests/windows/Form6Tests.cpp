// The sample gallery: its categories, the preview, applying a sample, and
// the two ways the main window opens it.
#include "../app/Form1Harness.h"
#include "platform/PictureBox.h"
#include "windows/PreviewImage.h"
#include "windows/FileList.h"
#include "windows/Form2.h"
#include "windows/Form6.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <gtest/gtest.h>

namespace tessaline::testing {
namespace {

const QString kWrongFile =
    QStringLiteral("   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   ");

QStringList listed(const FileList& list) {
    QStringList names;
    for (int i = 0; i < list.count(); ++i) {
        names << list.item(i)->text();
    }
    return names;
}

// Clicks a list entry with the mouse, as the user does.
void clickEntry(FileList& list, const QString& name) {
    const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    const QPointF at = list.visualItemRect(found.first()).center();
    sendMouse(list.viewport(), QEvent::MouseButtonPress, at);
    sendMouse(list.viewport(), QEvent::MouseButtonRelease, at);
}

// Two of the seven category folders beside the program; "美女" is missing.
class GalleryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness = std::make_unique<Form1Harness>();
        ASSERT_TRUE(QDir().mkpath(category("动漫")));
        ASSERT_TRUE(QDir().mkpath(category("汽车")));
        ASSERT_TRUE(writePicture(category("动漫") + "/rose.bmp", 40, 60, QColor(200, 30, 40)));
        ASSERT_TRUE(
            writePicture(category("动漫") + "/wide.jpg", 500, 500, QColor(20, 160, 60), "JPG"));
        // Decodable, but not by its name: applied all the same, never previewed.
        ASSERT_TRUE(writePicture(category("动漫") + "/odd.png", 30, 20, QColor(0, 0, 255), "PNG"));
        QFile notes(category("动漫") + "/notes.txt");
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture\n");
        notes.close();
        ASSERT_TRUE(writePicture(category("汽车") + "/car.bmp", 70, 30, QColor(0, 0, 0)));
    }

    QString category(const char* name) const {
        return harness->workingPath(QString::fromUtf8(name));
    }
    Form1& form() { return *harness->form; }
    Form6& gallery() { return *form().form6(); }
    const std::vector<RecordedMessage>& messages() const { return harness->dialogs.messages; }

    std::unique_ptr<Form1Harness> harness;
};

TEST_F(GalleryTest, CategoryButtonsSwitchTheListAndMarkTheCurrentCategory) {
    Form6& g = gallery();
    EXPECT_EQ(g.Label1->text().left(5), QStringLiteral("温馨提示："));
    EXPECT_EQ(g.Command5->text(), QStringLiteral("应用Apply)"));
    EXPECT_EQ(g.Command9->text(), QStringLiteral("退出"));
    const QList<QPushButton*> buttons = g.categoryButtons();
    ASSERT_EQ(buttons.size(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(buttons[i]->text(), Form6::categoryFolders()[i]);
        EXPECT_TRUE(buttons[i]->isEnabled()) << i; // none marked at first
    }
    // The first category is listed at load, every file in it.
    EXPECT_EQ(g.File1->path(), category("动漫"));
    EXPECT_EQ(listed(*g.File1), QStringList({"notes.txt", "odd.png", "rose.bmp", "wide.jpg"}));

    g.Command3->click(); // "汽车"
    EXPECT_EQ(g.File1->path(), category("汽车"));
    EXPECT_EQ(listed(*g.File1), QStringList({"car.bmp"}));
    for (QPushButton* button : buttons) {
        EXPECT_EQ(button->isEnabled(), button != g.Command3) << button->text().toStdString();
    }
    g.Command1->click(); // "动漫" again: "汽车" is released
    EXPECT_TRUE(g.Command3->isEnabled());
    EXPECT_FALSE(g.Command1->isEnabled());

    // A missing folder changes neither the list nor the buttons, silently.
    g.Command2->click(); // "美女"
    EXPECT_EQ(g.File1->path(), category("动漫"));
    EXPECT_EQ(g.File1->count(), 4);
    EXPECT_TRUE(g.Command2->isEnabled());
    EXPECT_FALSE(g.Command1->isEnabled());
    EXPECT_TRUE(messages().empty());
}

TEST_F(GalleryTest, ClickPreviewsAtThePicturesOwnSizeCutOffAtTheBox) {
    Form6& g = gallery();
    g.show();
    clickEntry(*g.File1, "rose.bmp");
    EXPECT_EQ(g.File1->fileName(), QStringLiteral("rose.bmp"));
    const QImage small = g.Image1->picture();
    ASSERT_EQ(small.size(), QSize(40, 60));
    EXPECT_EQ(small.pixel(20, 30), qRgb(200, 30, 40));

    clickEntry(*g.File1, "wide.jpg");
    EXPECT_EQ(g.Image1->picture().size(), g.Image1->contentsRect().size());
    // Names the preview does not take leave the last preview in place.
    clickEntry(*g.File1, "odd.png");
    clickEntry(*g.File1, "notes.txt");
    EXPECT_EQ(g.Image1->picture().size(), g.Image1->contentsRect().size());
    EXPECT_TRUE(messages().empty());
}

TEST_F(GalleryTest, ApplyLoadsTheSampleClosesTheBrowserAndStaysOpen) {
    form().fop1->trigger();
    ASSERT_TRUE(form().hasForm2());
    const std::string lastDir = harness->state.lastDir;
    Form6& g = gallery();
    g.show();
    ASSERT_TRUE(g.File1->selectFile("rose.bmp"));
    g.Command5->click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(harness->state.picturePath, (category("动漫") + "/rose.bmp").toStdString());
    EXPECT_EQ(form().Picture3->picture().size(), QSize(40, 60));
    // The frame as the browser's OK sets it for this picture.
    EXPECT_EQ(form().picW, 167);
    EXPECT_EQ(form().picH, 60);
    EXPECT_EQ(harness->state.lastDir, lastDir);
    Form1Harness::flushDeletes();
    EXPECT_FALSE(form().hasForm2());
    EXPECT_TRUE(form().hasForm6());
    EXPECT_TRUE(g.isVisible());

    // Any name that the loader can read is applied.
    ASSERT_TRUE(g.File1->selectFile("odd.png"));
    EXPECT_TRUE(g.Command5_Click());
    EXPECT_EQ(form().Picture3->picture().size(), QSize(30, 20));
}

TEST_F(GalleryTest, ApplyWithoutASelectionOrOnANonPictureShowsTheBrowsersMessage) {
    Form6& g = gallery();
    const QImage before = form().Picture3->picture();
    g.File1->setCurrentRow(-1);
    EXPECT_FALSE(g.Command5_Click());
    ASSERT_TRUE(g.File1->selectFile("notes.txt"));
    EXPECT_FALSE(g.Command5_Click());
    ASSERT_EQ(messages().size(), 2U);
    for (const RecordedMessage& message : messages()) {
        EXPECT_EQ(message.text, kWrongFile);
        EXPECT_EQ(message.title, QStringLiteral("quillmere"));
    }
    EXPECT_EQ(form().Picture3->picture(), before);
    Form1Harness::flushDeletes();
    EXPECT_TRUE(form().hasForm6());
}

TEST_F(GalleryTest, ButtonOpensItBesideTheWindowMenuWhereItStoodExitUnloads) {
    Form1& f = form();
    f.move(200, 150);
    f.previewDone = 1;
    f.Command6->click();
    ASSERT_TRUE(f.hasForm6());
    Form6* g = f.form6();
    EXPECT_TRUE(g->isVisible());
    // 4800 and 1400 twips at 15 twips to the pixel.
    EXPECT_EQ(g->pos(), QPoint(200 + 320, 150 + 93));
    EXPECT_EQ(f.previewDone, 0);

    f.previewDone = 1;
    g->move(33, 44);
    f.fset4->trigger();
    EXPECT_EQ(f.form6(), g);
    EXPECT_EQ(g->pos(), QPoint(33, 44));
    EXPECT_EQ(f.previewDone, 1);

    g->Command9->click();
    Form1Harness::flushDeletes();
    EXPECT_FALSE(f.hasForm6());
}

} // namespace
} // namespace tessaline::testing
