// The picture file browser: the name rule, its lists, the preview, the
// hand-over to the main window and what it does with files that are not
// good pictures.
#include "../app/Form1Harness.h"
#include "CliTestSupport.h"
#include "platform/PictureBox.h"
#include "render/PictureLoader.h"
#include "windows/DriveList.h"
#include "windows/FileList.h"
#include "windows/FolderList.h"
#include "windows/Form2.h"
#include "windows/PictureFileRules.h"
#include "windows/PreviewImage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QSet>
#include <QStorageInfo>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tessaline::testing {
namespace {

const QString kWrongFile =
    QStringLiteral("   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   ");

TEST(PictureFileRules, OkTakesTheThreeLettersInOneCaseOnly) {
    for (const char* name :
         {"photo.JPG", "photo.jpg", "a.bmp", "a.BMP", "b.gif", "b.GIF", "图片.jpg", "x.tar.gif"}) {
        EXPECT_TRUE(isAcceptedPictureName(QString::fromUtf8(name))) << name;
    }
    for (const char* name : {"photo.Jpg", "photo.jpeg", "photo.JPEG", "a.Bmp", "a.png", "a.bmp ",
                             "", "mp", "notes.txt"}) {
        EXPECT_FALSE(isAcceptedPictureName(QString::fromUtf8(name))) << name;
    }
}

TEST(PictureFileRules, SeparatorIsAddedEvenAfterARootFolder) {
    EXPECT_EQ(joinFolderAndFile("/home/user", "a.bmp"), "/home/user/a.bmp");
    EXPECT_EQ(joinFolderAndFile("/", "a.bmp"), "//a.bmp");
}

// A folder of pictures good and bad beside the main window's working folder.
class BrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness = std::make_unique<Form1Harness>();
        folder = harness->workingPath("pictures");
        ASSERT_TRUE(QDir().mkpath(folder));
        ASSERT_TRUE(QDir().mkpath(path("sub folder")));
        ASSERT_TRUE(writePicture(path("rose.bmp"), 40, 60, QColor(200, 30, 40)));
        ASSERT_TRUE(writePicture(path("photo.JPG"), 80, 40, QColor(20, 160, 60), "JPG"));
        ASSERT_TRUE(writePicture(path("photo.Jpg"), 80, 40, QColor(20, 160, 60), "JPG"));
        ASSERT_TRUE(writePicture(path("photo.jpeg"), 80, 40, QColor(20, 160, 60), "JPG"));
        writeBytes("sub folder/deep.gif", redGif(50, 30));
        writeBytes("notes.txt", "a shopping list\n");
        writeBytes("fake.jpg", "this is text, not a JPEG\n");
        writeBytes("fake.gif", "");
        const QByteArray jpeg = encoded(640, 480, "JPG");
        writeBytes("cut.jpg", jpeg.left(jpeg.size() / 2));
        const QByteArray gif = redGif(50, 30);
        writeBytes("cut.gif", gif.left(gif.size() / 2));
        writeBytes("cut.bmp", encoded(64, 64, "BMP").left(200));
        writeBytes("huge.bmp", hugeBmpHeader());
        harness->state.lastDir = folder.toStdString();
        harness->state.lastDrive = QStorageInfo(folder).rootPath().toStdString();
    }

    QString path(const QString& name) const { return QDir(folder).filePath(name); }

    void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray encoded(int width, int height, const char* format) {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
            }
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    // A GIF of one colour: red.
    static QByteArray redGif(int width, int height) {
        return test::redOnTransparentGif(width, height, [](int, int) { return true; });
    }

    // A 54-byte BMP header claiming 60000 x 60000 pixels and nothing after it.
    static QByteArray hugeBmpHeader() {
        QByteArray bytes(54, '\0');
        auto put32 = [&bytes](int at, quint32 value) {
            for (int i = 0; i < 4; ++i) {
                bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
            }
        };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put32(2, 54);
        put32(10, 54);
        put32(14, 40);
        put32(18, 60000);
        put32(22, 60000);
        bytes[26] = 1;
        bytes[28] = 24;
        return bytes;
    }

    Form1& form() { return *harness->form; }
    Form2& browser() { return *form().form2(); }

    // Chooses a file in the list and presses "确定".
    bool chooseAndConfirm(const QString& name) {
        EXPECT_TRUE(browser().File1->selectFile(name)) << name.toStdString();
        return browser().Command1_Click();
    }

    const std::vector<RecordedMessage>& messages() const { return harness->dialogs.messages; }

    std::unique_ptr<Form1Harness> harness;
    QString folder;
};

