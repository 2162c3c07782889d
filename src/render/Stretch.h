#pragma once
// The smooth ("halftone") stretch used to draw a picture at another size.
#include <QImage>

namespace tessaline {

// An exact copy when the size is unchanged; otherwise a smooth scale.
inline QImage halftoneStretch(const QImage& source, QSize size) {
    if (source.isNull() || size.isEmpty()) {
        return {};
    }
    if (source.size() == size) {
        return source;
    }
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace tessaline
