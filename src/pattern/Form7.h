#pragma once
// The generation window: chart kind, ignorable count and merging strength;
// "生成" builds the colour index, thread table and symbols and draws the
// chart with its legend, with progress and abort; then the chart is printed,
// shown in the final preview or saved in any pattern format the window
// offers, one save button each (render/PatternFormats).
#include "app/OutputFiles.h"
#include "pattern/PatternThreads.h"
#include "render/ChartSource.h"

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaline {

class EventYielder;
class Form1;
class FrmPreview;
class PictureBox;
class ScrollBar;
struct PatternFormat;

class Form7 : public QWidget {
    Q_OBJECT
  public:
    explicit Form7(Form1& form1, QWidget* parent = nullptr);
    ~Form7() override;

    // --- public variables ---
    int gw = 0;
    int gh = 0;
    int maxColor = 0;
    bool isRunning = false;
    int generated = 0;

    // --- controls ---
    QPushButton* Command1 = nullptr; // "生成"
    QPushButton* Command5 = nullptr; // "中止" while generating, "打印" after
    QPushButton* Command4 = nullptr; // "保存": the chart format's save button
    // The pattern book's settings: paper, cell pitch, fabric count.
    QComboBox* ComboPaper = nullptr;
    QDoubleSpinBox* SpinPitch = nullptr;
    QComboBox* ComboFabric = nullptr;
    // What "打印" prints: the one-page chart or the pattern book.
    QComboBox* ComboPrint = nullptr;
    QPushButton* Command6 = nullptr; // "最终效果预览"
    QComboBox* Combo1 = nullptr;     // chart kind
    QComboBox* Combo2 = nullptr;     // ignorable occurrence count
    QCheckBox* Check1 = nullptr;     // "显示全部色块"
    ScrollBar* HScroll1 = nullptr;   // merging strength
    QLineEdit* txtCount = nullptr;
    QLabel* Label1 = nullptr; // status text
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QFrame* Shape2 = nullptr;       // progress track
    QFrame* Shape1 = nullptr;       // progress bar
    QWidget* Picture2 = nullptr;    // viewport
    PictureBox* Picture3 = nullptr; // chart canvas
    ScrollBar* Hchange = nullptr;
    ScrollBar* Vchange = nullptr;

    // The threads of the last generation.
    const PatternThreads& threads() const { return threads_; }
    const QImage& canvas() const;

    // The save button of a pattern format ("chart", "pdf", ...); null for
    // a format the window does not offer.
    QPushButton* saveButton(std::string_view formatName) const;
    // How many numbered files of that format this window has saved, that is
    // the number of the last one ("myxiu003.pdf": 3).
    int savedCount(std::string_view formatName) const;

    // --- handlers ---
    void Command1_Click(); // generate
    void Command5_Click(); // abort, or print
    // Saves the format as the next numbered file and tells how it went;
    // false when nothing was saved. Every save button calls it.
    bool saveFormat(std::string_view formatName);
    bool Command4_Click() { return saveFormat("chart"); } // save the canvas
    void Command6_Click();                                // final preview
    // "打开绣图...": shows the pattern of an OXS file as a finished chart, as a
    // generation leaves it (Form7Open.cpp); false, with a message, when the
    // file is refused or the window is busy, and nothing has changed.
    bool openPattern(const std::filesystem::path& path);
    void Check1_Click();
    void Combo2_Change();
    void HScroll1_Change();
    // Sets the strength bar to the strength in force, changing nothing else.
    void showStrength();
    // The chart kind and the ignorable occurrence count chosen: the chosen
    // item's value, or what typed text reads as.
    ChartKind chartKind() const;
    int ignorableCount() const;

    // The chart on the canvas was drawn to its end from the pattern as it
    // is now: the only chart that is saved, printed or written.
    bool chartIsCurrent() const;
    // Clears a chart of an earlier pattern from the canvas, so a reopened
    // window offers nothing to save until the next "生成".
    void forgetOutdatedChart();

    FrmPreview* finalPreview() const { return preview_; }
    // True while a generation, printout or PDF is being drawn: its loop is on
    // the stack and yields to the event loop, so the window must neither start
    // another nor be freed outright.
    bool busy() const { return activeLoops_ > 0; }
    // Closes the window and frees it, at once when idle, otherwise as soon as
    // its running loop has returned.
    void dispose();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    // Returns where the book row continues after its save buttons.
    int buildSaveButtons();
    void loadWindow();
    void setProgress(int done, int total);
    void setMainControlsEnabled(bool enabled);
    void finishRun(bool showPrintCaption);
    ChartSource chartSource() const;
    // Draws the chart of threads_ and the chart matrices on the canvas,
    // yielding through `yielder`; true when it was drawn whole.
    bool drawChartCanvas(EventYielder& yielder);
    void printChartOnPrinter();
    // Writes a pattern format as the next free "myxiu###" file of the
    // working folder and advances `counter`.
    OutputResult savePatternFile(const PatternFormat& format, int& counter,
                                 const ChartProgress& progress = {});
    void showPrintStage(ChartStage stage);
    // The one rule of every save, printout and PDF (Form7SaveRule.cpp):
    // true for a current chart; otherwise it says why (`notGenerated` when
    // nothing was generated) and nothing may be written.
    bool chartMayLeave(const QString& notGenerated);
    // The book settings shown, and keeping the ones chosen for the run.
    void showBookSettings();
    void keepBookSettings();

    Form1& form1_;
    // One save button for each format the window offers, in the formats'
    // order, with the number of its last numbered file.
    struct SaveControl {
        const PatternFormat* format = nullptr;
        QPushButton* button = nullptr;
        int count = 0;
    };
    std::vector<SaveControl> saves_;
    const SaveControl* saveControl(std::string_view formatName) const;
    PatternThreads threads_;
    // The matrices the last generation drew from: a later effect preview or
    // edit rewrites the shared ones, and the printout, PDF and final preview
    // must still show the chart as generated.
    std::unique_ptr<CellMatrix> chartIndex_ = std::make_unique<CellMatrix>();
    std::unique_ptr<CellMatrix> chartPattern_ = std::make_unique<CellMatrix>();
    QPointer<FrmPreview> preview_;
    // Counts the drawing loops on the stack (see busy()).
    class LoopScope;
    int activeLoops_ = 0;
    bool disposeWhenIdle_ = false;
    // The last generation drew its whole chart: printing and PDF use it
    // (a later strength change does not undo the chart).
    bool chartDrawn_ = false;
    // A generation started, and the pattern version it read.
    bool chartStarted_ = false;
    std::uint64_t chartVersion_ = 0;
    // Command5 aborts a generation (its caption "中止") rather than prints.
    bool command5Aborts_ = true;
};

// Marks a drawing loop of the window for as long as it lives; the last one
// to end carries out a dispose() that came while it ran.
class Form7::LoopScope {
  public:
    explicit LoopScope(Form7& window) : window_(window) { ++window_.activeLoops_; }
    ~LoopScope();
    LoopScope(const LoopScope&) = delete;
    LoopScope& operator=(const LoopScope&) = delete;

  private:
    Form7& window_;
};

} // namespace tessaline
