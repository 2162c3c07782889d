#pragma once
// The final preview: the generated pattern on the whole screen, three pixels
// a cell in the real thread colours, to be judged from a distance. It draws
// on the second tick of its timer, once the window and its texts are up, and
// closes on a click or Esc, as its hint says.
#include "pattern/Pattern.h"

#include <QTimer>
#include <QWidget>
#include <optional>

class QLabel;

namespace tessaline {

class FrmPreview : public QWidget {
    Q_OBJECT
  public:
    explicit FrmPreview(QWidget* parent = nullptr);

    // Covers the screen and starts the timer; the pattern is drawn on its
    // second tick, in its finished look (pattern/FinishedLook). The pattern's
    // threads and matrices must outlive the preview's use of them.
    void open(const Pattern& pattern);

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

    std::optional<Pattern> pattern_;
    QImage drawing_;
};

} // namespace tessaline
