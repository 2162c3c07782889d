// A picture file dropped on the main window from a file manager goes the
// browser's way: the same name rule, hand-over and message.
#include "../app/Form1Harness.h"
#include "platform/PictureBox.h"

#include <QDropEvent>
#include <QMimeData>
#include <QStorageInfo>
#include <QUrl>
#include <gtest/gtest.h>

namespace tessaline::testing {
namespace {

// Drops the files on the main window's picture, as a file manager would,
// and lets the queued hand-over run.
bool drop(Form1& form, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPointF at = form.Picture4->mapTo(&form, QPointF(5, 5));
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &dropped);
    QCoreApplication::processEvents();
    return dropped.isAccepted();
}

TEST(PictureDrop, TheFirstFileDroppedIsHandedOverWithTheBrowsersChecks) {
    Form1Harness harness;
    Form1& form = *harness.form;
    EXPECT_TRUE(form.acceptDrops());
    const QString rose = harness.workingPath("rose.bmp");
    const QString photo = harness.workingPath("photo.JPG");
    const QString mixed = harness.workingPath("photo.Jpg");
    ASSERT_TRUE(writePicture(rose, 40, 60, QColor(200, 30, 40)));
    ASSERT_TRUE(writePicture(photo, 80, 40, QColor(20, 160, 60), "JPG"));
    ASSERT_TRUE(writePicture(mixed, 80, 40, QColor(20, 160, 60), "JPG"));

    // Two files: the first becomes the working picture, as OK would make it.
    ASSERT_TRUE(drop(form, {QUrl::fromLocalFile(rose), QUrl::fromLocalFile(photo)}));
    EXPECT_TRUE(harness.dialogs.messages.empty());
    EXPECT_EQ(harness.state.picturePath, rose.toStdString());
    EXPECT_EQ(form.Picture3->picture().size(), QSize(40, 60));
    EXPECT_EQ(form.picW, 167);
    EXPECT_EQ(form.picH, 60);
    EXPECT_EQ(harness.state.lastDir, harness.temp.path().toStdString());
    EXPECT_EQ(harness.state.lastDrive, QStorageInfo(harness.temp.path()).rootPath().toStdString());

    // A name the browser refuses, a folder and a web address: its message, nothing loaded.
    ASSERT_TRUE(drop(form, {QUrl::fromLocalFile(mixed)}));
    ASSERT_TRUE(drop(form, {QUrl::fromLocalFile(harness.temp.path())}));
    ASSERT_TRUE(drop(form, {QUrl(QStringLiteral("https://example.invalid/a.jpg"))}));
    ASSERT_EQ(harness.dialogs.messages.size(), 3U);
    for (const RecordedMessage& message : harness.dialogs.messages) {
        EXPECT_EQ(
            message.text,
            QStringLiteral("   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   "));
        EXPECT_EQ(message.title, QStringLiteral("quillmere"));
    }
    EXPECT_EQ(form.Picture3->picture().size(), QSize(40, 60));

    // Dragged text is not a file and is not taken.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QDragEnterEvent enter(QPoint(5, 30), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

} // namespace
} // namespace tessaline::testing
