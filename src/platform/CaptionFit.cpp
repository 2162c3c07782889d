#include "platform/CaptionFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace tessaline {

void widenToCaption(QLabel* label, int maxWidth) {
    const QMargins margins = label->contentsMargins();
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) +
                       margins.left() + margins.right() + 2 * label->margin();
    if (needed > label->width()) {
        label->resize(std::min(needed, std::max(maxWidth, label->width())), label->height());
    }
}

} // namespace tessaline
