#pragma once
// A label that acts as a button: it reports clicks and the pointer entering
// it, and draws its caption in a fore colour the window sets (the hover
// highlight is the window's business).
#include "app/Color.h"

#include <QLabel>

namespace tessaline {

class TextButton : public QLabel {
    Q_OBJECT
  public:
    explicit TextButton(const QString& caption, QWidget* parent = nullptr);

    void setForeColor(Color color);
    Color foreColor() const { return foreColor_; }

  signals:
    void clicked();
    void hovered();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    Color foreColor_ = 0;
};

// A window surface that reports the pointer moving over its bare area.
class HoverSurface : public QWidget {
    Q_OBJECT
  public:
    using QWidget::QWidget;

  signals:
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace tessaline
