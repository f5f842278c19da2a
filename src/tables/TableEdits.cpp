#include "tables/TableEdits.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/CellBlocks.h"
#include "tables/TableCsv.h"
#include "tables/TableMessages.h"

#include <QSet>
#include <algorithm>

namespace zz {

namespace {

bool isRowNumber(int number) {
    return number >= 1 && number <= kTranslateRowCount;
}

bool isFieldColumn(int column) {
    return column >= ColDataType && column <= ColMnemonic;
}

} // namespace

CellBlock blockAround(const QVector<TableCell>& cells) {
    return blockHolding<CellBlock>(cells);
}

QString blockAsTabSeparated(const TranslateTable& table, const CellBlock& block) {
    QString out;
    for (int row = block.firstRow; row <= block.lastRow; ++row) {
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            if (column > block.firstColumn)
                out += u'\t';
            out += tabSeparatedField(table.cell(row, column));
        }
        out += u'\n';
    }
    return out;
}

PasteOutcome pasteTabSeparated(const TranslateTable& table, QStringView text, TableCell at,
                               const TextTable& texts) {
    PasteOutcome outcome{std::nullopt, table, CellBlock{at.row, at.row - 1, at.column, at.column - 1}};
    if (!isRowNumber(at.row) || !isFieldColumn(at.column))
        return outcome;
    const QVector<QStringList> records = splitPastedText(text);
    if (records.isEmpty())
        return outcome;

    const int rowsLeft = kTranslateRowCount - at.row + 1;
    if (records.size() > rowsLeft) {
        outcome.refusal =
            texts[added::TableTooManyRows].arg(QString::number(records.size()), QString::number(rowsLeft));
        return outcome;
    }
    int widest = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const int fields = static_cast<int>(records[i].size());
        widest = std::max(widest, fields);
        // The row would have more fields than a table row has.
        if (at.column - 1 + fields > kTranslateFieldCount) {
            outcome.refusal = texts[added::CsvWrongFieldCount].arg(QString::number(at.row + i),
                                                                   QString::number(at.column - 1 + fields));
            return outcome;
        }
    }

    outcome.block =
        CellBlock{at.row, at.row + static_cast<int>(records.size()) - 1, at.column, at.column + widest - 1};
    for (qsizetype i = 0; i < records.size(); ++i) {
        const int row = at.row + static_cast<int>(i);
        for (qsizetype f = 0; f < records[i].size(); ++f) {
            const int column = at.column + static_cast<int>(f);
            const QString& field = records[i][f];
            if ((outcome.refusal = cellCharacterRefusal(field, row, column, texts))) {
                outcome.table = table;
                return outcome;
            }
            outcome.table.setCell(row, column, column == ColDataType ? dataTypeCellOf(field) : field);
        }
    }
    return outcome;
}

PasteOutcome pasteOntoSelection(const TranslateTable& table, QStringView text, TableCell at,
                                const QVector<TableCell>& selection, const TextTable& texts) {
    const QVector<QStringList> records = splitPastedText(text);
    if (selection.size() <= 1 || records.size() != 1 || records.front().size() != 1)
        return pasteTabSeparated(table, text, at, texts);

    const QString& value = records.front().front();
    PasteOutcome outcome{std::nullopt, table, blockAround(selection), true};
    for (const TableCell& cell : selection) {
        if (!isRowNumber(cell.row) || !isFieldColumn(cell.column))
            continue;
        if ((outcome.refusal = cellCharacterRefusal(value, cell.row, cell.column, texts))) {
            outcome.table = table;
            return outcome;
        }
        outcome.table.setCell(cell.row, cell.column,
                              cell.column == ColDataType ? dataTypeCellOf(value) : value);
    }
    return outcome;
}

void clearCells(TranslateTable& table, const QVector<TableCell>& cells) {
    for (const TableCell& cell : cells) {
        if (isRowNumber(cell.row) && isFieldColumn(cell.column))
            table.setCell(cell.row, cell.column, QString());
    }
}

void insertRows(TranslateTable& table, int first, int count) {
    if (!isRowNumber(first) || count <= 0)
        return;
    count = std::min(count, kTranslateRowCount - first + 1);
    for (int number = kTranslateRowCount; number >= first + count; --number)
        table.setRow(number, table.row(number - count));
    for (int number = first; number < first + count; ++number)
        table.setRow(number, TranslateRow{});
}

int rowsLostByInserting(const TranslateTable& table, int count) {
    int lost = 0;
    for (int number = std::max(1, kTranslateRowCount - count + 1); number <= kTranslateRowCount; ++number) {
        if (table.row(number).holdsData())
            ++lost;
    }
    return lost;
}

void deleteRows(TranslateTable& table, const QVector<int>& numbers) {
    QSet<int> removed;
    for (int number : numbers) {
        if (isRowNumber(number))
            removed.insert(number);
    }
    if (removed.isEmpty())
        return;
    int target = 1;
    for (int number = 1; number <= kTranslateRowCount; ++number) {
        if (removed.contains(number))
            continue;
        if (target != number)
            table.setRow(target, table.row(number));
        ++target;
    }
    for (; target <= kTranslateRowCount; ++target)
        table.setRow(target, TranslateRow{});
}

bool sameCells(const TranslateTable& a, const TranslateTable& b) {
    for (int number = 1; number <= kTranslateRowCount; ++number) {
        if (!(a.row(number) == b.row(number)))
            return false;
    }
    return true;
}

} // namespace zz
