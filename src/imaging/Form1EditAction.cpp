// The main window's "编辑": the last sampled region is reduced once more and
// saved for the colour replacement window, the pattern's threads are listed,
// and that window opens afresh.
#include "app/Form1.h"
#include "imaging/EffectPreview.h"
#include "pattern/Form7.h"
#include "pattern/ThreadReplacement.h"
#include "platform/BusyPointer.h"
#include "platform/EventYield.h"
#include "platform/TextButton.h"
#include "platform/UserDialogs.h"
#include "windows/Form9.h"
#include "windows/FrmPreview.h"

#include <QLabel>
#include <QScopedValueRollback>
#include <filesystem>
#include <memory>
#include <optional>

namespace tessaline {

namespace {

// The reduced region the replacement window shows.
constexpr const char* kEditPictureName = "tmpcolorv.bmp";

} // namespace

void Form1::connectEditAction() {
    connect(Label9, &TextButton::clicked, this, [this] { Label9_Click(); });
}

Form9* Form1::form9() const {
    return form9_.existing();
}

void Form1::Label9_Click() {
    // The edit works on the effect preview's buffers and yields meanwhile.
    if (reducing_) {
        return;
    }
    const QScopedValueRollback<bool> reducing(reducing_, true);
    // Every way out leaves the status line saying how the step ended.
    const QString statusBefore = Label4->text();
    Label4->setText(tr("开始处理..."));
    std::optional<BusyPointer> busy(std::in_place);
    EventYielder reductionYielder;
    const ReductionOutcome outcome =
        reduceScratchPicture(context_.workingFile(kScratchPictureName), ColorBit, srcDIB(),
                             dstDIB(), {.step = yieldingStep(reductionYielder)});
    if (outcome.cannotCreate) {
        busy.reset();
        Label4->setText(statusBefore);
        context_.dialogs.message(this, tr("无法创建！"), QStringLiteral("Tessaline"));
        return;
    }
    if (outcome.bitmapUnrecognised) {
        busy.reset();
        context_.dialogs.message(this, tr("不能识别的位图！"), tr("错误！"), MessageIcon::Critical);
        busy.emplace();
    }
    if (srcDIB().DataPtr() == nullptr) {
        Label4->setText(statusBefore);
        return;
    }

    const std::filesystem::path editPicture = context_.workingFile(kEditPictureName);
    std::error_code removeError;
    std::filesystem::remove(editPicture, removeError);
    if (ColorBit > 0 && !dstDIB().SaveBMP(editPicture)) {
        busy.reset();
        const QString text = tr("无法保存编辑用的图片：") + context_.workingFileText(editPicture);
        Label4->setText(text);
        context_.dialogs.message(this, text, tr("错误！"), MessageIcon::Critical);
        return;
    }

    // Built aside and handed over at the end, so a generation that starts
    // while this yields never reads a half-made index.
    Xiubas& state = context_.state;
    ColorList colorList = state.colorList;
    const auto colorIndexMatrix = std::make_unique<CellMatrix>(state.colorIndexMatrix);
    const int width = patternWidth();
    const int height = patternHeight();
    EventYielder yielder;
    const GenerationProgress progress{.step = yieldingStep(yielder)};
    const EditIndexOutcome index = makeEditIndex(
        state.patternMatrix, width, height, dmcPalette(), colorList, *colorIndexMatrix, progress,
        {state.patternSettings.colorMatch, state.patternSettings.threadLimit});
    state.colorList = colorList;
    // The generation keeps its own list but draws from the shared index.
    if (const Form7* generation = form7_.existing(); !(generation && generation->busy())) {
        state.colorIndexMatrix = *colorIndexMatrix;
    }
    busy.reset();
    if (index.status == GenerationStatus::TooManyColors) {
        Label4->setText(statusBefore);
        // The blanks are part of the message.
        context_.dialogs.message(this, tr("    绣图颜色太多，请减色后再生成。。。 "),
                                 QStringLiteral("Quillmere inc."));
        return;
    }

    // Every edit starts the window afresh on the new list.
    form9_.unload();
    Form9* window = form9_.get([&] { return new Form9(*this, index.threadCount, width, height); });
    window->show();
    window->raise();
    Label4->setText(tr("编辑：在颜色替换窗口中替换颜色，点 完成 后再生成"));
}

} // namespace tessaline
