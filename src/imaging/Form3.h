#pragma once
// The pattern settings window "设置生成绣图的属性：": thread category,
// reduction method, block size of the chart grid, reduction strength, the
// automatic-reduction switch, the pattern's name, the thread limit and the
// colour matching. It keeps nothing itself: every opening shows the current
// choices from the main window's variables and the shared state, and "确定"
// writes them back.
#include "app/AppContext.h"

#include <QWidget>
#include <cstdint>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QLineEdit;
class QPushButton;

namespace tessaline {

class Form1;
class ScrollBar;

class Form3 : public QWidget {
    Q_OBJECT
  public:
    // The window has no owner; main is the window whose ColorBit and
    // autoColor it writes.
    Form3(AppContext& context, Form1& main);

    // Shows the window without blocking, loading it first when it is not
    // loaded.
    void showWindow();
    bool isLoaded() const { return loaded_; }

    // Fills the lists and shows every current choice.
    void load();
    // Hides the window; the next opening loads it afresh.
    void unload();

    // "确定": stores everything in order and unloads. A thread limit that is
    // neither "无限制" nor 2..423 is refused with a message before anything
    // is stored. When the grid size or the strength is not a number that
    // fits, the steps before it keep their effect, the method falls back to
    // code 8 and the grid size to 10, the window stays open and the result is
    // false.
    bool Command1_Click();
    // "取消": unloads and stores nothing.
    void Command2_Click();
    // The bar moved: the number box shows 300 - position.
    void strengthBar_Change();
    // "照片推荐": the choices that suit a photo, shown for "确定" to store:
    // no reduction, at most 24 threads matched by CIEDE2000, clean-up on.
    void photoPreset_Click();
    // The hint shows while the choices are the ones that scatter a photo
    // into lone stitches: a dithering method, no thread limit, no clean-up.
    void updateConfettiHint();
    // A click into the name box: the first one after loading clears the
    // prompt (a pattern name already given stays).
    void titleBox_Click();

    // Clicks into the name box since the window was loaded.
    int titleClicks = 0;

    // --- controls, top to bottom ---
    QLabel* categoryLabel = nullptr;
    QComboBox* categoryBox = nullptr;
    QLabel* methodLabel = nullptr;
    QComboBox* methodBox = nullptr;
    QLabel* gridSizeLabel = nullptr;
    QComboBox* gridSizeBox = nullptr;
    QLabel* strengthLabel = nullptr;
    QLineEdit* strengthBox = nullptr;
    QLabel* fewerThreadsLabel = nullptr;
    ScrollBar* strengthBar = nullptr;
    QLabel* betterEffectLabel = nullptr;
    QLabel* switchLabel = nullptr;
    QComboBox* switchBox = nullptr;
    QLabel* titleLabel = nullptr;
    QLineEdit* titleBox = nullptr;
    QLabel* threadLimitLabel = nullptr;
    QComboBox* threadLimitBox = nullptr; // "无限制" or 2..423, typed numbers too
    QLabel* matchLabel = nullptr;
    QComboBox* matchBox = nullptr;   // "RGB" or "CIELAB ΔE2000"
    QCheckBox* specialtyBox = nullptr; // the thread limit may choose metallic threads
    QCheckBox* cleanupBox = nullptr; // "清理零散针"
    QLabel* minStitchesLabel = nullptr;
    QSpinBox* minStitchesBox = nullptr; // "每种线最少针数", 0 for every thread
    QLabel* fabricLabel = nullptr;
    QComboBox* fabricBox = nullptr;         // white, ivory, black, or RRGGBB typed
    QCheckBox* backgroundBox = nullptr;     // "背景不绣"
    QDoubleSpinBox* toleranceBox = nullptr; // its CIEDE2000 tolerance
    QPushButton* photoPreset = nullptr;     // "照片推荐"
    QLabel* confettiHint = nullptr;
    QPushButton* Command1 = nullptr; // "确定"
    QPushButton* Command2 = nullptr; // "取消"

    static constexpr int kStrengthBarMax = 300;

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    // The name box's prompt while no name is given.
    static QString titlePrompt();
    // The grid size and strength as typed; nothing, after a message naming
    // the box, when one does not fit.
    struct Numbers {
        std::int16_t gridSize;
        std::int32_t reduceStrength;
    };
    std::optional<Numbers> readNumbers();

    AppContext& context_;
    Form1& main_;
    bool loaded_ = false;
};

} // namespace tessaline
