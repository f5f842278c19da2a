#include "tables/TableFindingsProxy.h"

#include "tables/TranslateTableModel.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QStyle>

namespace zz {
namespace {

// Translucent, so that the base colour of a light or a dark palette shows through and the
// text keeps its contrast.
QBrush invalidBrush() {
    return QColor(230, 40, 40, 80);
}

QBrush warningBrush() {
    return QColor(255, 165, 0, 90);
}

bool changesText(const QList<int>& roles) {
    return roles.isEmpty() || roles.contains(Qt::DisplayRole) || roles.contains(Qt::EditRole);
}

} // namespace

TableFindingsProxy::TableFindingsProxy(TranslateTableModel* table, const TextTable& texts, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_table(table)
    , m_texts(texts)
    , m_invalidIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical))
    , m_warningIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)) {
    setSourceModel(table);
    m_delay.setSingleShot(true);
    m_delay.setInterval(kAnalysisDelayMs);
    connect(&m_delay, &QTimer::timeout, this, &TableFindingsProxy::analyseNow);
    connect(table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (changesText(roles))
                    scheduleAnalysis();
            });
    // A new table (a loading) is marked before it is first painted.
    connect(table, &QAbstractItemModel::modelReset, this, &TableFindingsProxy::analyseNow);
    connect(table, &QAbstractItemModel::layoutChanged, this, &TableFindingsProxy::scheduleAnalysis);
    connect(table, &QAbstractItemModel::rowsMoved, this, &TableFindingsProxy::scheduleAnalysis);
    analyseNow();
}

void TableFindingsProxy::setAnalysisInputs(const EnabledFunctionList& functions, int operationMode) {
    m_functions = functions;
    m_operationMode = operationMode;
    analyseNow();
}

void TableFindingsProxy::scheduleAnalysis() {
    m_delay.start();
}

void TableFindingsProxy::analyseNow() {
    m_delay.stop();
    const std::optional<std::pair<int, int>> before = m_marks.markedRows();
    m_marks = FindingMarks(analyseConfiguration(m_table->table(), m_functions, m_operationMode, m_texts));
    const std::optional<std::pair<int, int>> after = m_marks.markedRows();
    if (before || after) {
        // Only the rows that held or hold a mark can change their look.
        const int first =
            std::min(before ? before->first : after->first, after ? after->first : before->first);
        const int last =
            std::max(before ? before->second : after->second, after ? after->second : before->second);
        emit dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::DecorationRole, Qt::ToolTipRole});
    }
    emit findingsChanged();
}

QVariant TableFindingsProxy::data(const QModelIndex& index, int role) const {
    if (role != Qt::BackgroundRole && role != Qt::DecorationRole && role != Qt::ToolTipRole)
        return QIdentityProxyModel::data(index, role);
    const QVector<const Finding*> here = m_marks.findingsAt({index.row() + 1, index.column()});
    if (here.isEmpty())
        return QIdentityProxyModel::data(index, role);
    const bool invalid = std::any_of(here.begin(), here.end(),
                                     [](const Finding* f) { return f->kind == FindingKind::Invalid; });
    switch (role) {
    case Qt::BackgroundRole:
        return invalid ? invalidBrush() : warningBrush();
    case Qt::DecorationRole:
        return invalid ? m_invalidIcon : m_warningIcon;
    default: {
        QStringList messages;
        for (const Finding* f : here)
            messages.append(f->message);
        return messages.join(QLatin1Char('\n'));
    }
    }
}

} // namespace zz
