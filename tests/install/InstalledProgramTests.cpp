// The installed program finds what ships with it from its own folder: the
// start-up picture, the user guide, the gallery's samples, the English
// translation and the icon. Run by
// InstallLayoutTests.sh with TESSALINE_INSTALL_PREFIX naming the prefix it
// installed into.
#include "../app/Form1Harness.h"
#include "app/DataFolders.h"
#include "app/InterfaceLanguage.h"
#include "platform/DocumentWindow.h"
#include "platform/PictureBox.h"
#include "render/FileNames.h"
#include "windows/FileList.h"
#include "windows/Form6.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace tessaline::testing {
namespace {

TEST(InstalledProgram, FindsItsStartPictureGuideSamplesAndTranslationUnderItsPrefix) {
    const QByteArray prefixName = qgetenv("TESSALINE_INSTALL_PREFIX");
    ASSERT_FALSE(prefixName.isEmpty()) << "run by InstallLayoutTests.sh";
    const QDir prefix(QFile::decodeName(prefixName));
    const QString data = findDataFolder(prefix.filePath(QStringLiteral("bin")));
    ASSERT_EQ(data, prefix.filePath(QStringLiteral("share/tessaline")));

    // A working folder of the user's, without a start-up picture of its own.
    QTemporaryDir working;
    Xiubas state;
    RecordingDialogs dialogs;
    AppContext context{state, dialogs, nativePath(working.path()), data};
    Form1 form(context);
    form.load();
    EXPECT_EQ(state.picturePath,
              nativePath(QDir(data).filePath(QStringLiteral("logo.dll"))).string());
    EXPECT_FALSE(form.Picture3->picture().isNull());

    // With no desktop program for the guide, the program's own window shows it.
    QTemporaryDir noTools;
    qputenv("PATH", QFile::encodeName(noTools.path()));
    form.Command13->click();
    ASSERT_NE(form.helpWindow(), nullptr);
    EXPECT_TRUE(form.helpWindow()->browser->toPlainText().contains(QStringLiteral("Tessaline")));

    // The gallery lists the first category's samples.
    Form6* gallery = form.form6();
    EXPECT_EQ(gallery->File1->path(), QDir(data).filePath(QStringLiteral("动漫")));
    EXPECT_GT(gallery->File1->count(), 1);
    EXPECT_TRUE(dialogs.messages.empty());

    // The icon the windows show, at every size drawn, from the hicolor theme's folders.
    QList<int> sides;
    for (const QSize& size : programIcon(prefix.filePath(QStringLiteral("bin"))).availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sides.append(size.width());
    }
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, (QList<int>{16, 24, 32, 48, 64, 128, 256}));

    // The English translation, from the same folder.
    EXPECT_TRUE(setInterfaceLanguage(InterfaceLanguage::English,
                                     translationFolders(prefix.filePath(QStringLiteral("bin")))));
    setInterfaceLanguage(InterfaceLanguage::Chinese);
}

} // namespace
} // namespace tessaline::testing
