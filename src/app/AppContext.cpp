#include "app/AppContext.h"

#include "app/DataFolders.h"
#include "render/FileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <system_error>

namespace tessaline {

QString AppContext::workingPath(const QString& fileName) const {
#ifdef _WIN32
    const QString folder = QString::fromStdWString(workingFolder.native());
#else
    const QString folder = QFile::decodeName(QByteArray::fromStdString(workingFolder.native()));
#endif
    return QDir(folder).filePath(fileName);
}

std::filesystem::path AppContext::workingFile(std::string_view fileName) const {
    return workingFolder / fileName;
}

std::string AppContext::startPicturePath() const {
    std::error_code error;
    if (std::filesystem::is_regular_file(workingFolder / kStartPictureName, error)) {
        return kStartPictureName;
    }
    const QString shipped = QDir(programFolder).filePath(QLatin1String(kStartPictureName));
    if (QFileInfo(shipped).isFile()) {
        return nativePath(shipped).string();
    }
    return kStartPictureName;
}

QString AppContext::workingFolderText() const {
    return QDir::toNativeSeparators(readableFileName(workingFolder));
}

QString AppContext::workingFileText(const std::filesystem::path& fileName) const {
    return workingFolderText() + QDir::separator() + readableFileName(fileName.filename());
}

} // namespace tessaline
