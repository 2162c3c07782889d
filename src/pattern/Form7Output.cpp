// What leaves the generation window: the canvas saved as a numbered bitmap,
// the one-page printout on the default printer, the same page as PDF, and
// the pattern as OXS for stitching apps, and the pattern book.
// Files are pattern formats (render/PatternFormats) saved by savePatternFile.
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
#include <functional>

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

bool Form7::saveNumberedFile(const char* formatName, int& counter, const SaveTexts& texts,
                             const std::function<void(ChartStage)>& showStage,
                             const std::function<QString()>& advice) {
    AppContext& context = form1_.context();
    if (!chartMayLeave(texts.notGenerated)) {
        return false;
    }
    const PatternFormat& format = *patternFormatNamed(formatName);
    OutputResult saved;
    if (showStage) {
        // A drawn format: its loop yields, so the window shows its progress.
        const LoopScope loop(*this);
        const BusyPointer pointer;
        EventYielder yielder;
        ChartProgress progress;
        progress.stage = showStage;
        progress.step =
            yieldingStep(yielder, [this](int done, int total) { setProgress(done, total); });
        saved = savePatternFile(format, counter, progress);
        Label1->hide();
    } else {
        saved = savePatternFile(format, counter);
    }
    if (!saved.ok()) {
        context.dialogs.message(this, texts.failed + context.workingFileText(saved.path),
                                QStringLiteral("Quillmere,make life fun!"), MessageIcon::Critical);
        return false;
    }
    if (disposeWhenIdle_) {
        return true; // the window was closed meanwhile: no one to tell
    }
    QString text = texts.saved + context.workingFileText(saved.path);
    if (const QString more = advice ? advice() : QString(); !more.isEmpty()) {
        text += QLatin1Char('\n') + more;
    }
    context.dialogs.message(this, text, QStringLiteral("Quillmere,make life fun!"));
    return true;
}

bool Form7::Command4_Click() {
    // The whole canvas, also the parts scrolled out of the viewport, under
    // the next free number: an earlier chart is never replaced.
    return saveNumberedFile("chart", saveCount,
                            {.notGenerated = tr("请先点一次 生成 按钮，再保存绣图"),
                             .failed = tr("  绣图文件保存失败，无法写入"),
                             .saved = tr("  绣图文件保存成功在")});
}

bool Form7::CommandPdf_Click() {
    return saveNumberedFile(
        "pdf", pdfCount,
        {.notGenerated = tr("请先点一次 生成 按钮，再保存PDF文件"),
         .failed = tr("  PDF文件保存失败，无法写入"),
         .saved = tr("  绣图PDF文件保存成功在")},
        [this](ChartStage stage) { showPrintStage(stage); },
        [this] { return smallCellsAdvice(pdfCellSize(chartSource())); });
}

bool Form7::CommandOxs_Click() {
    return saveNumberedFile("oxs", oxsCount,
                            {.notGenerated = tr("请先点一次 生成 按钮，再保存OXS文件"),
                             .failed = tr("  OXS文件保存失败，无法写入"),
                             .saved = tr("  绣图OXS文件保存成功在")});
}

bool Form7::CommandBook_Click() {
    return saveNumberedFile("book", bookCount,
                            {.notGenerated = tr("请先点一次 生成 按钮，再保存图册"),
                             .failed = tr("  图册文件保存失败，无法写入"),
                             .saved = tr("  绣图图册保存成功在")},
                            [this](ChartStage) {
                                Label1->setText(tr("正在生成图册，请等待...."));
                                Label1->show();
                                setProgress(0, 1);
                            });
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
        form1_.context().dialogs.message(this, tr("    打印异常，请确认您的打印机已经就绪。     "),
                                         QStringLiteral("Quillmere "));
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
