#pragma once
// Between the program's 0x00BBGGRR colours and Qt's colours.
#include "app/Color.h"

#include <QColor>
#include <QRgb>

namespace tessaline {

inline QColor toQColor(Color c) {
    return QColor(getRed(c), getGreen(c), getBlue(c));
}
inline QRgb toQRgb(Color c) {
    return qRgb(getRed(c), getGreen(c), getBlue(c));
}
inline Color fromQRgb(QRgb c) {
    return rgb(qRed(c), qGreen(c), qBlue(c));
}
inline Color fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

} // namespace tessaline
