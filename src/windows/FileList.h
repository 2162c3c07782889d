#pragma once
// The browser's file list: every ordinary file of one folder, by name.
// Pipes, sockets and devices are left out, so choosing an entry never
// blocks on reading it. Names are listed from the file system's own bytes,
// so a name that is not UTF-8 (GBK, from Windows archives) is shown readably
// and still opens.
#include <QListWidget>
#include <filesystem>
#include <vector>

namespace tessaline {

class FileList : public QListWidget {
    Q_OBJECT
  public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    void setPath(const QString& folder);

    // The selected file's name as shown; empty when none is selected.
    QString fileName() const;
    // The selected file's name as the file system holds it.
    std::filesystem::path nativeFileName() const;
    // Selects the named file; false when it is not listed.
    bool selectFile(const QString& name);

  private:
    QString path_;
    std::vector<std::filesystem::path> nativeNames_; // by row
};

} // namespace tessaline
