#pragma once
// A caption longer than the control the layout gives it (a translation,
// mostly) widens the control into the free room beside it.
class QLabel;

namespace tessaline {

// Widens `label` to its one-line text, keeping its left edge, up to
// `maxWidth` pixels; a text that fits leaves the label as it is.
void widenToCaption(QLabel* label, int maxWidth);

} // namespace tessaline
