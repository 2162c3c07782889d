#include "windows/Form6.h"

#include "app/Form1.h"
#include "platform/Twips.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "windows/FileList.h"
#include "windows/Form2.h"
#include "windows/PictureFileRules.h"
#include "windows/PictureHandOver.h"
#include "windows/PreviewImage.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace tessaline {

namespace {

template <typename W> W* place(W* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
    return widget;
}

} // namespace

const QStringList& Form6::categoryFolders() {
    static const QStringList folders{QStringLiteral("动漫"), QStringLiteral("美女"),
                                     QStringLiteral("汽车"), QStringLiteral("星座"),
                                     QStringLiteral("动物"), QStringLiteral("风景"),
                                     QStringLiteral("艺术")};
    return folders;
}

Form6::Form6(Form1& main, QWidget* parent) : QWidget(parent), main_(main) {
    setWindowTitle(tr("绣图图库"));
    buildControls();
    const QList<QPushButton*> buttons = categoryButtons();
    for (int category = 0; category < buttons.size(); ++category) {
        connect(buttons[category], &QPushButton::clicked, this,
                [this, category] { categoryClick(category); });
    }
    connect(File1, &FileList::fileClicked, this, [this] { File1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    load();
}

void Form6::buildControls() {
    setFixedSize(twipsRect(0, 0, 5415, 6015).size());
    Label1 = place(new QLabel(this), 240, 120, 4875, 855);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The captions name the category folders, in the interface's language.
    const QStringList names{tr("动漫"), tr("美女"), tr("汽车"), tr("星座"),
                            tr("动物"), tr("风景"), tr("艺术")};
    Command1 = place(new QPushButton(names[0], this), 240, 1080, 1095, 495);
    Command2 = place(new QPushButton(names[1], this), 1560, 1080, 1095, 495);
    Command3 = place(new QPushButton(names[2], this), 2760, 1080, 1095, 495);
    Command4 = place(new QPushButton(names[3], this), 4080, 1080, 1095, 495);
    Command6 = place(new QPushButton(names[4], this), 240, 1680, 1095, 495);
    Command7 = place(new QPushButton(names[5], this), 1560, 1680, 1095, 495);
    Command8 = place(new QPushButton(names[6], this), 2760, 1680, 1095, 495);
    Command9 = place(new QPushButton(tr("退出"), this), 4080, 1680, 1095, 495);
    File1 = place(new FileList(this), 240, 2280, 1935, 3405);
    Command5 = place(new QPushButton(tr("应用Apply)"), this), 2520, 2280, 2655, 375);
    Image1 = place(new PreviewImage(PreviewImage::Fit::Clip, this), 2520, 2760, 2655, 3015);
}

QList<QPushButton*> Form6::categoryButtons() const {
    return {Command1, Command2, Command3, Command4, Command6, Command7, Command8};
}

QString Form6::categoryPath(int category) const {
    return QDir(main_.context().programFolder).filePath(categoryFolders().at(category));
}

void Form6::load() {
    Label1->setText(
        tr("温馨提示：对于颜色数较少的卡通类图片，可以在 绣图设置-减色方式，选择-'不做减色处理'，"
           "且选择 局部，不要对图形做缩放处理。可得到最佳效果"));
    // Without the samples the list stays empty; there is nothing to say.
    File1->setPath(categoryPath(0));
}

void Form6::categoryClick(int category) {
    // The disabled button marks the category listed, so a folder that is
    // not there leaves the buttons as they are, as well as the list.
    if (!File1->setPath(categoryPath(category))) {
        return;
    }
    const QList<QPushButton*> buttons = categoryButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        buttons[i]->setEnabled(i != category);
    }
}

void Form6::File1_Click() {
    const QString name = File1->fileName();
    if (!isAcceptedPictureName(name)) {
        return;
    }
    // A file that cannot be read leaves the previous preview in place.
    const PictureLoadResult loaded = loadPicture(selectedPath());
    if (loaded.ok()) {
        Image1->setPicture(loaded.image);
    }
}

bool Form6::Command5_Click() {
    // Any name is tried here: the samples are ours. With nothing selected
    // the folder itself is tried, and refused.
    main_.context().state.picturePath = selectedPath().string();
    if (!main_.loadWorkspacePicture()) {
        showWrongPictureMessage(main_, this);
        return false;
    }
    if (main_.hasForm2()) {
        main_.form2()->close();
    }
    return true;
}

// The folder, its separator and the selected name as the file system holds
// it; the folder alone when nothing is selected.
std::filesystem::path Form6::selectedPath() const {
    return File1->selectedPath();
}

void Form6::Command9_Click() {
    close();
}

} // namespace tessaline
