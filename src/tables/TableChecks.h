#pragma once

#include <QString>
#include <QStringList>

namespace zz {

class TextTable;

// Checks of a configuration folder's table files for the command line. Each returns one line
// per failure, starting with the file name; no lines means the file passes, and a missing
// file passes. Throws FileError when the file cannot be read and XmlParseError when it is not
// well-formed. The one-argument forms use the built-in English texts.

// var.xml: the row checks of the Translate Table dialog on every row of the table proper,
// a row lacking an attribute, more than 2000 rows, and data after the end of the table.
QStringList checkTranslateTableFile(const QString& configDir);
QStringList checkTranslateTableFile(const QString& configDir, const TextTable& texts);

// EnableFunctions.xml: every row lacking FunNum or Enabled, from which no image can be composed.
QStringList checkEnabledFunctionsFile(const QString& configDir);
QStringList checkEnabledFunctionsFile(const QString& configDir, const TextTable& texts);

} // namespace zz
