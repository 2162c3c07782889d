#include "platform/ScrollBar.h"

namespace tessaline {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {}

bool ScrollBar::assign(int value) {
    if (value < minimum() || value > maximum()) {
        return false;
    }
    setValue(value);
    return true;
}

} // namespace tessaline
