#pragma once
// The picture file browser: drive, folder and file lists, a preview of the
// clicked file, and "确定", which hands the chosen file to the main window.
#include <QHash>
#include <QString>
#include <QWidget>
#include <filesystem>

class QLabel;
class QPushButton;

namespace tessaline {

class DriveList;
class FileList;
class FolderList;
class Form1;
class PreviewImage;

class Form2 : public QWidget {
    Q_OBJECT
  public:
    // Builds the window and runs its load handler, which restores the
    // folder of the last picture loaded in this run.
    explicit Form2(Form1& main, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    DriveList* Drive1 = nullptr;
    FolderList* Dir1 = nullptr;
    FileList* File1 = nullptr;
    PreviewImage* Image1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    // "确定": true when the picture was handed over and the window closed;
    // otherwise the message has been shown and the window stays.
    bool Command1_Click();
    void Command2_Click(); // "取消"

  private:
    void buildControls();
    void load();
    std::filesystem::path selectedPath() const;
    QString currentFolderOn(const QString& drive) const;

    Form1& main_;
    // Each volume's current folder: the last one opened on it in this window.
    QHash<QString, QString> folderOnDrive_;
};

} // namespace tessaline
