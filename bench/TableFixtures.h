#pragma once

#include "tables/TranslateTable.h"

#include <QString>

// The tables the benchmarks work on.
namespace zz::bench {

// Every one of the 2000 rows filled, the data types in turn.
inline TranslateTable fullTable() {
    TranslateTable table;
    for (int i = 0; i < kTranslateRowCount; ++i) {
        TranslateRow row;
        row.fields = {dataTypeTexts()[i % 4],           QString::number(1 + i % 247),
                      QString::number(i * 7),           QString::number(1 + i % 13),
                      QString::number(i * 3),           QString::number(1 + i % 100),
                      QStringLiteral("point %1").arg(i)};
        table.setRow(i + 1, row);
    }
    return table;
}

} // namespace zz::bench
