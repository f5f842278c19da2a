#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace zz {

class TranslateTable;
struct TranslateTableLoad;

// One failure of a table file: a kind name, the rows it concerns (1-based, none for the whole
// file) and the English message without the file name.
struct FileFailure {
    QString kind;
    QVector<int> rows;
    QString message;

    bool operator==(const FileFailure&) const = default;
};

// Checks of a configuration folder's table files for the command line. Each returns one line
// per failure, starting with the file name; no lines means the file passes, and a missing
// file passes. Throws FileError when the file cannot be read and XmlParseError when it is not
// well-formed. The messages are the built-in English texts.

// var.xml: the row checks of the Translate Table dialog on every row of the table proper,
// a row lacking an attribute, more than 2000 rows, data after the end of the table, and rows
// behind a leading declaration or comment.
QStringList checkTranslateTableFile(const QString& configDir);

// EnableFunctions.xml: every row lacking FunNum or Enabled, from which no image can be composed,
// and rows behind a leading declaration or comment.
QStringList checkEnabledFunctionsFile(const QString& configDir);

// The parts of those checks, for callers that need the rows or want every invalid cell rather
// than the first of each row. `table` holds the rows of `load`.
QVector<FileFailure> translateTableRowFailures(const TranslateTable& table);
QVector<FileFailure> translateTableFileFailures(const TranslateTableLoad& load, const TranslateTable& table);
QVector<FileFailure> enabledFunctionsFailures(const QString& configDir);

} // namespace zz
