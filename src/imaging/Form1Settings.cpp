// The main window's ways into the pattern settings: the "绣图设置" button,
// the "超级减色" text button and the menu entries "软件设置" and "绣图设置".
#include "app/Form1.h"
#include "imaging/Form3.h"
#include "platform/TextButton.h"

#include <QAction>
#include <QPushButton>

namespace tessaline {

void Form1::connectSettings() {
    connect(Command7, &QPushButton::clicked, this, [this] { showSettings(); });
    connect(Label12, &TextButton::clicked, this, [this] { showSettings(); });
    connect(fset1, &QAction::triggered, this, [this] { showSettings(); });
    connect(fset3, &QAction::triggered, this, [this] { showSettings(); });
    // The settings window has no owner, so it would outlive this window.
    connect(this, &Form1::unloading, this, [this] { delete settingsWindow.data(); });
}

void Form1::showSettings() {
    if (settingsWindow.isNull()) {
        settingsWindow = new Form3(context_, *this);
    }
    settingsWindow->showWindow();
}

} // namespace tessaline
