#pragma once
// An image box that stretches its picture over the whole box, inside a
// single-line border.
#include <QFrame>
#include <QImage>

namespace tessaline {

class StretchedImage : public QFrame {
    Q_OBJECT
  public:
    explicit StretchedImage(QWidget* parent = nullptr);

    // Keeps picture stretched to the box's inside; a null picture clears it.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
};

} // namespace tessaline
