#pragma once

#include "tables/TableLoadReport.h"
#include "tables/TranslateTable.h"

#include <QString>
#include <QVector>

namespace zz {

inline const QString kTranslateTableFileName = QStringLiteral("var.xml");

struct TranslateTableLoad {
    QVector<TranslateRow> rows; // at most 2000
    TableLoadReport report;
};

// Reads var.xml: the first top-level node is the root and each of its child elements is a
// row. A missing file gives no rows. A row lacking an attribute other than TCP_ADD_DEV ends
// the loading there (the rows before it stay, the report names it). Throws FileError when the
// file cannot be read and XmlParseError when it is not well-formed.
TranslateTableLoad readTranslateTableFile(const QString& path);

// Writes the table proper to var.xml, atomically. Throws FileError when it cannot be written.
void writeTranslateTableFile(const TranslateTable& table, const QString& path);

} // namespace zz
