// What leaves the generation window: the one-page printout on the default
// printer, and the pattern in every format the window offers (the canvas as
// a numbered bitmap, the printout as PDF, the pattern book, OXS for
// stitching apps, the finished look), each saved by saveFormat as
// render/PatternFormats describes it.
#include "app/Form1.h"
#include "app/NumberedName.h"
#include "app/OutputFiles.h"
#include "imaging/DibImage.h"
#include "pattern/Form7.h"
#include "platform/BusyPointer.h"
#include "platform/ChartPrinter.h"
#include "platform/EventYield.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"
#include "render/ChartTexts.h"
#include "render/PatternFormats.h"
#include "render/PrintChart.h"
#include "windows/FrmPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace tessaline {

OutputResult Form7::savePatternFile(const PatternFormat& format, int& counter,
                                    const ChartProgress& progress) {
    const std::string extension(format.extension);
    // The canvas on screen is the chart as drawn; other formats draw their own.
    const PatternFile file = format.write({.source = chartSource(),
                                           .target = numberedName("myxiu", counter + 1, extension),
                                           .drawnCanvas = &canvas(),
                                           .progress = progress,
                                           .book = form1_.bookSettings});
    if (!file.ok()) {
        return {OutputFault::WriteFailed, numberedName("myxiu", counter + 1, extension),
                file.problem};
    }
    return writeNumberedFile(form1_.context().workingFolder, "myxiu", extension, counter,
                             file.bytes);
}

bool Form7::saveFormat(std::string_view formatName) {
    auto control = std::find_if(saves_.begin(), saves_.end(), [&](const SaveControl& save) {
        return save.format->name == formatName;
    });
    if (control == saves_.end()) {
        return false;
    }
    const PatternFormat& format = *control->format;
    const WindowSave& window = format.window;
    AppContext& context = form1_.context();
    // One rule for every format: only a finished chart of the current pattern.
    if (!chartMayLeave(tr(window.notGenerated))) {
        return false;
    }
    OutputResult saved;
    if (window.status != WindowSave::Status::None) {
        // A drawn format: its loop yields, so the window shows its progress.
        const LoopScope loop(*this);
        const BusyPointer pointer;
        EventYielder yielder;
        ChartProgress progress;
        progress.stage = [this, &window](ChartStage stage) {
            if (window.status == WindowSave::Status::PrintStages) {
                showPrintStage(stage);
                return;
            }
            Label1->setText(tr(window.drawingText));
            Label1->show();
            setProgress(0, 1);
        };
        progress.step =
            yieldingStep(yielder, [this](int done, int total) { setProgress(done, total); });
        saved = savePatternFile(format, control->count, progress);
        Label1->hide();
    } else {
        saved = savePatternFile(format, control->count);
    }
    if (!saved.ok()) {
        // The system's words say why (a full disk, no permission, ...).
        const QString reason = saved.reason.empty() ? QString::fromStdString(saved.message())
                                                    : QString::fromStdString(saved.reason);
        context.dialogs.message(this,
                                tr(window.failed) + context.workingFileText(saved.path) +
                                    QLatin1Char('\n') + tr("原因：") + reason,
                                QStringLiteral("Quillmere,make life fun!"), MessageIcon::Critical);
        return false;
    }
    if (disposeWhenIdle_) {
        return true; // the window was closed meanwhile: no one to tell
    }
    QString text = tr(window.saved) + context.workingFileText(saved.path);
    if (window.advisesCellSize) {
        if (const QString advice = smallCellsAdvice(pdfCellSize(chartSource()));
            !advice.isEmpty()) {
            text += QLatin1Char('\n') + advice;
        }
    }
    context.dialogs.message(this, text, QStringLiteral("Quillmere,make life fun!"));
    return true;
}

void Form7::showPrintStage(ChartStage stage) {
    Label1->setText(printStageText(stage));
    Label1->show();
    setProgress(0, 1);
}

void Form7::Command5_Click() {
    if (command5Aborts_) {
        isRunning = false;
        Command1->setEnabled(true);
        return;
    }
    printChartOnPrinter();
}

void Form7::printChartOnPrinter() {
    if (!chartMayLeave(tr("请先点一次 生成 按钮，再打印"))) {
        return;
    }
    const LoopScope loop(*this);
    Command5->setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    EventYielder yielder;
    ChartStage currentStage = ChartStage::Header;
    ChartProgress progress;
    progress.stage = [&](ChartStage stage) {
        currentStage = stage;
        showPrintStage(stage);
    };
    // The symbol pass stops once the generation's flag is cleared.
    progress.step = yieldingStep(
        yielder, [this](int done, int total) { setProgress(done, total); },
        [&] { return currentStage != ChartStage::Symbols || isRunning; });
    // The book on the paper, pitch and fabric chosen beside it.
    const bool book = ComboPrint->currentData().toBool();
    const PrintOutcome outcome =
        book ? printBookOnQueue(QString(), chartSource(), form1_.bookSettings, progress)
             : printChartOnQueue(QString(), chartSource(), progress);
    // finishRun restores the pointer on every way out.
    Command5->setEnabled(true);
    if (outcome.status == PrintStatus::Stopped) {
        finishRun(true);
        return;
    }
    if (outcome.status != PrintStatus::Printed) {
        finishRun(true);
        Label1->hide();
        QString text = tr("    打印异常，请确认您的打印机已经就绪。     ");
        if (outcome.status == PrintStatus::NoScheduler) {
            text += QLatin1Char('\n') + tr("原因：") + tr("打印服务（CUPS）没有运行");
        } else if (outcome.status == PrintStatus::NoPrinter) {
            text += QLatin1Char('\n') + tr("原因：") + tr("没有默认打印机");
        } else if (!outcome.problem.isEmpty()) {
            text += QLatin1Char('\n') + tr("原因：") + outcome.problem;
        }
        form1_.context().dialogs.message(this, text, QStringLiteral("Quillmere "));
        return;
    }
    Label1->setText(tr("正在打印，请等待...."));
    finishRun(false);
    Command5->setText(tr("打印.."));
    command5Aborts_ = false;
    const QString advice = book ? QString() : smallCellsAdvice(outcome.cell);
    if (!advice.isEmpty() && !disposeWhenIdle_) {
        form1_.context().dialogs.message(this, advice, QStringLiteral("Quillmere "));
    }
}

} // namespace tessaline
