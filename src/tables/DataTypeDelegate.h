#pragma once

#include <QStyledItemDelegate>

namespace zz {

// Edits a Data Type cell through a drop-down that offers exactly the four data types. A choice
// is written to the cell at once; a cell that names no type opens with nothing chosen and
// stays as it is until the user picks one.
class DataTypeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    // The wheel over an open drop-down scrolls the grid; it never changes the type.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zz