TEST_F(BrowserTest, WindowHasItsControlsWhereTheyBelong) {
    Form2& b = browser();
    EXPECT_EQ(b.size(), QSize(312, 425));
    EXPECT_EQ(b.Command1->text(), QStringLiteral("确定"));
    EXPECT_EQ(b.Command2->text(), QStringLiteral("取消"));
    EXPECT_EQ(b.File1->geometry(), QRect(168, 40, 129, 331));
    EXPECT_EQ(b.Image1->geometry(), QRect(16, 288, 129, 89));
}

TEST_F(BrowserTest, DriveListStartsWithTheRootAndHoldsThePicturesVolume) {
    const DriveList& drives = *browser().Drive1;
    ASSERT_GT(drives.count(), 0);
    EXPECT_EQ(drives.itemData(0).toString(), QStringLiteral("/"));
    EXPECT_GE(drives.findData(QStorageInfo(folder).rootPath()), 0);
    EXPECT_EQ(drives.drive(), QStorageInfo(folder).rootPath());
}

TEST_F(BrowserTest, OpensAtTheRememberedFolderListingEveryFile) {
    Form2& b = browser();
    EXPECT_EQ(b.Dir1->path(), folder);
    EXPECT_EQ(b.File1->path(), folder);
    QSet<QString> listed;
    for (int i = 0; i < b.File1->count(); ++i) {
        listed << b.File1->item(i)->text();
    }
    // Files only, whatever their names; the sub-folder is not among them.
    EXPECT_EQ(listed,
              QSet<QString>({"cut.bmp", "cut.gif", "cut.jpg", "fake.gif", "fake.jpg", "huge.bmp",
                             "notes.txt", "photo.JPG", "photo.jpeg", "photo.Jpg", "rose.bmp"}));
    EXPECT_EQ(b.File1->item(0)->text(), QStringLiteral("cut.bmp"));
    EXPECT_EQ(b.File1->item(b.File1->count() - 1)->text(), QStringLiteral("rose.bmp"));
}

TEST_F(BrowserTest, WithoutARememberedFolderItOpensAtTheCurrentOne) {
    harness->state.lastDir = "/";
    harness->state.lastDrive = "/";
    Form2& b = browser();
    // Two characters or fewer do not count as a remembered folder.
    EXPECT_EQ(b.Dir1->path(), QDir::currentPath());
    EXPECT_EQ(b.File1->path(), QDir::currentPath());
}

TEST_F(BrowserTest, RememberedFolderThatHasGoneFallsBackToTheCurrentOne) {
    harness->state.lastDir = (folder + "/gone").toStdString();
    EXPECT_EQ(browser().Dir1->path(), QDir::currentPath());
}

TEST_F(BrowserTest, FolderListShowsAncestorsAndSubFoldersAndOpensOne) {
    Form2& b = browser();
    FolderList& dirs = *b.Dir1;
    ASSERT_GT(dirs.count(), 2);
    EXPECT_EQ(FolderList::folderOf(dirs.item(0)), QStringLiteral("/"));
    QListWidgetItem* sub = dirs.item(dirs.count() - 1);
    ASSERT_EQ(FolderList::folderOf(sub), path("sub folder"));
    emit dirs.itemActivated(sub);
    EXPECT_EQ(b.Dir1->path(), path("sub folder"));
    EXPECT_EQ(b.File1->path(), path("sub folder"));
    EXPECT_EQ(b.File1->count(), 1);
    EXPECT_FALSE(dirs.setPath(path("rose.bmp")));
    EXPECT_EQ(b.Dir1->path(), path("sub folder"));
}

TEST_F(BrowserTest, ChoosingAVolumeOpensItsCurrentFolderNotItsRoot) {
    Form2& b = browser();
    ASSERT_TRUE(b.Dir1->setPath(path("sub folder")));
    const QString volume = QStorageInfo(folder).rootPath();
    ASSERT_EQ(b.Drive1->drive(), volume);
    b.Drive1_Change();
    EXPECT_EQ(b.Dir1->path(), path("sub folder"));
    EXPECT_EQ(b.File1->path(), path("sub folder"));
}

TEST_F(BrowserTest, PipesAreNotListed) {
    ASSERT_EQ(mkfifo(path("pipe.bmp").toLocal8Bit().constData(), 0600), 0);
    Form2& b = browser();
    EXPECT_FALSE(b.File1->selectFile("pipe.bmp"));
    EXPECT_TRUE(b.File1->selectFile("rose.bmp"));
}

