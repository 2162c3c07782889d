// "帮助": the user guide beside the program. The desktop's own program for
// MHTML files shows it where there is one; elsewhere (a plain Debian has
// none) the guide opens in a window of ours, so the user always sees it.
// Each interface language opens its own guide, whose file name its
// translation gives, or the Chinese one where that guide is missing.
#include "app/Form1.h"
#include "platform/DesktopOpen.h"
#include "platform/DocumentWindow.h"

#include <QDir>
#include <QFileInfo>

namespace tessaline {

namespace {

// The Chinese guide; a translation names its own language's guide.
const char* const kHelpDocument = QT_TRANSLATE_NOOP("tessaline::Form1", "Tessaline使用说明.mht");

} // namespace

DocumentWindow* Form1::helpWindow() const {
    return helpWindow_.existing();
}

void Form1::Command13_Click() {
    const QDir folder(context_.programFolder);
    QString path = folder.filePath(tr(kHelpDocument));
    if (!QFileInfo(path).isFile()) {
        path = folder.filePath(QString::fromUtf8(kHelpDocument));
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
