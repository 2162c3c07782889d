#pragma once
// The colour replacement window: the edited pattern in thread colours, a
// magnifier over it and two swatch lists of its threads. The user picks a
// thread to replace and one to put in its place, replaces it in all cells
// at once, undoes replacements one by one, and with "完成" writes the
// working copy into the pattern and brings up the generation window. It
// belongs to the pattern it was opened on: once another preview or picture
// has taken its place, "完成" refuses.
#include "pattern/ThreadReplacement.h"

#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace tessaline {

class Form1;
class PictureBox;
class ScrollBar;

class Form9 : public QWidget {
    Q_OBJECT
  public:
    // The edit action listed colorCount threads (maxColor) of the width x
    // height cells of the pattern.
    Form9(Form1& form1, int colorCount, int width, int height);
    ~Form9() override;

    // --- window state ---
    int imageW = 0;
    int imageH = 0;
    int magnifyStep = 4;
    int targetColor = -1;      // thread chosen to be replaced, -1 = none
    int replacementColor = -1; // thread chosen to put in its place, -1 = none
    int colorCount() const { return replacement_.colorCount(); }
    int replaceCount() const { return replacement_.replaceCount(); }
    const ThreadReplacement& replacement() const { return replacement_; }

    // --- controls ---
    PictureBox* Picture1 = nullptr; // the pattern, one pixel per cell
    QFrame* Shape1 = nullptr;       // the magnifier frame
    PictureBox* Picture2 = nullptr; // the magnified view
    QLabel* Label6 = nullptr;       // counter line
    QFrame* Picture3 = nullptr;     // frame of the left list
    PictureBox* Picture5 = nullptr; // left list: threads to replace
    ScrollBar* VScroll3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr; // swatch of targetColor
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label7 = nullptr;        // swatch of replacementColor
    QPushButton* Command1 = nullptr; // "<－替换"
    QPushButton* Command2 = nullptr; // "撤销"
    QPushButton* Command3 = nullptr; // "完成"
    QFrame* Picture4 = nullptr;      // frame of the right list
    PictureBox* Picture6 = nullptr;  // right list: replacement threads
    ScrollBar* VScroll4 = nullptr;

    // --- handlers ---
    void Picture1_MouseMove(int x, int y);
    void Picture1_MouseDown();
    void Picture2_MouseDown(int x, int y);
    void Picture5_MouseDown(int x, int y);
    void Picture6_MouseDown(int x, int y);
    void Command1_Click(); // replace
    void Command2_Click(); // undo
    void Command3_Click(); // done
    void drawColorLists();
    // Draws the magnified view of the cells under the magnifier frame, as
    // the working copy holds them.
    void drawMagnifiedView();
    // True while the shared pattern is still the one the window opened on.
    bool patternIsCurrent() const;
    void replaceColor(int target, int replacement);
    void undoReplace();

    // True while one of the window's loops runs: it yields to the event
    // loop, so the window must not start another nor be freed outright.
    bool busy() const { return activeLoops_ > 0; }
    // Closes the window and frees it, at once when idle, otherwise once its
    // running loop has returned.
    void dispose();

  private:
    void buildControls();
    void loadWindow(int width, int height);
    void paintCell(int x, int y, int thread);
    void showCounter();
    // The target's swatch and its number of cells in the working copy.
    void showTarget();
    // The thread shown in the magnified view at (x, y), 0 on a grid line or
    // outside the pattern.
    int magnifiedThreadAt(int x, int y) const;

    class LoopScope;
    Form1& form1_;
    ThreadReplacement replacement_;
    bool magnifierClicked_ = false;
    // The swatch lists are drawn, so a click on them picks.
    bool listsDrawn_ = false;
    bool viewDrawn_ = false;
    // The shared pattern's version the working copy was loaded from or
    // last written into.
    std::uint64_t patternVersion_ = 0;
    bool magnifying_ = false;
    int activeLoops_ = 0;
    bool disposeWhenIdle_ = false;
    // The cells drawn in the magnified view: where they start in the pattern
    // and the thread of each, 0 beyond the pattern.
    int viewLeft_ = 0;
    int viewTop_ = 0;
    int viewColumns_ = 0;
    std::vector<int> viewThreads_;
};

} // namespace tessaline
