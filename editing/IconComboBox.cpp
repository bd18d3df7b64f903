#include "IconComboBox.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int IconSize = 24;

// Rows exactly as high as an icon, whatever the style would give a text row.
class TIconRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(IconSize);
        return size;
    }
};

} // namespace

TIconComboBox::TIconComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setIconSize(QSize(IconSize, IconSize));
    setItemDelegate(new TIconRowDelegate(this));
}

void TIconComboBox::SetDropDownWidth(int width) {
    dropDownWidth_ = width;
    view()->setMinimumWidth(width);
}

void TIconComboBox::showPopup() {
    view()->setMinimumWidth(std::max(dropDownWidth_, width()));
    QComboBox::showPopup();
}
