#pragma once
// The file list of the browser and the gallery: every ordinary file of one
// folder, by name. Pipes, sockets and devices are left out, so choosing an
// entry never blocks on reading it. Names are listed from the file system's
// own bytes, so a name that is not UTF-8 (GBK, from Windows archives) is
// shown readably and still opens.
#include <QListWidget>
#include <filesystem>
#include <vector>

namespace tessaline {

class FileList : public QListWidget {
    Q_OBJECT
  public:
    explicit FileList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Lists the folder; false, with the list left as it was, when the
    // folder does not exist.
    bool setPath(const QString& folder);

    // The selected file's name as shown; empty when none is selected.
    QString fileName() const;
    // The selected file's name as the file system holds it.
    std::filesystem::path nativeFileName() const;
    // The folder, its separator and the selected name as the file system
    // holds them; the folder alone when nothing is selected.
    std::filesystem::path selectedPath() const;
    // Selects the named file; false when it is not listed.
    bool selectFile(const QString& name);

  signals:
    // A file became the selected one, by a click, the keys or code; by now
    // fileName() names it. (The list's own row signal comes before the
    // selection follows a click, when fileName() still names the old file.)
    void fileClicked();

  private:
    QString path_;
    std::vector<std::filesystem::path> nativeNames_; // by row
};

} // namespace tessaline
