#pragma once
// Handing a chosen picture file to the main window, as the browser's "确定"
// does it: the name rule, the remembered drive and folder, the hand-over,
// and one message for every way it can fail. A picture dropped on the main
// window or named on the command line goes the same way.
#include <QString>
#include <filesystem>

class QWidget;

namespace tessaline {

class Form1;

// True when the picture file became the working picture. The name rule
// judges shownName, the name as the list shows it; file is the path as the
// file system holds it. Otherwise the message has been shown over
// messageParent; a refused name changes nothing, a file that does not load
// leaves the drive and folder remembered.
bool handOverPictureFile(Form1& main, const std::filesystem::path& file, const QString& shownName,
                         const QString& folder, const QString& drive, QWidget* messageParent);

// A local file named by its path, as a file manager drops it:
// handOverPictureFile with the file's own name, folder and volume.
bool handOverLocalFile(Form1& main, const QString& localPath, QWidget* messageParent);

// A picture named on the command line (`tessaline photo.jpg`), as the
// desktop's "open with" passes it: the same hand-over and message, but the
// loader rather than the name rule judges it, since the desktop offers every
// JPEG, GIF and BMP file whatever its name ends with (photo.jpeg).
bool handOverNamedPicture(Form1& main, const QString& localPath, QWidget* messageParent);

// "错误的图形文件…": the browser's and the gallery's message.
void showWrongPictureMessage(Form1& main, QWidget* parent);

} // namespace tessaline
