#include "tables/FunctionGridEdits.h"

#include "common/TextRules.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/CellBlocks.h"
#include "tables/TableCsv.h"

#include <algorithm>

namespace zz {

namespace {

bool isRowNumber(int number) {
    return number >= 1 && number <= kFunctionCount;
}

bool isColumn(int column) {
    return column >= ColFunction && column <= ColFunctionMnemonic;
}

bool isWritable(const FunctionCell& cell) {
    return isRowNumber(cell.row) && (cell.column == ColEnable || cell.column == ColFunctionMnemonic);
}

void putField(EnabledFunctionList& list, const FunctionCell& cell, const QString& field) {
    FunctionEntry& entry = list.at(cell.row - 1);
    if (cell.column == ColEnable)
        entry.enabled = enabledFromText(field);
    else
        entry.mnemonic = field;
}

} // namespace

FunctionBlock blockAround(const QVector<FunctionCell>& cells) {
    return blockHolding<FunctionBlock>(cells);
}

QString enabledAsText(const FunctionEntry& entry) {
    return entry.isEnabled() ? QStringLiteral("Y") : QStringLiteral("N");
}

QString enabledFromText(QStringView field) {
    return field == u"Y" ? QStringLiteral("Y") : QStringLiteral("N");
}

QString functionBlockAsTabSeparated(const EnabledFunctionList& list, const FunctionBlock& block,
                                    const TextTable& texts) {
    QString out;
    for (int row = std::max(block.firstRow, 1); row <= std::min(block.lastRow, kFunctionCount); ++row) {
        const FunctionEntry& entry = list.at(row - 1);
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            if (column > block.firstColumn)
                out += u'\t';
            if (column == ColFunction)
                out += tabSeparatedField(texts[kFirstFunctionLabelText + row - 1]);
            else if (column == ColEnable)
                out += enabledAsText(entry);
            else if (column == ColFunctionMnemonic)
                out += tabSeparatedField(entry.mnemonic);
        }
        out += u'\n';
    }
    return out;
}

std::optional<QString> characterRefusal(QStringView text, int row, int column, const TextTable& texts) {
    if (firstCharacterXmlCannotCarry(text) < 0)
        return std::nullopt;
    return texts[added::CellCharacterNotSaved].arg(QString::number(row),
                                                   texts[kEnabledFunctionsFirstHeaderText + column]);
}

FunctionPasteOutcome pasteIntoFunctions(const EnabledFunctionList& list, QStringView text, FunctionCell at,
                                        const QVector<FunctionCell>& selected, const TextTable& texts) {
    FunctionPasteOutcome outcome{std::nullopt, list, FunctionBlock{at.row, at.row, at.column, at.column}};
    if (!isRowNumber(at.row) || !isColumn(at.column))
        return outcome;
    const QVector<QStringList> records = splitPastedText(text);
    if (records.isEmpty())
        return outcome;
    // Puts one field in; false, with the list as it was, when a mnemonic cannot be saved. The
    // labels are the grid's own and never change.
    const auto take = [&](const FunctionCell& cell, const QString& field) {
        if (!isWritable(cell))
            return true;
        if (cell.column == ColFunctionMnemonic &&
            (outcome.refusal = characterRefusal(field, cell.row, cell.column, texts))) {
            outcome.list = list;
            return false;
        }
        putField(outcome.list, cell, field);
        return true;
    };

    // One value onto several cells fills them all, as a spreadsheet does.
    if (records.size() == 1 && records.front().size() == 1 && selected.size() > 1) {
        for (const FunctionCell& cell : selected) {
            if (!take(cell, records.front().front()))
                return outcome;
        }
        outcome.block = blockAround(selected);
        outcome.covered = true;
        return outcome;
    }

    const int rowsLeft = kFunctionCount - at.row + 1;
    if (records.size() > rowsLeft) {
        outcome.refusal =
            texts[added::TableTooManyRows].arg(QString::number(records.size()), QString::number(rowsLeft));
        return outcome;
    }
    int widest = 0;
    for (qsizetype i = 0; i < records.size(); ++i) {
        const int fields = static_cast<int>(records[i].size());
        widest = std::max(widest, fields);
        // A wider block came from elsewhere (a translate-table row, say): cut down, it would
        // put the wrong fields in the wrong columns.
        if (at.column + fields > kEnabledFunctionsColumnCount) {
            outcome.refusal = texts[added::FunctionRowWrongFieldCount].arg(
                QString::number(at.row + i), QString::number(at.column + fields),
                QString::number(kEnabledFunctionsColumnCount));
            return outcome;
        }
    }
    for (qsizetype i = 0; i < records.size(); ++i) {
        const int row = at.row + static_cast<int>(i);
        for (int f = 0; f < widest && f < records[i].size(); ++f) {
            if (!take(FunctionCell{row, at.column + f}, records[i][f]))
                return outcome;
        }
    }
    outcome.block = FunctionBlock{at.row, at.row + static_cast<int>(records.size()) - 1, at.column,
                                  at.column + widest - 1};
    outcome.covered = true;
    return outcome;
}

void clearFunctionCells(EnabledFunctionList& list, const QVector<FunctionCell>& cells) {
    for (const FunctionCell& cell : cells) {
        if (isWritable(cell))
            putField(list, cell, QString());
    }
}

} // namespace zz
