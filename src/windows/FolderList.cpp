#include "windows/FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace tessaline {

namespace {

constexpr int kFolderRole = Qt::UserRole;

QString captionOf(const QString& folder) {
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(folder) : name;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { setPath(folderOf(item)); });
}

QString FolderList::folderOf(const QListWidgetItem* item) {
    return item ? item->data(kFolderRole).toString() : QString();
}

bool FolderList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir()) {
        return false;
    }
    const QString chosen = QDir::cleanPath(info.absoluteFilePath());

    clear();
    QStringList ancestors;
    for (QDir up(chosen); !up.isRoot() && up.cdUp();) {
        ancestors.prepend(up.absolutePath());
    }
    int depth = 0;
    for (const QString& ancestor : ancestors) {
        addEntry(ancestor, captionOf(ancestor), depth++, true);
    }
    addEntry(chosen, captionOf(chosen), depth, true);
    setCurrentRow(count() - 1);
    // An unreadable folder simply lists no sub-folders.
    const QFileInfoList children = QDir(chosen).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                              QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        addEntry(child.absoluteFilePath(), child.fileName(), depth + 1, false);
    }

    path_ = chosen;
    emit pathChanged();
    return true;
}

void FolderList::addEntry(const QString& folder, const QString& caption, int depth, bool open) {
    auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + caption, this);
    item->setData(kFolderRole, folder);
    item->setIcon(style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon));
}

} // namespace tessaline