TEST_F(BrowserTest, NamesThatAreNotUtf8AreShownReadablyAndOpen) {
    // "测试.jpg" in GBK, as archives made on Windows carry it.
    const std::string gbkName = "\xB2\xE2\xCA\xD4.jpg";
    const std::string gbkPath = folder.toStdString() + "/" + gbkName;
    {
        const QByteArray jpeg = encoded(60, 30, "JPG");
        std::FILE* file = std::fopen(gbkPath.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(jpeg.constData(), 1, static_cast<std::size_t>(jpeg.size()), file);
        std::fclose(file);
    }
    Form2& b = browser();
    ASSERT_TRUE(b.File1->selectFile(QStringLiteral("测试.jpg")));
    EXPECT_FALSE(b.Image1->picture().isNull());
    ASSERT_TRUE(b.Command1_Click());
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(harness->state.picturePath, gbkPath);
    EXPECT_EQ(form().Picture3->picture().size(), QSize(60, 30));
}

TEST_F(BrowserTest, ClickOnALowerCaseNamePreviewsTheStretchedPicture) {
    Form2& b = browser();
    ASSERT_TRUE(b.File1->selectFile("rose.bmp"));
    const QImage& preview = b.Image1->picture();
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.size(), b.Image1->contentsRect().size());
    EXPECT_EQ(preview.pixel(preview.width() / 2, preview.height() / 2), qRgb(200, 30, 40));
    EXPECT_TRUE(messages().empty());
}

TEST_F(BrowserTest, ClickAndArrowKeysPreviewTheFileTheyReach) {
    ASSERT_TRUE(writePicture(path("rosy.bmp"), 40, 60, QColor(30, 40, 200)));
    Form2& b = browser();
    b.show();
    // The list selects a clicked entry only after telling that its current
    // row changed: the preview must follow the selection, not the row.
    const QPointF at =
        b.File1->visualItemRect(b.File1->findItems("rose.bmp", Qt::MatchExactly).first()).center();
    sendMouse(b.File1->viewport(), QEvent::MouseButtonPress, at);
    sendMouse(b.File1->viewport(), QEvent::MouseButtonRelease, at);
    ASSERT_FALSE(b.Image1->picture().isNull());
    EXPECT_EQ(b.Image1->picture().pixel(5, 5), qRgb(200, 30, 40));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(b.File1, &down);
    ASSERT_EQ(b.File1->fileName(), QStringLiteral("rosy.bmp"));
    EXPECT_EQ(b.Image1->picture().pixel(5, 5), qRgb(30, 40, 200));
}

