#pragma once
// A picture box with a persistent image: everything drawn goes into an
// image the size of the box, which survives repaints. The box may also hold
// a picture (shown at its top-left corner under the drawing, restored by
// cls()) and can size itself to that picture.
#include "app/Color.h"

#include <QFont>
#include <QImage>
#include <QWidget>

namespace tessaline {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture and auto-size.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }

    // The persistent drawing, always the size of the box.
    const QImage& image() const { return image_; }
    QImage& image() { return image_; }

    Color backColor() const { return backColor_; }
    void setBackColor(Color color);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color) { foreColor_ = color; }
    const QFont& drawFont() const { return font_; }
    void setDrawFont(const QFont& font) { font_ = font; }

    // Clears the drawing back to the picture on the back colour and moves
    // the text position to the top-left corner.
    void cls();

    // Pixel access; point() answers -1 outside the box.
    Color point(int x, int y) const;
    void pset(int x, int y, Color color);
    void line(int x1, int y1, int x2, int y2, Color color);
    void fillBox(int x1, int y1, int x2, int y2, Color color);

    // Text at the current position in the drawing font and fore colour; like
    // a printed line, it moves the position to the start of the next line.
    double currentX = 0;
    double currentY = 0;
    void print(const QString& text);
    int textWidth(const QString& text) const;
    int textHeight(const QString& text = QStringLiteral("A")) const;

    // Smoothly stretches the whole of source over the whole drawing.
    void stretchFrom(const QImage& source);

    // Repaints the widget from the drawing (call after direct image edits).
    void refresh() { update(); }

  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void growImageTo(QSize size);

    QImage picture_;
    QImage image_;
    Color backColor_ = 0xF0F0F0;
    Color foreColor_ = 0;
    QFont font_;
    bool autoSize_ = false;
};

} // namespace tessaline
