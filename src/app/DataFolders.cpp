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
    // A folder that exists but cannot be written to is refused as well: the
    // first save would fail there.
    const auto writable = [](const QString& folder) {
        const QFileInfo info(folder);
        return info.isDir() && info.isWritable();
    };
    if (picturesFolder.isEmpty()) {
        return {fallbackFolder, QStringLiteral("Tessaline"), writable(fallbackFolder)};
    }
    const QString folder = QDir(picturesFolder).filePath(QStringLiteral("Tessaline"));
    if (QDir().mkpath(folder) && writable(folder)) {
        return {folder, {}, true};
    }
    return {fallbackFolder, folder, writable(fallbackFolder)};
}

} // namespace tessaline
