// The main window's "打开绣图..." (File menu and button): an OXS file is
// chosen and opened in the generation window as a finished chart.
#include "app/Form1.h"
#include "pattern/Form7.h"
#include "platform/UserDialogs.h"
#include "render/FileNames.h"
#include "windows/FrmPreview.h"

#include <QAction>
#include <QDir>
#include <QPushButton>

namespace tessaline {

void Form1::connectPatternOpening() {
    connect(fopOpenPattern, &QAction::triggered, this, [this] { openPatternCommand(); });
    connect(CommandOpenPattern, &QPushButton::clicked, this, [this] { openPatternCommand(); });
}

void Form1::openPatternCommand() {
    if (hasForm7() && form7()->busy()) {
        context_.dialogs.message(this, tr("绣图正在生成，请等生成结束后再打开绣图"),
                                 tr("打开绣图"));
        return;
    }
    const std::string& lastDir = context_.state.lastDir;
    const QString folder = lastDir.empty() ? QDir::homePath() : QString::fromStdString(lastDir);
    const std::optional<QString> chosen = context_.dialogs.chooseFileToOpen(
        this, tr("打开绣图"), folder, tr("OXS 绣图文件 (*.oxs *.OXS);;所有文件 (*)"));
    if (!chosen) {
        return;
    }
    form7()->openPattern(nativePath(*chosen));
}

} // namespace tessaline
