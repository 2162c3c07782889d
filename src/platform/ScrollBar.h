#pragma once
// A scroll bar that behaves like the ones the windows were designed with:
// assigning a value outside the range is refused (the caller learns it
// failed) instead of being clamped silently, and every change of value -
// assigned, dragged, or pushed by a new minimum or maximum - emits
// valueChanged at that moment.
#include <QScrollBar>

namespace tessaline {

class ScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    // False, and nothing changes, when value lies outside minimum..maximum.
    bool assign(int value);
};

} // namespace tessaline
