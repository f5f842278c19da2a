#pragma once

#include "tables/TableAnalysis.h"

#include <QHash>
#include <QVector>
#include <compare>
#include <optional>

namespace zz {

// A grid cell: the row number (1 to 2000) and the grid column.
struct GridCell {
    int row = 0;
    int column = 0;

    auto operator<=>(const GridCell&) const = default;
};

// Where the findings of the analysis sit in the grid: the cells each one marks, the findings
// of the whole table, and the cells the dialog steps through (one per finding and row).
class FindingMarks {
public:
    FindingMarks() = default;
    explicit FindingMarks(QVector<Finding> findings);

    const QVector<Finding>& findings() const { return m_findings; }
    // The findings that mark a cell, in row order.
    QVector<const Finding*> findingsAt(GridCell cell) const;
    // The findings about the whole table rather than its rows.
    QVector<const Finding*> tableFindings() const;
    // How many findings mark cells.
    int cellFindingCount() const { return m_cellFindingCount; }

    // The first column of each finding in each of its rows, in reading order, without twins.
    const QVector<GridCell>& stops() const { return m_stops; }
    // The stop after / before `from`, wrapping round; nothing when there is no stop.
    std::optional<GridCell> nextStop(GridCell from) const;
    std::optional<GridCell> previousStop(GridCell from) const;

    // The first and last row holding a mark; nothing when no cell is marked.
    std::optional<std::pair<int, int>> markedRows() const;

private:
    static int keyOf(GridCell cell) { return cell.row * 16 + cell.column; }

    QVector<Finding> m_findings;
    QHash<int, QVector<int>> m_byCell; // cell key -> indices into m_findings
    QVector<GridCell> m_stops;
    int m_cellFindingCount = 0;
};

} // namespace zz
