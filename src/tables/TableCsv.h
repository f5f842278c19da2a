#pragma once

#include "tables/TranslateTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace zz {

class TextTable;

// The header line of a translate table CSV file, without line break.
inline const QString kTranslateCsvHeader =
    QStringLiteral("Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic");

// The table proper as CSV (RFC 4180): UTF-8 with a byte-order mark, the header line, then one
// line per row ended by CR LF. The data type is its grid text (empty when the cell names no
// type); every other field is the cell text unchanged, quoted when it holds a delimiter, a
// quote, a line break or a blank at either end.
QByteArray translateTableToCsv(const TranslateTable& table);

// A refused row or file: the line of the file it starts on (0 for the file as a whole) and
// the message.
struct CsvFailure {
    int line = 0;
    QString message;

    bool operator==(const CsvFailure&) const = default;
};

struct CsvImport {
    QVector<TranslateRow> rows;   // the rows read, data types as grid texts
    QVector<CsvFailure> failures; // every failure; the rows are only usable when there is none

    bool passed() const { return failures.isEmpty(); }

    // Each failure as FILE:LINE: message (FILE: message when it has no line), in file order.
    QStringList failureLines(const QString& file) const;
};

// Reads a CSV file of the table: comma, semicolon or tab as delimiter (found from the first
// line), the header line and a byte-order mark optional, a data type as grid text in any
// letter case with blanks around it or as code 1 to 4. Every row gets the checks of the table;
// each failing row is reported with its line. Trailing rows holding nothing are dropped.
CsvImport translateTableFromCsv(const QByteArray& bytes, const TextTable& texts);

// The records of tab-separated text as spreadsheets put it on the clipboard (quotes as in CSV);
// nothing when a quote is left open. A final line break ends the last record.
std::optional<QVector<QStringList>> splitTabSeparated(QStringView text);

// The records of pasted text: as splitTabSeparated does, or, when a quote is left open (the
// text came from somewhere other than a spreadsheet), split by tabs and line breaks alone.
QVector<QStringList> splitPastedText(QStringView text);

// A field quoted for tab-separated text when it holds a tab, a quote or a line break.
QString tabSeparatedField(const QString& field);

// A data type given as code 1 to 4 or as a type name in any letter case with blanks around
// it becomes its grid text; anything else is kept, so the table's check names it.
QString dataTypeCellOf(const QString& field);

} // namespace zz
