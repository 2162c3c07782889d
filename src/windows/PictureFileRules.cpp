#include "windows/PictureFileRules.h"

#include <QDir>
#include <QStringList>

namespace tessaline {

namespace {

QString lastThree(const QString& fileName) {
    return fileName.size() < 3 ? QString() : fileName.right(3);
}

} // namespace

bool isAcceptedPictureName(const QString& fileName) {
    static const QStringList accepted{QStringLiteral("bmp"), QStringLiteral("jpg"),
                                      QStringLiteral("gif"), QStringLiteral("BMP"),
                                      QStringLiteral("JPG"), QStringLiteral("GIF")};
    return accepted.contains(lastThree(fileName), Qt::CaseSensitive);
}

QString joinFolderAndFile(const QString& folder, const QString& fileName) {
    return QDir::toNativeSeparators(folder) + QDir::separator() + fileName;
}

} // namespace tessaline
