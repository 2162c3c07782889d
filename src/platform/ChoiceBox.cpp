#include "platform/ChoiceBox.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <algorithm>

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

namespace {

class GlyphRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString caption = index.data(Qt::DisplayRole).toString();
        const int glyphs = QFontMetrics(option.font).boundingRect(caption).height();
        size.setHeight(std::max(size.height(), glyphs + 2 * kRowMargin));
        return size;
    }

  private:
    static constexpr int kRowMargin = 1;
};

} // namespace

void fitRowsToGlyphs(QComboBox& box) {
    box.setItemDelegate(new GlyphRowDelegate(&box));
}

} // namespace tessaline
