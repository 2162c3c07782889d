#include "app/DataFolders.h"

#include <QDir>
#include <QFileInfo>

namespace tessaline {

QString installedDataFolder(const QString& executableFolder) {
    return QDir::cleanPath(
        QDir(executableFolder).absoluteFilePath(QStringLiteral(TESSALINE_DATA_FROM_BIN)));
}

QString findDataFolder(const QString& executableFolder) {
    const QString candidates[] = {QDir(executableFolder).absolutePath(),
                                  installedDataFolder(executableFolder)};
    for (const QString& folder : candidates) {
        if (QFileInfo(QDir(folder).filePath(QLatin1String(kStartPictureName))).isFile()) {
            return folder;
        }
    }
    return candidates[0];
}

DesktopWorkingFolder desktopWorkingFolder(const QString& picturesFolder,
                                          const QString& fallbackFolder) {
    if (picturesFolder.isEmpty()) {
        return {fallbackFolder, QStringLiteral("Tessaline")};
    }
    const QString folder = QDir(picturesFolder).filePath(QStringLiteral("Tessaline"));
    // A folder that exists but cannot be written to is refused as well: the
    // first save would fail there.
    if (QDir().mkpath(folder) && QFileInfo(folder).isWritable()) {
        return {folder, {}};
    }
    return {fallbackFolder, folder};
}

} // namespace tessaline
