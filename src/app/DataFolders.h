#pragma once
// Where the program finds what ships with it and where it works. The build
// folder holds the program beside its data; an installed program finds its
// data under the installation's share folder, found from the executable's
// own folder so a moved installation still works. The program never writes
// into either.
#include <QIcon>
#include <QString>

namespace tessaline {

// The start-up picture's file name, in the working folder or the data folder.
inline constexpr const char* kStartPictureName = "logo.dll";

// The folder holding the start-up picture, the user guide and the gallery's
// sample folders: the executable's own folder when they lie beside it (the
// build folder), else the installation's data folder (share/tessaline
// beside the executable's bin folder). When neither holds them, the
// executable's folder, so a missing file is missed where it always was.
QString findDataFolder(const QString& executableFolder);

// Where an installation beside executableFolder keeps its data
// (share/tessaline beside the bin folder), whether or not it is there.
QString installedDataFolder(const QString& executableFolder);

// The desktop's name for the program: its desktop entry (without
// ".desktop"), its metainfo and its icon, org.tessaline.Tessaline.
QString programDesktopId();

// The program's icon at every size the build drew: the icons folder beside
// the executable (the build folder), else the hicolor theme's folders of
// the installation (share/icons/hicolor beside the bin folder), else the
// icon theme's.
QIcon programIcon(const QString& executableFolder);

// The working folder of a program started from the desktop: "Tessaline" in
// the user's pictures folder, made on first use. When it cannot be made,
// `folder` is fallbackFolder and `failed` names the folder that was refused;
// `writable` then tells whether files can be saved in fallbackFolder (not
// with HOME unset or read-only).
struct DesktopWorkingFolder {
    QString folder;
    QString failed;
    bool writable = true;
};
DesktopWorkingFolder desktopWorkingFolder(const QString& picturesFolder,
                                          const QString& fallbackFolder);

} // namespace tessaline
