#include "tables/TableGrid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

namespace zz {

TableGrid::TableGrid(const QString& objectName, QWidget* parent)
    : QTableView(parent) {
    setObjectName(objectName);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    // Rows all of one height: a long grid then needs no measuring of its rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);

    // The corner button is the view's own child; it draws no text by itself.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) {
        m_corner->setObjectName(objectName + QStringLiteral("_Corner"));
        m_corner->installEventFilter(this);
    }
}

void TableGrid::commitOpenEditor() {
    if (state() != QAbstractItemView::EditingState)
        return;
    QWidget* editor = indexWidget(currentIndex());
    if (!editor)
        return;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

int TableGrid::currentRowNumber() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TableGrid::setCornerText(const QString& text) {
    if (!m_corner)
        return;
    m_corner->setText(text);
    m_corner->setAccessibleName(text);
    const int width =
        fontMetrics().horizontalAdvance(text) + 2 * style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    verticalHeader()->setMinimumWidth(width);
    m_corner->update();
}

QString TableGrid::cornerText() const {
    return m_corner ? m_corner->text() : QString();
}

bool TableGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_corner && event->type() == QEvent::Paint) {
        paintCorner();
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

// Drawn like a header section, so the caption sits in line with the column headers.
void TableGrid::paintCorner() {
    QStylePainter painter(m_corner);
    QStyleOptionHeader option;
    option.initFrom(m_corner);
    option.state |= QStyle::State_Enabled | QStyle::State_Raised;
    if (m_corner->isDown())
        option.state |= QStyle::State_Sunken;
    option.rect = m_corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    option.text = m_corner->text();
    option.textAlignment = Qt::AlignCenter;
    painter.drawControl(QStyle::CE_Header, option);
}

} // namespace zz
