#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace zz {

class TextTable;
class TranslateTable;

// "Do you want to exit without saving changes?", asked before a table dialog drops its edits.
inline constexpr int kDiscardChangesText = 316;

// The texts of the translate table's questions, composed with their values.

// "Are you sure to delete the Row number " + row.
QString deleteRowQuestion(const TextTable& texts, int row);

// Asked before an insertion while row 2000 holds data.
QString insertLosesLastRowQuestion(const TextTable& texts);

// Asked before deleting more than one row.
QString deleteRowsQuestion(const TextTable& texts, int count);

// Asked before inserting `inserted` rows pushes `lost` rows holding data out of the grid.
QString insertLosesRowsQuestion(const TextTable& texts, int lost, int inserted);

// Asked before saving while rows from the end of the table proper on hold data; names the
// row that ends the table and how many rows would not be saved.
QString rowsNotSavedQuestion(const TextTable& texts, const TranslateTable& table);

// Text 637 for the translate-table cell of `row` (1 to 2000) and `column` when `text` holds a
// character the table file cannot hold; nothing when it can be saved.
std::optional<QString> cellCharacterRefusal(QStringView text, int row, int column, const TextTable& texts);

} // namespace zz
