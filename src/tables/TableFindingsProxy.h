#pragma once

#include "tables/EnabledFunctions.h"
#include "tables/TableFindingMarks.h"

#include <QIcon>
#include <QIdentityProxyModel>
#include <QTimer>

namespace zz {

class TextTable;
class TranslateTableModel;

// Sits between the translate grid and its model and marks the cells that the consistency
// analysis names: a soft background, an icon and the messages as tooltip. The analysis runs
// again shortly after the rows change, so a burst of edits costs one run.
class TableFindingsProxy : public QIdentityProxyModel {
    Q_OBJECT
public:
    static constexpr int kAnalysisDelayMs = 40;

    TableFindingsProxy(TranslateTableModel* table, const TextTable& texts, QObject* parent);

    // The enabled functions and the operation mode the rows are checked against.
    void setAnalysisInputs(const EnabledFunctionList& functions, int operationMode);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const FindingMarks& marks() const { return m_marks; }
    // Runs a pending analysis at once (or a first one), e.g. before stepping to a finding.
    void analyseNow();
    bool analysisPending() const { return m_delay.isActive(); }

signals:
    void findingsChanged();

private:
    void scheduleAnalysis();

    TranslateTableModel* m_table;
    const TextTable& m_texts;
    EnabledFunctionList m_functions;
    int m_operationMode = -1;
    FindingMarks m_marks;
    QTimer m_delay;
    QIcon m_invalidIcon;
    QIcon m_warningIcon;
};

} // namespace zz
