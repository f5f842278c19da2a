#include "tables/DataTypeDelegate.h"

#include "tables/TranslateTable.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

namespace zz {

QWidget* DataTypeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("CB_DataType"));
    combo->setEditable(false);
    combo->setFrame(false);
    combo->addItems(dataTypeTexts());
    // A choice reaches the cell at once, even when the editor then stays open.
    auto* self = const_cast<DataTypeDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void DataTypeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = static_cast<QComboBox*>(editor);
    const std::optional<int> code = dataTypeCodeOfCell(index.data(Qt::EditRole).toString());
    // The drop-down lists the types in the order of their codes 1 to 4.
    combo->setCurrentIndex(code ? *code - 1 : -1);
}

void DataTypeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    const auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() >= 0)
        model->setData(index, combo->currentText(), Qt::EditRole);
}

bool DataTypeDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        if (auto* editor = qobject_cast<QWidget*>(watched); editor && editor->parentWidget())
            QCoreApplication::sendEvent(editor->parentWidget(), event);
        return true;
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

void DataTypeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace zz
