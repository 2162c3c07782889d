#pragma once
// The chart's two fonts, "宋体" and "Arial", pinned to installed faces so
// that glyphs and widths are the same on every machine.
#include <QFont>

namespace tessaline {

// Maps "宋体" and "SimSun" to "AR PL UMing CN" and "Arial" to
// "Liberation Sans". Call once, before any font is made.
void installFontSubstitutes();

// "宋体" (symbols, headings, notes) and "Arial" (numbering) at a point size.
QFont songFont(qreal pointSize);
QFont arialFont(qreal pointSize);

} // namespace tessaline
