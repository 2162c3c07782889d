#include "windows/PictureHandOver.h"

#include "app/Form1.h"
#include "platform/UserDialogs.h"
#include "render/FileNames.h"
#include "windows/PictureFileRules.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStorageInfo>

namespace tessaline {

namespace {

// The hand-over after the name rule.
bool handOver(Form1& main, const std::filesystem::path& file, const QString& folder,
              const QString& drive, QWidget* messageParent) {
    Xiubas& state = main.context().state;
    state.picturePath = file.string();
    state.lastDrive = drive.toStdString();
    state.lastDir = folder.toStdString();
    // A cut-off file is refused by the loader like any other that does not open.
    if (!main.loadWorkspacePicture()) {
        showWrongPictureMessage(main, messageParent);
        return false;
    }
    return true;
}

} // namespace

bool handOverPictureFile(Form1& main, const std::filesystem::path& file, const QString& shownName,
                         const QString& folder, const QString& drive, QWidget* messageParent) {
    if (!isAcceptedPictureName(shownName)) {
        showWrongPictureMessage(main, messageParent);
        return false;
    }
    return handOver(main, file, folder, drive, messageParent);
}

bool handOverLocalFile(Form1& main, const QString& localPath, QWidget* messageParent) {
    const QFileInfo file(localPath);
    const QString folder = file.absolutePath();
    return handOverPictureFile(main, nativePath(file.absoluteFilePath()), file.fileName(), folder,
                               QStorageInfo(folder).rootPath(), messageParent);
}

bool handOverNamedPicture(Form1& main, const QString& localPath, QWidget* messageParent) {
    const QFileInfo file(localPath);
    const QString folder = file.absolutePath();
    return handOver(main, nativePath(file.absoluteFilePath()), folder,
                    QStorageInfo(folder).rootPath(), messageParent);
}

void showWrongPictureMessage(Form1& main, QWidget* parent) {
    main.context().dialogs.message(
        parent,
        QCoreApplication::translate(
            "tessaline::PictureHandOver",
            "   错误的图形文件，无法打开，请确认是jpg,gif,bmp格式中的一种   "),
        QStringLiteral("quillmere"));
}

} // namespace tessaline
