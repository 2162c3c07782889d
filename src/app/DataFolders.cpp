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

QString programDesktopId() {
    return QStringLiteral(TESSALINE_APP_ID);
}

QIcon programIcon(const QString& executableFolder) {
    const QDir folder(executableFolder);
    const QString themes[] = {
        folder.absoluteFilePath(QStringLiteral("icons")),
        QDir::cleanPath(folder.absoluteFilePath(QStringLiteral(TESSALINE_ICONS_FROM_BIN)))};
    const QString file = QStringLiteral("/apps/") + programDesktopId() + QStringLiteral(".png");
    for (const QString& theme : themes) {
        QIcon icon;
        // One folder per size: 16x16, 24x24, ... 256x256.
        const QDir sizes(theme);
        for (const QString& size : sizes.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString path = sizes.filePath(size + file);
            if (QFileInfo(path).isFile()) {
                icon.addFile(path);
            }
        }
        if (!icon.isNull()) {
            return icon;
        }
    }
    return QIcon::fromTheme(programDesktopId());
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
