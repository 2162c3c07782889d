#pragma once
// An image box that shows its picture at the picture's own size from the
// top-left corner, cut off at the box, inside a single-line border.
#include <QFrame>
#include <QImage>

namespace tessaline {

class ClippedImage : public QFrame {
    Q_OBJECT
  public:
    explicit ClippedImage(QWidget* parent = nullptr);

    // Keeps the part of picture that the box shows; a null picture clears it.
    void setPicture(const QImage& picture);
    // What the box shows: at most the box's inside, from the top-left.
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

} // namespace tessaline
