#pragma once
// The final preview: the generated pattern on the whole screen, three pixels
// a cell in the real thread colours, to be judged from a distance. It draws
// on the second tick of its timer, once the window and its texts are up, and
// closes on a click or Esc, as its hint says.
#include "app/Xiubas.h"

#include <QTimer>
#include <QWidget>

class QLabel;

namespace tessaline {

struct PatternThreads;

// What the preview paints: the generated pattern and its threads.
struct FinalPreviewSource {
    int gw = 0;
    int gh = 0;
    int maxColor = 0;
    const CellMatrix* colorIndexMatrix = nullptr;
    const CellMatrix* patternMatrix = nullptr;
    const PatternThreads* threads = nullptr;
};

// The colour of cell (x, y): its thread's colour for up to 50 colours,
// the pattern's own colour above that.
Color finalPreviewCellColor(const FinalPreviewSource& source, int x, int y);

class FrmPreview : public QWidget {
    Q_OBJECT
  public:
    explicit FrmPreview(QWidget* parent = nullptr);

    // Covers the screen and starts the timer; the pattern is drawn on its
    // second tick.
    void open(const FinalPreviewSource& source);

    int tickCount = 0;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LabelHint = nullptr; // how to close the window
    QTimer Timer1;

    const QImage& drawing() const { return drawing_; }

    void Timer1_Timer();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeLabels();
    void drawPattern();

    FinalPreviewSource source_;
    QImage drawing_;
};

} // namespace tessaline
