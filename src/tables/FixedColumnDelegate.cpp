#include "tables/FixedColumnDelegate.h"

namespace zz {

void FixedColumnDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->backgroundBrush = option->palette.button();
}

} // namespace zz
