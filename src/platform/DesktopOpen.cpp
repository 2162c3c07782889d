#include "platform/DesktopOpen.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tessaline {

namespace {

// One line of xdg-mime's answer; empty when it fails or takes too long.
QString askXdgMime(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return {};
    }
    // A type may come with parameters ("text/plain; charset=…").
    return QString::fromLocal8Bit(process.readAllStandardOutput())
        .section('\n', 0, 0)
        .section(';', 0, 0)
        .trimmed();
}

} // namespace

bool desktopHasOpenerFor(const QString& path) {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // These desktops answer for themselves: opening fails when no program
    // is registered for the file.
    Q_UNUSED(path);
    return true;
#else
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return false;
    }
    // The type as xdg-open will see it, which may differ from ours.
    QString type = askXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("filetype"), path});
    if (type.isEmpty()) {
        type = QMimeDatabase().mimeTypeForFile(path).name();
    }
    return !askXdgMime(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), type})
                .isEmpty();
#endif
}

bool openWithDesktop(const QString& path) {
    return desktopHasOpenerFor(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace tessaline
