#pragma once
// The browser's folder list: the chosen folder's ancestors from the root
// down, the folder itself, then its sub-folders. Activating an entry (a
// double-click or Enter) makes it the chosen folder.
#include <QListWidget>

namespace tessaline {

class FolderList : public QListWidget {
    Q_OBJECT
  public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Chooses folder and lists it; false, and nothing changes, when it is
    // not an existing folder.
    bool setPath(const QString& folder);

    // The folder an entry stands for.
    static QString folderOf(const QListWidgetItem* item);

  signals:
    void pathChanged();

  private:
    void addEntry(const QString& folder, const QString& caption, int depth, bool open);

    QString path_;
};

} // namespace tessaline
