// Where the program finds what ships with it, built or installed, and
// where it works when started from the desktop.
#include "app/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(DataFolders, BesideTheProgramThenTheInstalledShareFolderElseTheProgramsOwn) {
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString share = root.filePath(QStringLiteral("share/tessaline"));
    QDir().mkpath(bin);
    // Installed: share/tessaline beside bin, wherever the prefix is.
    touch(share + QStringLiteral("/logo.dll"));
    EXPECT_EQ(findDataFolder(bin), share);
    // The build folder holds the program beside its data.
    touch(bin + QStringLiteral("/logo.dll"));
    EXPECT_EQ(findDataFolder(bin), bin);
    // Nothing anywhere: the program's folder, where the files are missed.
    const QString bare = root.filePath(QStringLiteral("bare/bin"));
    QDir().mkpath(bare);
    EXPECT_EQ(findDataFolder(bare), bare);
}

TEST(DataFolders, DesktopWorkingFolderIsMadeOnFirstUseElseTheFallback) {
    QTemporaryDir home;
    const QDir root(home.path());
    const QString pictures = root.filePath(QStringLiteral("图片"));
    const QString working = pictures + QStringLiteral("/Tessaline");
    for (int run = 0; run < 2; ++run) {
        const DesktopWorkingFolder chosen = desktopWorkingFolder(pictures, home.path());
        EXPECT_EQ(chosen.folder, working);
        EXPECT_TRUE(chosen.failed.isEmpty());
        EXPECT_TRUE(QFileInfo(working).isDir());
    }
    // A file where the folder would go (also refused for root).
    const QString blocked = root.filePath(QStringLiteral("blocked"));
    touch(blocked + QStringLiteral("/Tessaline"));
    const DesktopWorkingFolder refused = desktopWorkingFolder(blocked, home.path());
    EXPECT_EQ(refused.folder, home.path());
    EXPECT_EQ(refused.failed, blocked + QStringLiteral("/Tessaline"));
    // No pictures folder known at all.
    const DesktopWorkingFolder unknown = desktopWorkingFolder(QString(), home.path());
    EXPECT_EQ(unknown.folder, home.path());
    EXPECT_FALSE(unknown.failed.isEmpty());
    EXPECT_TRUE(unknown.writable);
    // No home to fall back on either (a file, also for root): nothing is
    // promised.
    const QString noHome = root.filePath(QStringLiteral("not-a-folder"));
    touch(noHome);
    const DesktopWorkingFolder nowhere = desktopWorkingFolder(blocked, noHome);
    EXPECT_EQ(nowhere.failed, blocked + QStringLiteral("/Tessaline"));
    EXPECT_FALSE(nowhere.writable);
    EXPECT_FALSE(desktopWorkingFolder(QString(), noHome).writable);
}

} // namespace
} // namespace tessaline
