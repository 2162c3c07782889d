#pragma once
// The generation window: chart kind, ignorable count and merging strength;
// "生成" builds the colour index, thread table and symbols and draws the
// chart with its legend, with progress and abort; then the chart is saved,
// printed, written as PDF or OXS or shown in the final preview.
#include "app/OutputFiles.h"
#include "pattern/PatternThreads.h"
#include "render/ChartSource.h"

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

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
    int saveCount = 0;
    int pdfCount = 0;
    int oxsCount = 0;
    int bookCount = 0;

    // --- controls ---
    QPushButton* Command1 = nullptr;    // "生成"
    QPushButton* Command5 = nullptr;    // "中止" while generating, "打印" after
    QPushButton* Command4 = nullptr;    // "保存"
    QPushButton* CommandPdf = nullptr;  // "保存PDF"
    QPushButton* CommandOxs = nullptr;  // "保存OXS", usable once a chart is drawn
    QPushButton* CommandBook = nullptr; // "保存图册"
    // The pattern book's settings: paper, cell pitch, fabric count.
    QComboBox* ComboPaper = nullptr;
    QDoubleSpinBox* SpinPitch = nullptr;
    QComboBox* ComboFabric = nullptr;
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

    // --- handlers ---
    void Command1_Click();    // generate
    void Command5_Click();    // abort, or print
    bool Command4_Click();    // save the canvas; false when nothing was saved
    bool CommandPdf_Click();  // save the printout as PDF
    bool CommandOxs_Click();  // save the pattern as OXS for stitching apps
    bool CommandBook_Click(); // save the pattern book as PDF
    void Command6_Click();    // final preview
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
    // The messages of one kind of save. An empty `notGenerated`: the canvas
    // may be saved as it stands, at any time.
    struct SaveTexts {
        QString notGenerated;
        QString failed;
        QString saved;
    };
    // Saves the format named as the next numbered file and tells how it went.
    // A format drawn with `showStage` yields while it is drawn; `advice` adds
    // a line to the success message.
    bool saveNumberedFile(const char* formatName, int& counter, const SaveTexts& texts,
                          const std::function<void(ChartStage)>& showStage = {},
                          const std::function<QString()>& advice = {});
    void showPrintStage(ChartStage stage);
    // The book settings shown, and keeping the ones chosen for the run.
    void showBookSettings();
    void keepBookSettings();

    Form1& form1_;
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
