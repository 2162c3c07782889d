#include "windows/FileList.h"

#include "render/FileNames.h"
#include "windows/PictureFileRules.h"

#include <algorithm>
#include <utility>

namespace tessaline {

FileList::FileList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fileName().isEmpty()) {
            emit fileClicked();
        }
    });
}

bool FileList::setPath(const QString& folder) {
    std::error_code folderError;
    if (!std::filesystem::is_directory(nativePath(folder), folderError)) {
        return false;
    }
    path_ = folder;
    clear();
    nativeNames_.clear();
    // Ordinary files and links to them, hidden ones left out, by name
    // regardless of case.
    std::vector<std::pair<QString, std::filesystem::path>> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(nativePath(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        const std::filesystem::path name = entry->path().filename();
        std::error_code typeError;
        if (!name.native().starts_with('.') && entry->is_regular_file(typeError)) {
            names.emplace_back(readableFileName(name), name);
        }
    }
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        const int order = a.first.compare(b.first, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.first < b.first;
    });
    // Rows a little taller than the text, so underscores and descenders of
    // any face the names fall back to are not cut off.
    const int rowHeight = fontMetrics().height() + 4;
    for (auto& [shown, name] : names) {
        auto* item = new QListWidgetItem(shown, this);
        item->setSizeHint(QSize(fontMetrics().horizontalAdvance(shown) + 8, rowHeight));
        nativeNames_.push_back(std::move(name));
    }
    return true;
}

QString FileList::fileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

std::filesystem::path FileList::nativeFileName() const {
    const QListWidgetItem* item = currentItem();
    if (!item || !item->isSelected()) {
        return {};
    }
    return nativeNames_[static_cast<std::size_t>(row(item))];
}

std::filesystem::path FileList::selectedPath() const {
    return nativePath(joinFolderAndFile(path_, QString())).native() + nativeFileName().native();
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
