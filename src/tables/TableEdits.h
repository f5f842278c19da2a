#pragma once

#include "tables/TranslateTable.h"

#include <QString>
#include <QStringView>
#include <QVector>
#include <optional>

namespace zz {

class TextTable;

// A grid cell by its row number (1 to 2000) and column (1 to 7).
struct TableCell {
    int row = 0;
    int column = 0;

    bool operator==(const TableCell&) const = default;
};

// A rectangle of cells, corners included.
struct CellBlock {
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = ColDataType;
    int lastColumn = ColDataType;

    int rows() const { return lastRow - firstRow + 1; }
    int columns() const { return lastColumn - firstColumn + 1; }
    bool operator==(const CellBlock&) const = default;
};

// The smallest block that holds every cell; the cell itself when there is only one.
CellBlock blockAround(const QVector<TableCell>& cells);

// The cells of `block` as tab-separated text, one line per row ended by a line break, as
// spreadsheets take it from the clipboard.
QString blockAsTabSeparated(const TranslateTable& table, const CellBlock& block);

// Pasting: either the table with the text put in from `at` on, and the block it covers, or
// the message that says why nothing was pasted.
struct PasteOutcome {
    std::optional<QString> refusal;
    TranslateTable table;
    CellBlock block;
    // One value went into every selected cell; the selection stays as it was.
    bool filledSelection = false;
};

// Puts tab-separated `text` into a copy of `table`, its first field at `at`. A data type may be
// a type name in any letter case with blanks around it or its code 1 to 4. Refused as a whole
// when rows would go beyond row 2000, fields beyond the last column, or a cell would hold a
// character the table file cannot hold. Text whose quotes do not close is taken literally.
PasteOutcome pasteTabSeparated(const TranslateTable& table, QStringView text, TableCell at,
                               const TextTable& texts);

// As pasteTabSeparated, except that a single value pasted while several cells are selected goes
// into every one of them, as spreadsheets do; the block is then the selection's bounding box.
PasteOutcome pasteOntoSelection(const TranslateTable& table, QStringView text, TableCell at,
                                const QVector<TableCell>& selection, const TextTable& texts);

// Empties the given cells; column 0 and cells outside the grid are left alone.
void clearCells(TranslateTable& table, const QVector<TableCell>& cells);

// Opens `count` empty rows at `first`, shifting it and the rows below down; the rows pushed past
// row 2000 are lost.
void insertRows(TranslateTable& table, int first, int count);
// How many of the rows that inserting `count` rows pushes past row 2000 hold data.
int rowsLostByInserting(const TranslateTable& table, int count);

// Removes the rows `numbers` (any order, repeats ignored), shifting the rows below up; the
// last rows become empty.
void deleteRows(TranslateTable& table, const QVector<int>& numbers);

// True when both tables hold the same text in every cell.
bool sameCells(const TranslateTable& a, const TranslateTable& b);

} // namespace zz
