#include "platform/ChoiceBox.h"

#include <QComboBox>

namespace tessaline {

QVariant chosenItemData(const QComboBox& box) {
    const QString shown = box.currentText();
    const int current = box.currentIndex();
    if (current >= 0 && box.itemText(current) == shown) {
        return box.itemData(current);
    }
    const int named = box.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return named >= 0 ? box.itemData(named) : QVariant();
}

void showChoice(QComboBox& box, const QVariant& value, const QString& shownOtherwise) {
    const int index = box.findData(value);
    box.setCurrentIndex(index);
    if (index < 0) {
        box.setEditText(shownOtherwise);
    }
}

} // namespace tessaline
