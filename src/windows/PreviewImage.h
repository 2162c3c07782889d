#pragma once
// An image box for the browser's thumbnail and the gallery's preview, inside
// a single-line border: the picture either stretched over the whole box or
// shown at its own size from the top-left corner, cut off at the box.
#include <QFrame>
#include <QImage>

namespace tessaline {

class PreviewImage : public QFrame {
    Q_OBJECT
  public:
    enum class Fit { Stretch, Clip };
    explicit PreviewImage(Fit fit, QWidget* parent = nullptr);

    // Keeps only what the box shows (the stretched copy or the visible
    // corner), so a large photo does not stay in memory for a preview; a
    // null picture clears the box.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Fit fit_;
    QImage picture_;
};

} // namespace tessaline
