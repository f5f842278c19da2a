#include "tables/TableFindingMarks.h"

#include <algorithm>

namespace zz {

FindingMarks::FindingMarks(QVector<Finding> findings)
    : m_findings(std::move(findings)) {
    for (int i = 0; i < m_findings.size(); ++i) {
        const Finding& finding = m_findings[i];
        if (finding.rows.isEmpty() || finding.columns.isEmpty())
            continue;
        ++m_cellFindingCount;
        for (int row : finding.rows) {
            m_stops.append({row, finding.columns.front()});
            for (int column : finding.columns) {
                QVector<int>& at = m_byCell[keyOf({row, column})];
                if (at.isEmpty() || at.back() != i)
                    at.append(i);
            }
        }
    }
    std::sort(m_stops.begin(), m_stops.end());
    m_stops.erase(std::unique(m_stops.begin(), m_stops.end()), m_stops.end());
}

QVector<const Finding*> FindingMarks::findingsAt(GridCell cell) const {
    QVector<const Finding*> out;
    const auto it = m_byCell.constFind(keyOf(cell));
    if (it == m_byCell.constEnd())
        return out;
    for (int i : *it)
        out.append(&m_findings[i]);
    return out;
}

QVector<const Finding*> FindingMarks::tableFindings() const {
    QVector<const Finding*> out;
    for (const Finding& finding : m_findings) {
        if (finding.rows.isEmpty())
            out.append(&finding);
    }
    return out;
}

std::optional<GridCell> FindingMarks::nextStop(GridCell from) const {
    if (m_stops.isEmpty())
        return std::nullopt;
    const auto it = std::upper_bound(m_stops.begin(), m_stops.end(), from);
    return it == m_stops.end() ? m_stops.front() : *it;
}

std::optional<GridCell> FindingMarks::previousStop(GridCell from) const {
    if (m_stops.isEmpty())
        return std::nullopt;
    const auto it = std::lower_bound(m_stops.begin(), m_stops.end(), from);
    return it == m_stops.begin() ? m_stops.back() : *std::prev(it);
}

std::optional<std::pair<int, int>> FindingMarks::markedRows() const {
    if (m_stops.isEmpty())
        return std::nullopt;
    return std::pair(m_stops.front().row, m_stops.back().row);
}

} // namespace zz
