#include "app/Main.h"

#include "app/AppContext.h"
#include "app/DataFolders.h"
#include "app/Form1.h"
#include "app/InterfaceLanguage.h"
#include "imaging/DitherTables.h"
#include "platform/SystemFiles.h"
#include "platform/UserDialogs.h"
#include "render/FontSetup.h"
#include "windows/PictureHandOver.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>
#include <string_view>

namespace tessaline {

StartOptions readStartOptions(int argc, char** argv) {
    StartOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--desktop") {
            options.fromDesktop = true;
        } else if (options.picture.isEmpty() && !argument.empty() && argument.front() != '-') {
            options.picture = QDir::current().absoluteFilePath(QFile::decodeName(argv[i]));
        }
    }
    return options;
}

int Main(int argc, char** argv) {
    const LanguageArgument lang = takeLanguageArgument(argc, argv);
    if (!lang.error.empty()) {
        std::fprintf(stderr, "tessaline: %s\n", lang.error.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    const ChosenLanguage language = chooseInterfaceLanguage(lang.language);
    if (!language.error.empty()) {
        std::fprintf(stderr, "tessaline: %s\n", language.error.c_str());
        return 2;
    }
    setInterfaceLanguage(language.language);
    // A save cut short by a signal leaves no staging file behind.
    removeLeftoversOnInterrupt();
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    installFontSubstitutes();
    QApplication::setFont(songFont(9));
    const StartOptions options = readStartOptions(argc, argv);

    // The desktop starts programs in the home folder, or in the installation;
    // the program's files go into a folder of their own instead.
    DesktopWorkingFolder desktop;
    if (options.fromDesktop) {
        desktop = desktopWorkingFolder(
            QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath());
        QDir::setCurrent(desktop.folder);
    }

    Xiubas state;
    state.reduceStrength = 1600;
    initDitherTables();

    MessageBoxDialogs dialogs;
    AppContext context{state, dialogs, std::filesystem::current_path(),
                       findDataFolder(QCoreApplication::applicationDirPath())};
    Form1 form(context);
    form.show();
    form.load();
    if (!desktop.failed.isEmpty()) {
        // Only a folder that can be written is promised.
        const QString where = desktop.writable
                                  ? QCoreApplication::translate("Main", "绣图和效果图片将保存在：")
                                  : QCoreApplication::translate(
                                        "Main", "这个文件夹也无法写入，绣图和效果图片无法保存：");
        dialogs.message(&form,
                        QCoreApplication::translate("Main", "无法创建工作文件夹：") +
                            QDir::toNativeSeparators(desktop.failed) + QStringLiteral("\n") +
                            where + QDir::toNativeSeparators(desktop.folder),
                        QStringLiteral("Tessaline"), MessageIcon::Warning);
    }
    if (!options.picture.isEmpty()) {
        handOverNamedPicture(form, options.picture, &form);
    }
    return QApplication::exec();
}

} // namespace tessaline
