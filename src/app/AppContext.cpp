#include "app/AppContext.h"

#include <QDir>

namespace tessaline {

QString AppContext::workingPath(const QString& fileName) const {
    return QDir(workingFolder).filePath(fileName);
}

} // namespace tessaline
