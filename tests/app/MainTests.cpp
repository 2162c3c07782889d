// `tessaline [--desktop] [PICTURE]`: the picture named on the command line,
// as the desktop's "open with" passes it, goes the file browser's way into
// the main window.
#include "Form1Harness.h"
#include "app/Main.h"
#include "platform/PictureBox.h"
#include "windows/PictureHandOver.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
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
    // The desktop offers any JPEG, whatever its name ends with.
    const QString photo = harness.workingPath("photo.jpeg");
    ASSERT_TRUE(writePicture(photo, 90, 50, QColor(20, 160, 60), "JPG"));
    EXPECT_TRUE(handOverNamedPicture(form, photo, &form));
    EXPECT_TRUE(harness.dialogs.messages.empty());
    EXPECT_EQ(harness.state.picturePath, photo.toStdString());
    EXPECT_EQ(form.Picture3->picture().size(), QSize(90, 50));
    EXPECT_EQ(harness.state.lastDir, harness.temp.path().toStdString());

    // A missing file, a file that is no picture, a cut-off one and a
    // folder: the browser's message each time, the picture stays.
    const QString notes = harness.workingPath("notes.jpg");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    const QString cut = harness.workingPath("cut.jpg");
    QFile whole(photo);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    QFile part(cut);
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(whole.read(whole.size() / 2));
    part.close();
    for (const QString& name :
         {harness.workingPath("missing.jpg"), notes, cut, harness.temp.path()}) {
        EXPECT_FALSE(handOverNamedPicture(form, name, &form)) << name.toStdString();
    }
    ASSERT_EQ(harness.dialogs.messages.size(), 4U);
    for (const RecordedMessage& message : harness.dialogs.messages) {
        EXPECT_EQ(
            message.text,
            QStringLiteral("   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   "));
    }
    EXPECT_EQ(form.Picture3->picture().size(), QSize(90, 50));
}

struct ProgramRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& args, const QProcessEnvironment& env) {
    QTemporaryDir folder;
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.path());
    process.start(QStringLiteral(TESSALINE_EXECUTABLE), args);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(WindowProgram, WithoutADisplaySaysSoInOneLineAndExitsSix) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        env.remove(QString::fromLatin1(name));
    }
    const ProgramRun unset = runProgram({}, env);
    EXPECT_EQ(unset.exitCode, kExitNoDisplay);
    EXPECT_EQ(unset.err, "tessaline: the windows need a display, and none is set (DISPLAY, "
                         "WAYLAND_DISPLAY); tessaline convert needs none\n");
    EXPECT_TRUE(unset.out.isEmpty());

    // A display nobody runs, named with a picture to open.
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    const ProgramRun unreachable = runProgram({QStringLiteral("photo.jpg")}, env);
    EXPECT_EQ(unreachable.exitCode, kExitNoDisplay);
    EXPECT_EQ(unreachable.err, "tessaline: the windows need a display, and the display \":4093\" "
                               "cannot be opened; tessaline convert needs none\n");

    // What needs no window needs no display.
    const ProgramRun version = runProgram({QStringLiteral("--version")}, env);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith("tessaline ")) << version.out.data();
}

} // namespace
} // namespace tessaline::testing
