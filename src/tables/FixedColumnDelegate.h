#pragma once

#include <QStyledItemDelegate>

namespace zz {

// Draws the cells of a fixed (label) column in the colour of the headers, so that they read as
// part of the frame rather than as values.
class FixedColumnDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

} // namespace zz
