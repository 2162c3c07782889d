#pragma once
// The main window: the working picture, the pattern frame and its size, the
// stitch-grid view of the pattern matrix, and the buttons, text buttons and
// menus that lead to every other window.
#include "app/AppContext.h"
#include "app/Color.h"
#include "app/OwnedWindow.h"
#include "pattern/BookSettings.h"
#include "render/PictureLoader.h"
#include "workspace/WorkspaceMath.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tessaline {

class ClsDIB;
struct ReductionOutcome;
class DisplayContext;
class HoverSurface;
class PictureBox;
class ScrollBar;
class TextButton;

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(AppContext& context, QWidget* parent = nullptr);
    ~Form1() override;

    // Runs the load handler: workspace defaults, buffers, start-up picture.
    void load();

    // The picture hand-over: loads the picture named by picturePath into the
    // workspace and resets sizes, region and zoom range. False when the
    // picture could not be loaded (the workspace keeps its previous picture).
    bool loadWorkspacePicture();
    // Why the last hand-over failed, for the caller's message.
    PictureLoadError lastLoadError() const { return lastLoadError_; }
    // The loaded picture's transparent parts (PictureLoadResult), whose
    // cells are left unstitched; forgotten once something is pasted over it.
    const QImage& pictureTransparency() const { return pictureTransparency_; }
    void forgetPictureTransparency() { pictureTransparency_ = QImage(); }

    AppContext& context() { return context_; }

    // --- public variables other windows read and write ---
    // The pattern book's paper, pitch and fabric as last chosen in the
    // generation window, for the rest of the run.
    BookSettings bookSettings;
    double picW = 117;
    std::int32_t picH = 132;
    std::int16_t picmaxW = 230;
    std::int32_t picmaxH = 250;
    std::int32_t autoColor = 0;
    std::int32_t ColorBit = 16;
    std::int32_t moveX1 = 0;
    std::int32_t moveY1 = 0;
    float xyRate = 1.0F;
    std::int32_t ifScale = 1;
    std::int32_t previewDone = 0;

    // --- controls --- (caption or role; the windows' texts are translated)
    QWidget* surface = nullptr;          // the window's own client area
    PictureBox* Picture3 = nullptr;      // hidden: the loaded picture at its own size
    QGroupBox* frameMyPicture = nullptr; // frame "我的图片" around the preview area
    PictureBox* Picture2 = nullptr;      // the pattern frame, centred in the preview area
    PictureBox* Picture4 = nullptr;  // the working picture inside the frame; dragged in region mode
    PictureBox* Picture6 = nullptr;  // viewport of the stitch-grid view
    PictureBox* Picture1 = nullptr;  // the stitch-grid view inside Picture6
    PictureBox* Picture5 = nullptr;  // hidden: work area of the effect preview
    ScrollBar* wChange = nullptr;    // pattern width in stitches
    ScrollBar* Hchange = nullptr;    // pattern height in stitches
    ScrollBar* zoom = nullptr;       // picture display size (region) or pattern width (whole)
    ScrollBar* wMatrix = nullptr;    // scrolls the stitch-grid view across
    ScrollBar* Hmatrix = nullptr;    // scrolls the stitch-grid view down
    QLabel* Label1 = nullptr;        // fabric size line, "绣布：宽高156x221 "
    QLabel* Label4 = nullptr;        // hint and status line
    QLabel* Label8 = nullptr;        // the text overlay on the picture, hidden at first
    QLabel* Label10 = nullptr;       // hidden "超级减色": the reduction step of Command4
    QPushButton* Command1 = nullptr; // "局部": region mode
    QPushButton* Command2 = nullptr; // hidden "效果预览->": the sampling step
    QPushButton* Command3 = nullptr; // "保存效果": save the effect picture
    QPushButton* Command4 = nullptr; // "效果预览->": effect preview
    QPushButton* Command5 = nullptr; // "导入图片": the file browser
    QPushButton* Command6 = nullptr; // "绣图图库": the sample gallery
    QPushButton* Command7 = nullptr; // "绣图设置": the pattern settings
    QPushButton* Command8 = nullptr; // "确定": place the overlay text
    QPushButton* Command9 = nullptr; // "清除": remove the overlay text
    QPushButton* Command11 = nullptr; // "全图": whole-picture mode
    QPushButton* Command12 = nullptr; // "还原": restore the picture
    QPushButton* Command13 = nullptr; // "帮助": the user guide
    QPushButton* CommandOpenPattern = nullptr; // "打开绣图...": an OXS pattern file
    QLineEdit* Text1 = nullptr;       // "在这里输入你的文字": the overlay text entry
    TextButton* Label2 = nullptr;     // "生成": the generation window
    TextButton* Label3 = nullptr;     // "打印": print the chart
    TextButton* Label5 = nullptr;     // "放大": zoom in a step
    TextButton* Label6 = nullptr;     // "缩小": zoom out a step
    TextButton* Label7 = nullptr;     // "文字": show the text entry
    TextButton* Label9 = nullptr;     // "编辑": the edit action and colour replacement
    TextButton* Label11 = nullptr;    // "字体选择": the overlay's font
    TextButton* Label12 = nullptr;    // "超级减色": the pattern settings
    TextButton* Label13 = nullptr;    // "字体颜色": the overlay's colour

    // --- menus ---
    QMenu* fop0 = nullptr;     // "文件"
    QAction* fop1 = nullptr;   // "导入图片文件"
    QAction* fopOpenPattern = nullptr; // "打开绣图..."
    QAction* fop2 = nullptr;   // "直接屏幕截图": screen capture
    QAction* fop3 = nullptr;   // "生成我的绣图": the generation window
    QAction* fop4 = nullptr;   // "打印绣图"
    QAction* fop6 = nullptr;   // "退出Tessaline"
    QMenu* fset = nullptr;     // "设置"
    QAction* fset1 = nullptr;  // "软件设置": the pattern settings
    QAction* fset3 = nullptr;  // "绣图设置": the pattern settings
    QAction* fset4 = nullptr;  // "绣图图库": the sample gallery
    QMenu* helpMenu = nullptr; // "帮助"
    QAction* helpGuide = nullptr; // "使用说明": the user guide, as "帮助" opens it
    QAction* freg4 = nullptr;  // "关于...": the about window

    // Where the frame sits in the preview area, halves kept.
    FramePosition frameGeometry() const { return frame_; }
    const PreviewArea& previewArea() const { return area_; }

    ClsDIB& srcDIB() { return *srcDIB_; }
    ClsDIB& dstDIB() { return *dstDIB_; }
    DisplayContext& displayDC() { return *displayDC_; }

    // --- sizing and zoom handlers ---
    void wChange_Change();
    void Hchange_Change();
    void zoom_Change();
    void Command1_Click();  // "局部"
    bool Command11_Click(); // "全图"; false when it stopped at an error
    void Label5_Click();    // "放大"
    void Label6_Click();    // "缩小"

    // --- effect preview ---
    std::int32_t effectCount = 0;
    void Command2_Click(); // the sampling step
    void Label10_Click();  // the reduction step ("效果预览->")
    bool Command3_Click(); // "保存效果"; false when nothing was saved
    // The message for a reduction step whose scratch picture failed.
    void reportReductionFailure(const ReductionOutcome& outcome);
    // The framed region as the preview samples it.
    int patternWidth() const;
    int patternHeight() const;

    // --- stitch-grid view ---
    std::int32_t viewX = 0;
    std::int32_t viewY = 0;
    std::int32_t matrixCellSize = 4;
    float dragX0 = 0;
    float dragY0 = 0;
    float dragX1 = 0;
    std::int32_t dragY1 = 0;
    void drawMatrixS();
    void showMatrixS();
    void wMatrix_Change();
    void Hmatrix_Change();
    void Picture1_MouseDown(float x, float y);
    void Picture1_MouseUp(float x, float y);

  signals:
    // The main window is closing; the other windows are already unloaded.
    void unloading();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void connectSizing();
    void rebuildFabricLine();
    void placeFrameWidth();
    void placeFrameHeight();
    void unload();
    void connectEffectPreview();
    void connectMatrixView();
    void runSamplingStep() { Command2_Click(); }

    AppContext& context_;
    PreviewArea area_;
    FramePosition frame_{0, 0};
    std::unique_ptr<ClsDIB> srcDIB_;
    std::unique_ptr<ClsDIB> dstDIB_;
    std::unique_ptr<DisplayContext> displayDC_;
    bool unloaded_ = false;
    // Set while a reduction runs: it yields to the event loop, and a second
    // one started from there would work on the same buffers.
    bool reducing_ = false;
    PictureLoadError lastLoadError_ = PictureLoadError::None;
    QImage pictureTransparency_;

    // --- settings window ---
  public:
    // The pattern settings window (Form3 of this namespace), created on first
    // use and shown without an owner and without blocking; closing it keeps
    // it for the next opening.
    class Form3* form3();
    bool hasForm3() const { return form3_.exists(); }
    void showSettings();

  private:
    void connectSettings();
    OwnedWindow<Form3> form3_;
    // --- end of settings window ---

    // --- menus, hover and help ---
  public:
    // The file browser and the about window (classes of this namespace),
    // created on first use; each unloads itself on close, and the next use
    // starts it afresh.
    class Form2* form2();
    class Form4* form4();
    bool hasForm2() const { return form2_.exists(); }
    bool hasForm4() const { return form4_.exists(); }

    void Command5_Click();  // "导入图片": browser beside this window, previewDone = 0
    void fop1_Click();      // "导入图片文件": browser where it stood
    void Command13_Click(); // "帮助": the help document, if present (Form1Help.cpp)
    void fop6_Click();      // "退出Tessaline"
    void freg4_Click();     // "关于..."
    // The hover highlight and hints.
    void textButtonHovered(TextButton* label);
    void surfaceHovered();
    // Closes and frees the other windows in the program's order (quit and
    // unload); every window Form1 owns is listed here.
    void unloadOtherWindows();

  signals:
    // "生成", "打印", "生成我的绣图" and "打印绣图": the generate command.
    void generateRequested();

  private:
    void connectMenus();
    OwnedWindow<Form2> form2_;
    OwnedWindow<Form4> form4_;
    // --- end of menus, hover and help ---

    // --- sample gallery and dropped pictures ---
  public:
    // The gallery (Form6 of this namespace), created on first use; it
    // unloads itself on close, and the next use starts it afresh.
    class Form6* form6();
    bool hasForm6() const { return form6_.exists(); }
    void Command6_Click(); // "绣图图库": gallery beside this window, previewDone = 0
    void fset4_Click();    // menu "绣图图库": gallery where it stood

  private:
    void connectGallery();
    void connectPictureDrop();
    OwnedWindow<Form6> form6_;
    // --- end of sample gallery and dropped pictures ---

    // --- help document ---
  public:
    // Our own window for the help document, for a desktop with no program
    // that opens it; null until needed. It unloads itself on close.
    class DocumentWindow* helpWindow() const;

  private:
    OwnedWindow<DocumentWindow> helpWindow_;
    // --- end of help document ---

    // --- generation window ---
  public:
    // The generation window, created on first use; a closed one that is not
    // running is replaced by a fresh one, as a reloaded window would be.
    class Form7* form7();
    // The settings changed reduceStrength: the generation window shows it.
    void strengthChanged();
    bool hasForm7() const { return form7_.exists(); }
    // "生成", "打印", "生成我的绣图": needs an effect preview first.
    void generateCommand();
    // "打印" and "打印绣图": with a finished chart of the current pattern
    // open, the generation window prints it at once; otherwise the generate
    // command.
    void printCommand();

    // "打开绣图...": an OXS file chosen and opened in the generation window
    // (pattern/Form1OpenPattern.cpp).
    void openPatternCommand();

  private:
    void connectGeneration();
    void connectPatternOpening();
    OwnedWindow<Form7> form7_;
    // --- end of generation window ---

    // --- region selection and text overlay ---
  public:
    std::int16_t text1Clicks = 0; // clicks into Text1 so far
    void Picture4_MouseDown(float x, float y);
    void Picture4_MouseMove(float x, float y);
    void Picture4_MouseUp(float x, float y);
    void Label7_Click();    // "文字"
    void Text1_Click();     // a click into the text box
    void Command8_Click();  // "确定"
    void Command9_Click();  // "清除"
    void Label8_Click();    // a click on the overlay itself
    void Label11_Click();   // "字体选择"
    void Label13_Click();   // "字体颜色"
    void Command12_Click(); // "还原"
    // The overlay's look; the stamped text is drawn the same way.
    void setOverlayFont(const QFont& font);
    void setOverlayColor(Color color);

  private:
    void connectRegion();
    void stampOverlayAt(double x, double y);
    // Shows the loaded picture at its own size at the frame's corner, with
    // the zoom thumb at that width.
    void showPictureAtNaturalSize();
    // --- end of region selection and text overlay ---

    // --- screen capture ---
  public:
    // "直接屏幕截图": hides this window, lets the desktop repaint, then grabs
    // the screen (captureScreen).
    void fop2_Click();
    // Grabs the screen and opens the capture window on it, or says why not
    // and comes back.
    void captureScreen();
    // The capture window over a frozen picture of the screen; it puts the
    // framed block into Picture4 on a click and brings this window back.
    class MobileCap* openCaptureWindow(const QImage& frozenScreen);
    bool hasMobileCap() const { return mobileCap_.exists(); }

  private:
    void connectCapture();
    // Made anew for each capture; it deletes itself when it closes.
    OwnedWindow<MobileCap> mobileCap_;
    bool capturePending_ = false;
    // --- end of screen capture ---

    // --- edit action ---
  public:
    // "编辑": reduces the last sampled region again, lists the pattern's
    // threads and opens the colour replacement window afresh.
    void Label9_Click();
    // The colour replacement window of the last edit, if any.
    class Form9* form9() const;

  private:
    void connectEditAction();
    OwnedWindow<Form9> form9_;
    // --- end of edit action ---
};

} // namespace tessaline
