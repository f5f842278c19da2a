#pragma once

#include "tables/EnabledFunctions.h"
#include "tables/EnabledFunctionsModel.h"

#include <QString>
#include <QStringView>
#include <QVector>
#include <optional>

namespace zz {

class TextTable;

// A cell of the Enabled Functions grid by its row number (1 to 11) and column (0 to 2).
struct FunctionCell {
    int row = 0;
    int column = 0;

    bool operator==(const FunctionCell&) const = default;
};

// A rectangle of cells of that grid, corners included.
struct FunctionBlock {
    int firstRow = 1;
    int lastRow = 1;
    int firstColumn = ColEnable;
    int lastColumn = ColEnable;

    int rows() const { return lastRow - firstRow + 1; }
    int columns() const { return lastColumn - firstColumn + 1; }
    bool operator==(const FunctionBlock&) const = default;
};

// The smallest block that holds every cell; the cell itself when there is only one.
FunctionBlock blockAround(const QVector<FunctionCell>& cells);

// An Enable cell travels as "Y" or "N", the text the file holds, so a copied block pastes back
// to the same boxes.
QString enabledAsText(const FunctionEntry& entry);
// A pasted Enable field ticks the box only when it is exactly "Y" (letter case and blanks
// count), the rule by which the file's Enabled value is read; anything else leaves it unticked.
QString enabledFromText(QStringView field);

// The cells of `block` as tab-separated text, one line per row ended by a line break: the
// function column as its label, Enable as "Y" or "N", the mnemonic as it is.
QString functionBlockAsTabSeparated(const EnabledFunctionList& list, const FunctionBlock& block,
                                    const TextTable& texts);

// Text 637 when `text` holds a character the file cannot hold, for the cell of `row` and
// `column`; nothing when it can be saved.
std::optional<QString> characterRefusal(QStringView text, int row, int column, const TextTable& texts);

// Pasting: either the list with the text put in and the block it covers, or the message that
// says why nothing was pasted.
struct FunctionPasteOutcome {
    std::optional<QString> refusal;
    EnabledFunctionList list;
    FunctionBlock block;
    bool covered = false; // false when the text held nothing to paste
};

// Puts tab-separated `text` into a copy of `list`, its first field at `at`. A single value with
// several cells `selected` fills each of them instead. The function column is never written.
// Refused as a whole when rows would go beyond row 11, fields beyond the last column, or a
// mnemonic would hold a character the file cannot hold.
FunctionPasteOutcome pasteIntoFunctions(const EnabledFunctionList& list, QStringView text, FunctionCell at,
                                        const QVector<FunctionCell>& selected, const TextTable& texts);

// Empties the given cells: an Enable cell becomes "N" (a function is on only when its cell
// says "Y"), a mnemonic becomes empty; the function column is left alone.
void clearFunctionCells(EnabledFunctionList& list, const QVector<FunctionCell>& cells);

} // namespace zz
