#pragma once

#include <QString>

namespace zz {

class TextTable;
class TranslateTable;

// The texts of the translate table's questions, composed with their values.

// "Are you sure to delete the Row number " + row.
QString deleteRowQuestion(const TextTable& texts, int row);

// Asked before an insertion while row 2000 holds data.
QString insertLosesLastRowQuestion(const TextTable& texts);

// Asked before saving while rows from the end of the table proper on hold data; names the
// row that ends the table and how many rows would not be saved.
QString rowsNotSavedQuestion(const TextTable& texts, const TranslateTable& table);

} // namespace zz
