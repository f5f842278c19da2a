#pragma once

#include <QString>
#include <QVector>

namespace zz {

class EnabledFunctionList;
class TextTable;
class TranslateTable;

// What the consistency analysis can find in a configuration. It informs only: it never
// changes a file and never stops a save or an update.
enum class FindingKind {
    Invalid,          // a cell the table's own check refuses
    Overlap,          // two rows claim the same TCP points
    AddressOverflow,  // a block runs past address 65535
    FunctionDisabled, // the row's read function is switched off
    UnusedTable,      // rows while the operation mode is Routing
    EmptyTable,       // NAT mode without a row
};

// "invalid", "overlap", "address-overflow", "function-disabled", "unused-table", "empty-table".
QString findingKindName(FindingKind kind);

// True for the kinds the update step asks about before writing the image.
bool blocksUpdateSilently(FindingKind kind);

struct Finding {
    FindingKind kind = FindingKind::Invalid;
    QVector<int> rows;    // 1-based, as the grid numbers them; empty for the whole table
    QVector<int> columns; // the grid columns concerned in those rows
    QString message;

    bool operator==(const Finding&) const = default;
};

// Analyses the table proper against the enabled functions and the operation mode (a position
// of the Set Communication dialog's list). Findings come in row order; those of the whole
// table last. A row that is invalid in a column a later check needs is left out of it.
QVector<Finding> analyseConfiguration(const TranslateTable& table, const EnabledFunctionList& functions,
                                      int operationMode, const TextTable& texts);

// How many rows of the table proper are read with function `code` (1 to 4).
int rowsReadWithFunction(const TranslateTable& table, int code);

} // namespace zz
