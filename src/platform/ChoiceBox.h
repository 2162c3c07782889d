#pragma once
// List boxes whose items carry their value as item data: a window decides by
// that value, never by the caption shown, which follows the interface
// language.
#include <QVariant>

class QComboBox;

namespace tessaline {

// The value of the item whose caption the box shows: the current item's when
// the shown text is its caption, else the first item with that caption.
// Invalid when the text was typed and is no item's caption; the window then
// reads the typed text itself.
QVariant chosenItemData(const QComboBox& box);

// Selects the item holding value and shows its caption; a value no item
// holds is shown as shownOtherwise.
void showChoice(QComboBox& box, const QVariant& value, const QString& shownOtherwise);

// Makes the box's drop-down rows as tall as their captions' glyphs: Chinese
// glyphs come from a fallback face taller than the box's own font, and a row
// sized by that font lets the next row paint over their bottom strokes.
void fitRowsToGlyphs(QComboBox& box);

} // namespace tessaline
