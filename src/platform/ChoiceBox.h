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

} // namespace tessaline
