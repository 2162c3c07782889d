// The main window's effect preview: "效果预览->" samples the framed region,
// reduces it with the chosen method and writes it back into the working
// picture; "保存效果" saves the reduced region as a numbered picture.
#include "app/Form1.h"
#include "app/NumberedName.h"
#include "app/OutputFiles.h"
#include "imaging/EffectPreview.h"
#include "platform/BusyPointer.h"
#include "platform/EventYield.h"
#include "platform/PictureBox.h"
#include "platform/TextButton.h"
#include "platform/UserDialogs.h"
#include "windows/Form9.h"
#include "workspace/WorkspaceModel.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <memory>
#include <optional>

namespace tessaline {

namespace {

// The reduction reports once, between its two stages, and the window hands
// over to the event loop there every time (its status text shows).
constexpr int kYieldEveryStep = 0;

} // namespace

void Form1::connectEffectPreview() {
    connect(Command4, &QPushButton::clicked, this, [this] { Label10_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

int Form1::patternWidth() const {
    return Picture2->width();
}
int Form1::patternHeight() const {
    return Picture2->height();
}

// The scratch picture lives in the working folder, as it always has.
static std::filesystem::path scratchPath(const AppContext& context) {
    return context.workingFile(kScratchPictureName);
}

static PreviewRegion framedRegion(const Form1& form) {
    const bool region = form.ifScale != 0;
    return {form.patternWidth(), form.patternHeight(), region ? form.moveX1 : 0,
            region ? form.moveY1 : 0};
}

void Form1::Command2_Click() {
    previewDone = 1;
    // A replacement window of the previous pattern has nothing left to do.
    form9_.unload();
    context_.state.clearPatternMatrix();
    context_.state.patternChanged();
    sampleRegion(Picture4->image(), framedRegion(*this), context_.state.patternMatrix);
    markClearCells(pictureTransparency_, Picture4->image().size(), framedRegion(*this),
                   context_.state.patternMatrix);
    viewX = 0;
    viewY = 0;
    Command2->setEnabled(false);
    {
        BusyPointer busy;
        drawMatrixS();
    }
    Command2->setEnabled(true);
}

void Form1::Label10_Click() {
    if (reducing_) {
        return;
    }
    if (ColorBit == 0) {
        Command2_Click();
        return;
    }
    const QScopedValueRollback<bool> reducing(reducing_, true);
    // A failed preview leaves the pattern, the grid, previewDone and the
    // status line as they were.
    const QString statusBefore = Label4->text();
    Label4->setText(tr("开始处理..."));
    // The same step the command line runs, on the picture as displayed.
    WorkspaceView view{Picture4->image(), framedRegion(*this), pictureTransparency_};
    std::optional<BusyPointer> busy(std::in_place);
    EventYielder yielder(kYieldEveryStep);
    const ReductionOutcome outcome = runReductionStep(
        view, ColorBit, scratchPath(context_), srcDIB(), dstDIB(), context_.state.patternMatrix,
        ReductionUse::Preview, {.step = yieldingStep(yielder)});
    if (!reductionSucceeded(outcome) || srcDIB().DataPtr() == nullptr) {
        busy.reset();
        Label4->setText(statusBefore);
        reportReductionFailure(outcome);
        return;
    }
    Label4->setText(tr("减色处理完毕"));
    // Only the region goes back, into the picture as it is now.
    const PreviewRegion& region = view.region;
    copyBufferInto(Picture4->image(), dstDIB(), region.left, region.top);
    Picture4->refresh();
    Command2_Click();
}

void Form1::reportReductionFailure(const ReductionOutcome& outcome) {
    if (outcome.cannotCreate) {
        context_.dialogs.message(this, tr("无法创建！"), QStringLiteral("Tessaline"));
    } else if (!outcome.scratchSaved) {
        context_.dialogs.message(
            this,
            tr("无法写入临时图片%1，请确认这个文件夹可以写入：%2")
                .arg(QString::fromLatin1(kScratchPictureName), context_.workingFolderText()),
            tr("错误！"), MessageIcon::Critical);
    } else if (outcome.bitmapUnrecognised) {
        context_.dialogs.message(this, tr("不能识别的位图！"), tr("错误！"), MessageIcon::Critical);
    }
}

bool Form1::Command3_Click() {
    if (reducing_) {
        return false;
    }
    const QScopedValueRollback<bool> reducing(reducing_, true);
    WorkspaceView view{Picture4->image(), framedRegion(*this), pictureTransparency_};
    // Sampled aside: the pattern takes the region only when the effect is saved.
    const auto sampled = std::make_unique<CellMatrix>(context_.state.patternMatrix);
    const QString statusBefore = Label4->text();
    Label4->setText(tr("开始处理..."));
    std::optional<BusyPointer> busy(std::in_place);
    EventYielder yielder(kYieldEveryStep);
    const ReductionOutcome outcome =
        runReductionStep(view, ColorBit, scratchPath(context_), srcDIB(), dstDIB(), *sampled,
                         ReductionUse::EffectFile, {.step = yieldingStep(yielder)});
    busy.reset();
    if (!reductionSucceeded(outcome)) {
        Label4->setText(statusBefore);
        reportReductionFailure(outcome);
        return false;
    }
    // Without a reduction method the sampled region itself is the effect.
    const ClsDIB& result = effectBuffer(ColorBit, srcDIB(), dstDIB());
    OutputResult saved{
        OutputFault::WriteFailed, numberedName("xiaoguo", effectCount + 1, ".bmp"), {}};
    if (result.DataPtr() != nullptr) {
        saved = writeNumberedFile(context_.workingFolder, "xiaoguo", ".bmp", effectCount,
                                  result.bmpBytes());
    }
    if (!saved.ok()) {
        const QString text = tr("无法保存绣图效果图：") + context_.workingFileText(saved.path);
        Label4->setText(text);
        // The message also says why, in the system's words.
        const QString reason = saved.reason.empty() ? QString::fromStdString(saved.message())
                                                    : QString::fromStdString(saved.reason);
        context_.dialogs.message(this, text + QLatin1Char('\n') + tr("原因：") + reason,
                                 QStringLiteral("quillmere"), MessageIcon::Critical);
        return false;
    }
    context_.state.patternMatrix = *sampled;
    context_.state.patternChanged();
    const QString text = tr("绣图效果图保存到") + context_.workingFileText(saved.path);
    Label4->setText(text);
    context_.dialogs.message(this, text, QStringLiteral("quillmere"));
    return true;
}

} // namespace tessaline
