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
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

namespace {

// Qt's notes while the application opens its display, held until it has:
// where no display can be opened Qt ends the program with several lines and
// an abort, and the user gets one line and kExitNoDisplay instead.
struct HeldMessage {
    QtMsgType type;
    std::string category;
    QString text;
};

std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

std::string noDisplayLine() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    std::string line = "tessaline: the windows need a display, and ";
    if (!platform.isEmpty()) {
        line += "the platform \"" + platform.toStdString() + "\" could not open one";
    } else if (x11.isEmpty() && wayland.isEmpty()) {
        line += "none is set (DISPLAY, WAYLAND_DISPLAY)";
    } else {
        line += "the display \"" + (x11.isEmpty() ? wayland : x11).toStdString() +
                "\" cannot be opened";
    }
    return line + "; tessaline convert needs none";
}

void holdStartMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // While the application starts, only a display that cannot be
        // opened ends the program.
        std::fprintf(stderr, "%s\n", noDisplayLine().c_str());
        std::fflush(stderr);
        std::_Exit(kExitNoDisplay);
    }
    heldMessages().push_back({type, context.category ? context.category : "", text});
}

} // namespace

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
    const QtMessageHandler handler = qInstallMessageHandler(holdStartMessages);
    QApplication app(argc, argv);
    qInstallMessageHandler(handler);
    for (const HeldMessage& held : heldMessages()) {
        handler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.c_str()),
                held.text);
    }
    heldMessages().clear();
    const ChosenLanguage language = chooseInterfaceLanguage(lang.language);
    if (!language.error.empty()) {
        std::fprintf(stderr, "tessaline: %s\n", language.error.c_str());
        return 2;
    }
    setInterfaceLanguage(language.language);
    // A save cut short by a signal leaves no staging file behind.
    removeLeftoversOnInterrupt();
    // The window class (X11) is the application's name, the desktop entry's
    // StartupWMClass; the desktop file name (Wayland's app id) and the icon
    // let taskbars match the windows to the menu entry.
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    QGuiApplication::setDesktopFileName(programDesktopId());
    QApplication::setWindowIcon(programIcon(QCoreApplication::applicationDirPath()));
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
