// "帮助": the user guide beside the program. The desktop's own program for
// MHTML files shows it where there is one; elsewhere (a plain Debian has
// none) the guide opens in a window of ours, so the user always sees it.
// An English interface opens the English guide, or the Chinese one where the
// English guide is missing.
#include "app/Form1.h"
#include "app/InterfaceLanguage.h"
#include "platform/DesktopOpen.h"
#include "platform/DocumentWindow.h"

#include <QDir>
#include <QFileInfo>

namespace tessaline {

namespace {

const QString kHelpDocument = QStringLiteral("Tessaline使用说明.mht");
const QString kEnglishHelpDocument = QStringLiteral("Tessaline User Guide.mht");

} // namespace

DocumentWindow* Form1::helpWindow() const {
    return helpWindow_.existing();
}

void Form1::Command13_Click() {
    const QDir folder(context_.programFolder);
    QString path = folder.filePath(kHelpDocument);
    if (englishInterface() && QFileInfo(folder.filePath(kEnglishHelpDocument)).isFile()) {
        path = folder.filePath(kEnglishHelpDocument);
    }
    // Without the document there is nothing to open and nothing to say.
    if (!QFileInfo(path).isFile() || openWithDesktop(path)) {
        return;
    }
    DocumentWindow* help = helpWindow_.get([] {
        auto* window = new DocumentWindow();
        window->setAttribute(Qt::WA_DeleteOnClose);
        return window;
    });
    help->openFile(path);
    help->show();
    help->raise();
}

} // namespace tessaline
