#include "windows/Form2.h"

#include "app/Form1.h"
#include "platform/Twips.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "windows/DriveList.h"
#include "windows/FileList.h"
#include "windows/FolderList.h"
#include "windows/PictureFileRules.h"
#include "windows/PictureHandOver.h"
#include "windows/PreviewImage.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>

namespace tessaline {

namespace {

template <typename W> W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

} // namespace

Form2::Form2(Form1& main, QWidget* parent) : QWidget(parent), main_(main) {
    setWindowTitle(tr("导入图片"));
    buildControls();
    connect(Drive1, &DriveList::driveChanged, this, [this] { Drive1_Change(); });
    connect(Dir1, &FolderList::pathChanged, this, [this] { Dir1_Change(); });
    connect(File1, &FileList::fileClicked, this, [this] { File1_Click(); });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { Command1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    load();
}

void Form2::buildControls() {
    setFixedSize(twipsRect(0, 0, 4680, 6375).size());
    Label1 = place(new QLabel(tr("选择转换成绣图的图片或则照片："), this), 240, 120, 3375, 375);
    Drive1 = place(new DriveList(this), 240, 600, 1935, 300);
    Dir1 = place(new FolderList(this), 240, 1200, 1935, 3030);
    File1 = place(new FileList(this), 2520, 600, 1935, 4965);
    Image1 = place(new PreviewImage(PreviewImage::Fit::Stretch, this), 240, 4320, 1935, 1335);
    Command1 = place(new QPushButton(tr("确定"), this), 720, 5880, 1455, 375);
    Command2 = place(new QPushButton(tr("取消"), this), 2640, 5880, 1455, 375);
}

void Form2::load() {
    const Xiubas& state = main_.context().state;
    const QString lastDir = QString::fromStdString(state.lastDir);
    if (lastDir.size() > 2) {
        Drive1->setDrive(QString::fromStdString(state.lastDrive));
        // A remembered folder that has gone since falls back to the
        // current folder rather than leaving the lists empty.
        if (Dir1->setPath(lastDir)) {
            return;
        }
    }
    const QString current = QDir::currentPath();
    Drive1->setDrive(QStorageInfo(current).rootPath());
    Dir1->setPath(current);
}

void Form2::Drive1_Change() {
    Dir1->setPath(currentFolderOn(Drive1->drive()));
}

// A volume's current folder: the last one opened on it, else the program's
// current folder when it lies there, else the volume's root.
QString Form2::currentFolderOn(const QString& drive) const {
    const QString remembered = folderOnDrive_.value(drive);
    if (!remembered.isEmpty() && QDir(remembered).exists()) {
        return remembered;
    }
    const QString current = QDir::currentPath();
    if (QStorageInfo(current).rootPath() == drive) {
        return current;
    }
    return drive;
}

void Form2::Dir1_Change() {
    Drive1->showVolumeOf(Dir1->path());
    folderOnDrive_.insert(QStorageInfo(Dir1->path()).rootPath(), Dir1->path());
    File1->setPath(Dir1->path());
}

void Form2::File1_Click() {
    // Every name "确定" takes gets its thumbnail ("photo.JPG" too); any other
    // file, or one that cannot be read, clears it: the thumbnail never shows
    // a file other than the one clicked.
    const QString name = File1->fileName();
    if (!isAcceptedPictureName(name)) {
        Image1->setPicture(QImage());
        return;
    }
    const PictureLoadResult loaded = loadPicture(selectedPath());
    Image1->setPicture(loaded.ok() ? loaded.image : QImage());
}

bool Form2::Command1_Click() {
    if (!handOverPictureFile(main_, selectedPath(), File1->fileName(), Dir1->path(),
                             Drive1->drive(), this)) {
        return false;
    }
    close();
    return true;
}

// The folder, its separator and the selected name as the file system holds it.
std::filesystem::path Form2::selectedPath() const {
    return File1->selectedPath();
}

void Form2::Command2_Click() {
    close();
}

} // namespace tessaline
