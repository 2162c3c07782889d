#include "windows/DriveList.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>

namespace tessaline {

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    refresh();
    connect(this, &QComboBox::currentIndexChanged, this, [this] { emit driveChanged(); });
}

void DriveList::refresh() {
    const QString chosen = drive();
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath())) {
            roots.append(volume.rootPath());
        }
    }
    const QString root = QDir::rootPath();
    roots.removeAll(root);
    std::sort(roots.begin(), roots.end());
    roots.prepend(root);

    const QSignalBlocker quiet(this);
    clear();
    for (const QString& path : roots) {
        addItem(QDir::toNativeSeparators(path), path);
    }
    const int again = findData(chosen);
    setCurrentIndex(again >= 0 ? again : 0);
}

QString DriveList::drive() const {
    return currentData().toString();
}

bool DriveList::setDrive(const QString& drive) {
    const int index = findData(QDir::fromNativeSeparators(drive));
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return true;
}

void DriveList::showVolumeOf(const QString& path) {
    const int index = findData(QStorageInfo(path).rootPath());
    if (index >= 0 && index != currentIndex()) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(index);
    }
}

} // namespace tessaline
