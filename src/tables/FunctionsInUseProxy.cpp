#include "tables/FunctionsInUseProxy.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/EnabledFunctionsModel.h"
#include "tables/TableAnalysis.h"
#include "tables/TranslateTable.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

namespace zz {

FunctionsInUseProxy::FunctionsInUseProxy(EnabledFunctionsModel* functions, const TextTable& texts,
                                         QObject* parent)
    : QIdentityProxyModel(parent)
    , m_functions(functions)
    , m_texts(texts)
    , m_warningIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {
    setSourceModel(functions);
    // Ticking a box changes the look of its label too.
    connect(functions, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>&) {
                if (topLeft.column() <= ColEnable && bottomRight.column() >= ColEnable)
                    marksChanged(topLeft.row(), bottomRight.row());
            });
}

void FunctionsInUseProxy::setTranslateTable(const TranslateTable& table) {
    for (int code = 1; code <= 4; ++code)
        m_rowsReadWith[static_cast<size_t>(code - 1)] = rowsReadWithFunction(table, code);
    marksChanged(0, rowCount() - 1);
}

int FunctionsInUseProxy::rowsLeftUnread(int position) const {
    if (position < 0 || position >= static_cast<int>(m_rowsReadWith.size()))
        return 0;
    const int code = EnabledFunctionList::codeAt(position);
    if (code < 1 || code > 4 || m_functions->list().at(position).isEnabled())
        return 0;
    return m_rowsReadWith[static_cast<size_t>(code - 1)];
}

void FunctionsInUseProxy::marksChanged(int first, int last) {
    // Only the rows of the read functions carry marks.
    last = std::min(last, static_cast<int>(m_rowsReadWith.size()) - 1);
    if (first > last)
        return;
    emit dataChanged(index(first, ColFunction), index(last, ColEnable),
                     {Qt::BackgroundRole, Qt::DecorationRole, Qt::ToolTipRole});
}

QVariant FunctionsInUseProxy::data(const QModelIndex& index, int role) const {
    const bool marksRole =
        role == Qt::BackgroundRole || role == Qt::DecorationRole || role == Qt::ToolTipRole;
    if (!marksRole || !index.isValid() || index.column() > ColEnable)
        return QIdentityProxyModel::data(index, role);
    const int rows = rowsLeftUnread(index.row());
    if (rows == 0)
        return QIdentityProxyModel::data(index, role);
    switch (role) {
    case Qt::BackgroundRole:
        // Translucent, so that it reads on a light and on a dark palette.
        return QBrush(QColor(255, 165, 0, 90));
    case Qt::DecorationRole:
        return index.column() == ColFunction ? QVariant(m_warningIcon) : QVariant();
    default:
        return m_texts[added::AnalysisRowsNeedFunction].arg(QString::number(rows));
    }
}

} // namespace zz
