#include "render/FileNames.h"

#include <QFile>
#include <QStringDecoder>

namespace tessaline {

std::filesystem::path nativePath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString readableFileName(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    const QByteArray bytes = QByteArray::fromStdString(path.native());
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder chinese("GB18030");
    if (chinese.isValid()) {
        QString decoded = chinese(bytes);
        if (!chinese.hasError()) {
            return decoded;
        }
    }
    return text;
#endif
}

std::string readableFileNameUtf8(const std::filesystem::path& path) {
    return readableFileName(path).toStdString();
}

} // namespace tessaline
