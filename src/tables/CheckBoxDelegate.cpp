#include "tables/CheckBoxDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace zz {
namespace {

const QStyle* styleOf(const QStyleOptionViewItem& option) {
    return option.widget ? option.widget->style() : QApplication::style();
}

bool isChecked(const QModelIndex& index) {
    return index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

} // namespace

QRect CheckBoxDelegate::checkBoxRect(const QStyleOptionViewItem& option) {
    const QStyle* style = styleOf(option);
    const QSize size(style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget),
                     style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget));
    return QStyle::alignedRect(option.direction, Qt::AlignCenter, size, option.rect);
}

void CheckBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem cell(option);
    initStyleOption(&cell, index);
    const QStyle* style = styleOf(cell);

    // The cell's background, selection and focus, without the box the style would put at the left.
    QStyleOptionViewItem background(cell);
    background.features &= ~QStyleOptionViewItem::HasCheckIndicator;
    background.text.clear();
    background.icon = QIcon();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, cell.widget);

    QStyleOptionViewItem box(cell);
    box.rect = checkBoxRect(cell);
    box.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange | QStyle::State_HasFocus);
    box.state |= isChecked(index) ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, cell.widget);
}

QSize CheckBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const QStyle* style = styleOf(option);
    const int margin = 2 * style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, option.widget) + 4;
    const QSize box(style->pixelMetric(QStyle::PM_IndicatorWidth, &option, option.widget),
                    style->pixelMetric(QStyle::PM_IndicatorHeight, &option, option.widget));
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(box + QSize(margin, margin));
}

bool CheckBoxDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    const Qt::ItemFlags flags = model->flags(index);
    if (!flags.testFlag(Qt::ItemIsUserCheckable) || !flags.testFlag(Qt::ItemIsEnabled))
        return false;

    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !checkBoxRect(option).contains(mouse->position().toPoint()))
            return false;
        // The press makes the cell current as usual; the release toggles; a double click on
        // the box is used up so that it starts nothing else.
        if (event->type() == QEvent::MouseButtonPress)
            return false;
        if (event->type() == QEvent::MouseButtonDblClick)
            return true;
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        break;
    }
    default:
        return false;
    }
    return model->setData(index, isChecked(index) ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

} // namespace zz
