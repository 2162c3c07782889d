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
}

Form3* Form1::form3() {
    return form3_.get([this] { return new Form3(context_, *this); });
}

void Form1::showSettings() {
    form3()->showWindow();
}

} // namespace tessaline
