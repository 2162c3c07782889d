// The main window's generate command and its generation window.
#include "app/Form1.h"
#include "pattern/Form7.h"
#include "platform/UserDialogs.h"
#include "windows/FrmPreview.h"

namespace tessaline {

void Form1::connectGeneration() {
    connect(this, &Form1::generateRequested, this, [this] { generateCommand(); });
}

Form7* Form1::form7() {
    // A closed window is replaced by a fresh one; one still finishing a
    // printout goes once that is done.
    if (form7_.exists() && !form7_.existing()->isVisible()) {
        form7_.unload();
    }
    return form7_.get([this] { return new Form7(*this); });
}

void Form1::strengthChanged() {
    if (Form7* window = form7_.existing()) {
        window->showStrength();
    }
}

void Form1::generateCommand() {
    if (previewDone != 1) {
        context_.dialogs.message(this, tr("   生成绣图前请先点击效果预览键    "),
                                 tr("Quillmere 你身边的好软件"));
        return;
    }
    Form7* window = form7();
    // A window still open from an earlier preview shows nothing to save.
    window->forgetOutdatedChart();
    window->show();
    window->raise();
    previewDone = 0;
}

void Form1::printCommand() {
    if (Form7* window = form7_.existing();
        window != nullptr && window->isVisible() && window->chartIsCurrent()) {
        window->show();
        window->raise();
        window->Command5_Click();
        return;
    }
    emit generateRequested();
}

} // namespace tessaline
