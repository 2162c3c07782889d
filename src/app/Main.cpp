#include "app/Main.h"

#include "app/AppContext.h"
#include "app/Form1.h"
#include "imaging/DitherTables.h"
#include "platform/SystemFiles.h"
#include "platform/UserDialogs.h"
#include "render/FontSetup.h"

#include <QApplication>
#include <filesystem>

namespace tessaline {

int Main(int argc, char** argv) {
    QApplication app(argc, argv);
    // A save cut short by a signal leaves no staging file behind.
    removeLeftoversOnInterrupt();
    QApplication::setApplicationName(QStringLiteral("Tessaline"));
    installFontSubstitutes();
    QApplication::setFont(songFont(9));

    Xiubas state;
    state.reduceStrength = 1600;
    initDitherTables();

    MessageBoxDialogs dialogs;
    AppContext context{state, dialogs, std::filesystem::current_path(),
                       QCoreApplication::applicationDirPath()};
    Form1 form(context);
    form.show();
    form.load();
    return QApplication::exec();
}

} // namespace tessaline
