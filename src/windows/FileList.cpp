#include "windows/FileList.h"

#include <QDir>

namespace tessaline {

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::setPath(const QString& folder) {
    path_ = folder;
    clear();
    addItems(QDir(folder).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

bool FileList::selectFile(const QString& name) {
    const QList<QListWidgetItem*> found =
        findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        return false;
    }
    setCurrentItem(found.first());
    return true;
}

} // namespace tessaline