TEST_F(BrowserTest, EveryAcceptedNameIsPreviewedAndAnyOtherFileClearsThePreview) {
    Form2& b = browser();
    ASSERT_TRUE(b.File1->selectFile("photo.JPG"));
    ASSERT_FALSE(b.Image1->picture().isNull());
    EXPECT_EQ(qGreen(b.Image1->picture().pixel(5, 5)), 160);

    for (const char* bad : {"photo.jpeg", "photo.Jpg", "fake.jpg", "fake.gif", "huge.bmp",
                            "cut.bmp", "cut.jpg", "cut.gif", "notes.txt"}) {
        ASSERT_TRUE(b.File1->selectFile("rose.bmp"));
        ASSERT_FALSE(b.Image1->picture().isNull());
        ASSERT_TRUE(b.File1->selectFile(bad));
        EXPECT_TRUE(b.Image1->picture().isNull()) << bad;
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(BrowserTest, UpperCaseJpgIsAcceptedAndBecomesTheWorkingPicture) {
    ASSERT_TRUE(chooseAndConfirm("photo.JPG"));
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(harness->state.picturePath, path("photo.JPG").toStdString());
    EXPECT_EQ(form().Picture3->picture().size(), QSize(80, 40));
    EXPECT_EQ(harness->state.lastDir, folder.toStdString());
    EXPECT_EQ(harness->state.lastDrive, QStorageInfo(folder).rootPath().toStdString());
    // 80 x 40 is wider than the 230 x 250 area's shape: full width, 40 high.
    EXPECT_EQ(form().picW, 230);
    EXPECT_EQ(form().picH, 40);
    Form1Harness::flushDeletes();
    EXPECT_FALSE(form().hasForm2());
}

TEST_F(BrowserTest, MixedCaseAndLongExtensionsAreRefusedWithTheMessage) {
    harness->state.lastDir.clear();
    Form2& b = browser();
    ASSERT_TRUE(b.Dir1->setPath(folder));
    const std::string before = harness->state.picturePath;
    for (const char* name : {"photo.Jpg", "photo.jpeg", "notes.txt"}) {
        EXPECT_FALSE(chooseAndConfirm(name)) << name;
    }
    ASSERT_EQ(messages().size(), 3U);
    for (const RecordedMessage& message : messages()) {
        EXPECT_EQ(message.text, kWrongFile);
        EXPECT_EQ(message.title, QStringLiteral("quillmere"));
    }
    EXPECT_EQ(harness->state.picturePath, before);
    // Only a name that passes the rule is remembered.
    EXPECT_TRUE(harness->state.lastDir.empty());
    EXPECT_TRUE(b.isVisible() || form().hasForm2());
    EXPECT_EQ(form().Picture3->picture().size(),
              QSize(Form1Harness::kLogoWidth, Form1Harness::kLogoHeight));
}

TEST_F(BrowserTest, NothingSelectedGivesTheMessage) {
    Form2& b = browser();
    b.File1->setCurrentRow(-1);
    EXPECT_FALSE(b.Command1_Click());
    ASSERT_EQ(messages().size(), 1U);
    EXPECT_EQ(messages().front().text, kWrongFile);
}

TEST_F(BrowserTest, BadPicturesKeepThePreviousPictureAndTheWindowOpen) {
    const QImage logo = form().Picture3->picture();
    ASSERT_EQ(logo.size(), QSize(Form1Harness::kLogoWidth, Form1Harness::kLogoHeight));
    const double picW = form().picW;
    const std::int32_t picH = form().picH;
    const QStringList bad{"fake.jpg", "fake.gif", "cut.bmp", "cut.jpg", "cut.gif", "huge.bmp"};
    for (const QString& name : bad) {
        EXPECT_FALSE(chooseAndConfirm(name)) << name.toStdString();
        EXPECT_EQ(form().Picture3->picture(), logo) << name.toStdString();
        EXPECT_EQ(form().picW, picW);
        EXPECT_EQ(form().picH, picH);
    }
    ASSERT_EQ(messages().size(), static_cast<size_t>(bad.size()));
    for (const RecordedMessage& message : messages()) {
        EXPECT_EQ(message.text, kWrongFile);
    }
    Form1Harness::flushDeletes();
    EXPECT_TRUE(form().hasForm2());
    // The window still works after all that.
    EXPECT_TRUE(chooseAndConfirm("rose.bmp"));
    EXPECT_EQ(form().Picture3->picture().size(), QSize(40, 60));
}

TEST_F(BrowserTest, ReopeningAfterALoadShowsThatPicturesFolder) {
    harness->state.lastDir.clear();
    {
        Form2& b = browser();
        ASSERT_TRUE(b.Dir1->setPath(folder));
        emit b.Dir1->itemActivated(b.Dir1->item(b.Dir1->count() - 1));
        ASSERT_EQ(b.Dir1->path(), path("sub folder"));
        ASSERT_TRUE(chooseAndConfirm("deep.gif"));
    }
    Form1Harness::flushDeletes();
    ASSERT_FALSE(form().hasForm2());
    EXPECT_EQ(browser().Dir1->path(), path("sub folder"));
    EXPECT_TRUE(browser().File1->selectFile("deep.gif"));
}

TEST_F(BrowserTest, CancelClosesWithoutTouchingTheState) {
    const std::string before = harness->state.picturePath;
    browser().Command2->click();
    Form1Harness::flushDeletes();
    EXPECT_FALSE(form().hasForm2());
    EXPECT_EQ(harness->state.picturePath, before);
    EXPECT_TRUE(messages().empty());
}

TEST_F(BrowserTest, DoubledSeparatorStillOpensThePicture) {
    harness->state.picturePath = joinFolderAndFile(folder + "/", "rose.bmp").toStdString();
    ASSERT_NE(harness->state.picturePath.find("//rose.bmp"), std::string::npos);
    EXPECT_TRUE(form().loadWorkspacePicture());
    EXPECT_EQ(form().Picture3->picture().size(), QSize(40, 60));
}

TEST_F(BrowserTest, DoubleClickOnAFileActsLikeOk) {
    Form2& b = browser();
    ASSERT_TRUE(b.File1->selectFile("rose.bmp"));
    emit b.File1->itemDoubleClicked(b.File1->currentItem());
    EXPECT_EQ(form().Picture3->picture().size(), QSize(40, 60));
    EXPECT_TRUE(messages().empty());
}

} // namespace
} // namespace tessaline::testing
