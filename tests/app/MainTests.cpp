// `tessaline [--desktop] [PICTURE]`: the picture named on the command line,
// as the desktop's "open with" passes it, goes the file browser's way into
// the main window.
#include "Form1Harness.h"
#include "app/Main.h"
#include "platform/PictureBox.h"
#include "windows/PictureHandOver.h"

#include <QDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tessaline::testing {
namespace {

StartOptions read(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    return readStartOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLinePicture, OpensInTheMainWindowOrGetsTheBrowsersMessage) {
    const StartOptions plain = read({"tessaline"});
    EXPECT_FALSE(plain.fromDesktop);
    EXPECT_TRUE(plain.picture.isEmpty());
    // A relative name is taken from where the program was started; the first
    // picture counts, options are not pictures.
    const StartOptions desktop = read({"tessaline", "--desktop", "照片/photo.jpg", "second.bmp"});
    EXPECT_TRUE(desktop.fromDesktop);
    EXPECT_EQ(desktop.picture, QDir::current().absoluteFilePath(QStringLiteral("照片/photo.jpg")));
    EXPECT_EQ(read({"tessaline", "-style", "x.bmp"}).picture,
              QDir::current().absoluteFilePath(QStringLiteral("x.bmp")));

    Form1Harness harness;
    Form1& form = *harness.form;
    const QString photo = harness.workingPath("photo.jpg");
    ASSERT_TRUE(writePicture(photo, 90, 50, QColor(20, 160, 60), "JPG"));
    EXPECT_TRUE(handOverLocalFile(form, photo, &form));
    EXPECT_TRUE(harness.dialogs.messages.empty());
    EXPECT_EQ(harness.state.picturePath, photo.toStdString());
    EXPECT_EQ(form.Picture3->picture().size(), QSize(90, 50));
    EXPECT_EQ(harness.state.lastDir, harness.temp.path().toStdString());

    // A missing file, a file that is no picture and a name the browser
    // refuses: the browser's message each time, the picture stays.
    const QString broken = harness.workingPath("broken.jpg");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    ASSERT_TRUE(writePicture(harness.workingPath("notes.txt"), 10, 10, Qt::red));
    for (const QString& name :
         {harness.workingPath("missing.jpg"), broken, harness.workingPath("notes.txt")}) {
        EXPECT_FALSE(handOverLocalFile(form, name, &form)) << name.toStdString();
    }
    ASSERT_EQ(harness.dialogs.messages.size(), 3U);
    for (const RecordedMessage& message : harness.dialogs.messages) {
        EXPECT_EQ(
            message.text,
            QStringLiteral("   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   "));
    }
    EXPECT_EQ(form.Picture3->picture().size(), QSize(90, 50));
}

} // namespace
} // namespace tessaline::testing
