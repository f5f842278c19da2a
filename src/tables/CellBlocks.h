#pragma once

#include <QVector>
#include <algorithm>

namespace zz {

// The smallest block (firstRow, lastRow, firstColumn, lastColumn) that holds every cell (row,
// column) of a grid; a default block when there is none.
template <typename Block, typename Cell> Block blockHolding(const QVector<Cell>& cells) {
    if (cells.isEmpty())
        return {};
    Block block{cells.front().row, cells.front().row, cells.front().column, cells.front().column};
    for (const Cell& cell : cells) {
        block.firstRow = std::min(block.firstRow, cell.row);
        block.lastRow = std::max(block.lastRow, cell.row);
        block.firstColumn = std::min(block.firstColumn, cell.column);
        block.lastColumn = std::max(block.lastColumn, cell.column);
    }
    return block;
}

} // namespace zz
