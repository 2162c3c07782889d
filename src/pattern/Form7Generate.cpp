// The generate command of the generation window: colour index, thread table
// and symbols, then the chart, legend and symbols drawn on the canvas with
// progress, yielding so that "中止" and the scroll bars keep working.
#include "app/Form1.h"
#include "pattern/Form7.h"
#include "platform/EventYield.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextButton.h"
#include "platform/UserDialogs.h"
#include "render/ChartCanvas.h"
#include "render/PatternFormats.h"
#include "windows/FrmPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <string>

namespace tessaline {

ChartSource Form7::chartSource() const {
    const Xiubas& state = form1_.context().state;
    // An empty title gives the chart's own.
    return ChartSource(
        Pattern{threads_, *chartIndex_, *chartPattern_, state.patternSettings.xiutuTitle, {}},
        state.gridSize, chartKind(), greySwatchMethod(form1_.ColorBit));
}

void Form7::setMainControlsEnabled(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             form1_.Command2, form1_.Command4, form1_.Command5, form1_.Command6, form1_.Label9,
             form1_.zoom, form1_.wChange, form1_.Hchange}) {
        control->setEnabled(enabled);
    }
}

void Form7::finishRun(bool showPrintCaption) {
    setMainControlsEnabled(true);
    Command1->setEnabled(true);
    // Formats that hold the pattern as charted wait for a finished chart.
    for (const SaveControl& save : saves_) {
        save.button->setEnabled(save.format->window.enabled == WindowSave::Enabled::Always ||
                                chartDrawn_);
    }
    if (showPrintCaption) {
        Command5->setText(tr("打印"));
        command5Aborts_ = false;
    }
    QApplication::restoreOverrideCursor();
}

void Form7::Command1_Click() {
    if (busy()) {
        return;
    }
    const LoopScope loop(*this);
    // The final preview draws from the threads about to be replaced.
    delete preview_.data();
    Xiubas& state = form1_.context().state;
    generated = 0;
    chartDrawn_ = false;
    chartStarted_ = true;
    chartVersion_ = state.patternVersion;
    Picture3->cls();
    isRunning = true;
    Command1->setEnabled(false);
    for (const SaveControl& save : saves_) {
        save.button->setEnabled(false);
    }
    setMainControlsEnabled(false);
    Label1->show();
    if (state.patternSettings.whichType.empty()) {
        state.patternSettings.whichType = "DMC";
    }
    Command5->setText(tr("中止"));
    command5Aborts_ = true;
    gw = std::min(form1_.patternWidth(), kMaxPatternSide);
    gh = std::min(form1_.patternHeight(), kMaxPatternSide);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    EventYielder yielder;
    GenerationProgress progress;
    progress.stage = [this](GenerationPhase phase) {
        Label1->setText(phase == GenerationPhase::CreatingColorIndex
                            ? tr("正在创建颜色索引......")
                            : tr("正在计算颜色数目等信息......"));
        setProgress(0, 1);
    };
    // Per-cell callbacks stay cheap: the window is updated only when the
    // yielder is due.
    progress.step = yieldingStep(
        yielder, [this](int done, int total) { setProgress(done, total); },
        [this] { return isRunning; });
    GenerationSettings settings;
    settings.category = threadCategoryFromText(state.patternSettings.whichType);
    settings.reduceStrength = state.reduceStrength;
    settings.ignorableCount = ignorableCount();
    settings.threadLimit = state.patternSettings.threadLimit;
    settings.match = state.patternSettings.colorMatch;
    settings.cleanup = state.patternSettings.cleanup;
    settings.minStitches = state.patternSettings.minStitches;
    settings.fabricColor = state.patternSettings.fabricColor;
    settings.unstitchedBackground = state.patternSettings.unstitchedBackground;
    settings.allowSpecialty = state.patternSettings.allowSpecialty;
    threads_ = generatePatternThreads(state.patternMatrix, gw, gh, settings, state.colorIndexMatrix,
                                      progress);
    if (threads_.status == GenerationStatus::TooManyColors) {
        finishRun(false);
        isRunning = false;
        // The blanks are part of the message.
        form1_.context().dialogs.message(
            this, tr("    绣图颜色太多，请先点 效果预览 进行减色后再生成。。。 "),
            QStringLiteral("Quillmere inc."));
        close();
        return;
    }
    if (threads_.status == GenerationStatus::Aborted) {
        finishRun(false);
        return;
    }
    Label1->hide();
    generated = 1;
    maxColor = static_cast<int>(threads_.table.size());
    txtCount->setText(QString::number(threads_.threadCount));

    *chartIndex_ = state.colorIndexMatrix;
    *chartPattern_ = state.patternMatrix;
    finishRun(drawChartCanvas(yielder));
}

bool Form7::drawChartCanvas(EventYielder& yielder) {
    const ChartSource source = chartSource();
    const QSize canvasSize = chartCanvasSize(source);
    // The bars move the canvas: both start at 0 with the new canvas.
    Hchange->setValue(0);
    Vchange->setValue(0);
    Picture3->setGeometry(0, 0, canvasSize.width(), canvasSize.height());
    Picture3->cls();
    Hchange->setMaximum(canvasSize.width());
    Vchange->setMaximum(canvasSize.height());

    ChartStage currentStage = ChartStage::Header;
    ChartProgress chartProgress;
    chartProgress.stage = [this, &currentStage](ChartStage stage) {
        currentStage = stage;
        setProgress(0, 1);
    };
    chartProgress.step = [&](int done, int total) {
        // The view follows the symbols as they are drawn, and rests where the
        // last row left it.
        const bool lastSymbolRow = currentStage == ChartStage::Symbols && done == total;
        if (yielder.due() || lastSymbolRow) {
            setProgress(done, total);
            if (currentStage == ChartStage::Symbols && total > 0) {
                Vchange->setValue(static_cast<int>(0.9 * Vchange->maximum() * done / total));
            }
            Picture3->refresh();
            yielder.yieldNow();
        }
        return isRunning;
    };
    bool completed = false;
    {
        QPainter painter(&Picture3->image());
        completed = drawChart(painter, source, chartProgress);
    }
    chartDrawn_ = completed;
    // The finished chart is shown from its start, with both bars there.
    Hchange->setValue(0);
    Vchange->setValue(0);
    Picture3->refresh();
    return completed;
}

} // namespace tessaline
