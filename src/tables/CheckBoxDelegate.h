#pragma once

#include <QStyledItemDelegate>

namespace zz {

// Shows a cell's check state as a check box in the middle of the cell, and nothing else.
// A click on the box, or Space on the current cell, toggles it.
class CheckBoxDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where the box of a cell is drawn.
    static QRect checkBoxRect(const QStyleOptionViewItem& option);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace zz
