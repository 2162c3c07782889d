#pragma once
// The capture window: a borderless, full-screen window showing a frozen
// picture of the desktop, with a blue frame as large as the main window's
// pattern frame whose lower-right corner follows the pointer. A left click
// puts the framed block into the main window's picture; Esc or a right
// click gives up. Either way the window closes and the main window comes
// back.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace tessaline {

class Form1;

class MobileCap : public QWidget {
    Q_OBJECT
  public:
    // Runs the load steps: covers the screen and sizes the frame.
    MobileCap(Form1& main, const QImage& frozenScreen, QWidget* parent = nullptr);

    std::int16_t captureMargin = 0;
    double lastMouseX = 0;
    std::int16_t lastMouseY = 0;

    // The blue frame, in this window's pixels.
    QRect capRect() const { return capRect_; }
    const QImage& surface() const { return surface_; }

    void mouseMovedTo(double x, double y);
    // Copies the framed block at the last pointer position into the main
    // window's Picture4.
    void putImage();

  signals:
    // The window has closed; captured is false when the user gave up.
    void finished(bool captured);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void finish(bool captured);

    Form1& main_;
    QImage surface_;
    QRect capRect_;
    bool captured_ = false;
};

} // namespace tessaline
