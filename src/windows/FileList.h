#pragma once
// The browser's file list: every ordinary file of one folder, by name.
// Pipes, sockets and devices are left out, so choosing an entry never
// blocks on reading it.
#include <QListWidget>

namespace tessaline {

class FileList : public QListWidget {
    Q_OBJECT
  public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& folder);

    // The selected file's name; empty when none is selected.
    QString fileName() const;
    // Selects the named file; false when it is not listed.
    bool selectFile(const QString& name);

  private:
    QString path_;
};

} // namespace tessaline
