// Which chart leaves the generation window: every save, the printout and
// the PDF ask chartMayLeave, so one rule holds for all of them. Only a chart
// drawn to its end from the pattern as it is now is written; otherwise
// nothing is written and the window says why.
#include "app/Form1.h"
#include "pattern/Form7.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"
#include "render/PatternFormats.h"
#include "windows/FrmPreview.h"

#include <QLineEdit>
#include <QPushButton>

namespace tessaline {

bool Form7::chartIsCurrent() const {
    return chartDrawn_ && chartVersion_ == form1_.context().state.patternVersion;
}

bool Form7::chartMayLeave(const QString& notGenerated) {
    // A run on the stack: its own buttons are off, and it ends by itself.
    if (busy()) {
        return false;
    }
    if (chartIsCurrent()) {
        return true;
    }
    QString why = notGenerated;
    if (chartStarted_ && !chartDrawn_) {
        why = tr("绣图没有生成完（已中止），请再点一次 生成 按钮，生成完后再保存");
    } else if (chartStarted_) {
        why = tr("效果预览已经改变，这张绣图已过时。请再点一次 生成 按钮");
    }
    form1_.context().dialogs.message(this, why, tr("Quillmere 你身边的好软件"));
    return false;
}

void Form7::forgetOutdatedChart() {
    if (busy() || !chartStarted_ || chartVersion_ == form1_.context().state.patternVersion) {
        return;
    }
    chartStarted_ = false;
    chartDrawn_ = false;
    generated = 0;
    Picture3->cls();
    Picture3->refresh();
    txtCount->setText(QStringLiteral("0"));
    for (const SaveControl& save : saves_) {
        if (save.format->window.enabled == WindowSave::Enabled::OnceGenerated) {
            save.button->setEnabled(false);
        }
    }
}

} // namespace tessaline
