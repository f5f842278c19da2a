#include "tables/TableEdits.h"

#include "lang/TextTable.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

TranslateRow numberedRow(int n) {
    TranslateRow row;
    row.fields = {QStringLiteral("Coil Status"), QString::number(n),  QStringLiteral("0"),
                  QStringLiteral("1"),           QStringLiteral("0"), QStringLiteral("1"),
                  QStringLiteral("r%1").arg(n)};
    return row;
}

// Rows 1 to `count` numbered by their own row.
TranslateTable numberedTable(int count) {
    TranslateTable table;
    for (int n = 1; n <= count; ++n)
        table.setRow(n, numberedRow(n));
    return table;
}

TEST(TableEditsTest, ABlockCopiedPastesBackIntoTheSameCells) {
    TranslateTable table = numberedTable(3);
    table.setCell(2, ColMnemonic, QStringLiteral("tab\there \"quoted\"\nnext line"));
    const CellBlock block{1, 3, ColSlaveIdTcp, ColMnemonic};
    const QString text = blockAsTabSeparated(table, block);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1\t0\t1\t0\t1\tr1\n"))) << text.toStdString();

    const PasteOutcome pasted =
        pasteTabSeparated(TranslateTable(), text, TableCell{11, ColSlaveIdTcp}, englishTexts());
    ASSERT_FALSE(pasted.refusal);
    EXPECT_EQ(pasted.block, (CellBlock{11, 13, ColSlaveIdTcp, ColMnemonic}));
    for (int r = 1; r <= 3; ++r) {
        for (int c = ColSlaveIdTcp; c <= ColMnemonic; ++c)
            EXPECT_EQ(pasted.table.cell(10 + r, c), table.cell(r, c)) << r << "," << c;
    }
    EXPECT_EQ(pasted.table.cell(11, ColDataType), QString());
    EXPECT_EQ(pasted.table.row(10), TranslateRow{});
}

TEST(TableEditsTest, PastedDataTypesBecomeTheirGridText) {
    struct Case {
        const char* field;
        const char* cell;
    };
    const Case cases[] = {{"3", "Holding Register"},
                          {" input STATUS ", "Input Status"},
                          {"1", "Coil Status"},
                          {"4", "Input Register"},
                          {"5", "5"},
                          {"Register", "Register"}};
    for (const Case& c : cases) {
        const PasteOutcome pasted = pasteTabSeparated(TranslateTable(), QString::fromUtf8(c.field),
                                                      TableCell{1, ColDataType}, englishTexts());
        ASSERT_FALSE(pasted.refusal) << c.field;
        EXPECT_EQ(pasted.table.cell(1, ColDataType), QString::fromUtf8(c.cell)) << c.field;
    }
}

TEST(TableEditsTest, PasteBeyondTheGridOrWithABadCharacterChangesNothing) {
    const TranslateTable table = numberedTable(2);
    struct Case {
        QString text;
        TableCell at;
        QString message;
    };
    const Case cases[] = {
        {QStringLiteral("a\nb\nc\n"), TableCell{1999, ColMnemonic},
         QStringLiteral("3 rows are more than the table holds (2), so nothing is taken.")},
        {QStringLiteral("1\t2\t3\n"), TableCell{1, ColNPoint},
         QStringLiteral("Row 1 has 8 fields; a table row has 7.")},
        {QStringLiteral("ok\nbad\x01\n"), TableCell{1, ColMnemonic},
         QStringLiteral("Row 2, Mnemonic: the text holds a character that the table file cannot hold.")},
    };
    for (const Case& c : cases) {
        const PasteOutcome pasted = pasteTabSeparated(table, c.text, c.at, englishTexts());
        ASSERT_TRUE(pasted.refusal) << c.text.toStdString();
        EXPECT_EQ(*pasted.refusal, c.message);
        EXPECT_TRUE(sameCells(pasted.table, table));
    }
}

TEST(TableEditsTest, OneValuePastedOntoSeveralSelectedCellsFillsEachOfThem) {
    const TranslateTable table = numberedTable(3);
    const QVector<TableCell> selection{{1, ColDataType}, {3, ColDataType}, {2, ColNPoint}};
    struct Case {
        QString text;
        QString dataType; // of rows 1 and 3
        QString nPoint;   // of row 2
    };
    const Case cases[] = {
        {QStringLiteral("3\n"), QStringLiteral("Holding Register"), QStringLiteral("3")},
        {QStringLiteral(" 7 "), QStringLiteral(" 7 "), QStringLiteral(" 7 ")},
        {QStringLiteral("\"a\tb\""), QStringLiteral("a\tb"), QStringLiteral("a\tb")},
    };
    for (const Case& c : cases) {
        const PasteOutcome pasted =
            pasteOntoSelection(table, c.text, selection.front(), selection, englishTexts());
        ASSERT_FALSE(pasted.refusal) << c.text.toStdString();
        EXPECT_EQ(pasted.table.cell(1, ColDataType), c.dataType);
        EXPECT_EQ(pasted.table.cell(3, ColDataType), c.dataType);
        EXPECT_EQ(pasted.table.cell(2, ColNPoint), c.nPoint);
        EXPECT_EQ(pasted.table.cell(2, ColDataType), table.cell(2, ColDataType));
        EXPECT_EQ(pasted.block, (CellBlock{1, 3, ColDataType, ColNPoint}));
        EXPECT_TRUE(pasted.filledSelection);
    }

    // Anything but one value is a block from the current cell; a bad character changes nothing.
    const PasteOutcome block = pasteOntoSelection(table, QStringLiteral("x\ty\n"), TableCell{2, ColAddress},
                                                  selection, englishTexts());
    EXPECT_EQ(block.table.cell(2, ColAddress), QStringLiteral("x"));
    EXPECT_EQ(block.table.cell(2, ColNPoint), QStringLiteral("y"));
    EXPECT_EQ(block.table.cell(1, ColDataType), table.cell(1, ColDataType));
    EXPECT_FALSE(block.filledSelection);
    const PasteOutcome refused =
        pasteOntoSelection(table, QStringLiteral("b\x01"), selection.front(), selection, englishTexts());
    ASSERT_TRUE(refused.refusal);
    EXPECT_EQ(
        *refused.refusal,
        QStringLiteral("Row 1, Data Type: the text holds a character that the table file cannot hold."));
    EXPECT_TRUE(sameCells(refused.table, table));
}

TEST(TableEditsTest, TextWithAnOpenQuoteIsPastedLiterally) {
    const PasteOutcome pasted = pasteTabSeparated(TranslateTable(), QStringLiteral("\"half\tx\r\nnext"),
                                                  TableCell{1, ColAddress}, englishTexts());
    ASSERT_FALSE(pasted.refusal);
    EXPECT_EQ(pasted.table.cell(1, ColAddress), QStringLiteral("\"half"));
    EXPECT_EQ(pasted.table.cell(1, ColNPoint), QStringLiteral("x"));
    EXPECT_EQ(pasted.table.cell(2, ColAddress), QStringLiteral("next"));
}

TEST(TableEditsTest, InsertingSeveralRowsShiftsAndCountsTheRowsLost) {
    TranslateTable table = numberedTable(kTranslateRowCount);
    table.setRow(1999, TranslateRow{});
    EXPECT_EQ(rowsLostByInserting(table, 1), 1);
    EXPECT_EQ(rowsLostByInserting(table, 3), 2);
    insertRows(table, 5, 3);
    EXPECT_EQ(table.row(4), numberedRow(4));
    for (int n = 5; n <= 7; ++n)
        EXPECT_EQ(table.row(n), TranslateRow{});
    EXPECT_EQ(table.row(8), numberedRow(5));
    EXPECT_EQ(table.row(2000), numberedRow(1997));

    insertRows(table, 1999, 5); // only the grid's own rows open
    EXPECT_EQ(table.row(1999), TranslateRow{});
    EXPECT_EQ(table.row(2000), TranslateRow{});
}

TEST(TableEditsTest, DeletingRowsAnywhereClosesTheGapsAndEmptiesTheEnd) {
    TranslateTable table = numberedTable(kTranslateRowCount);
    deleteRows(table, {7, 2, 3, 2, 2001, 0});
    EXPECT_EQ(table.row(1), numberedRow(1));
    EXPECT_EQ(table.row(2), numberedRow(4));
    EXPECT_EQ(table.row(4), numberedRow(6));
    EXPECT_EQ(table.row(5), numberedRow(8));
    EXPECT_EQ(table.row(1997), numberedRow(2000));
    for (int n = 1998; n <= 2000; ++n)
        EXPECT_EQ(table.row(n), TranslateRow{});
}

TEST(TableEditsTest, ClearingEmptiesOnlyFieldCells) {
    TranslateTable table = numberedTable(2);
    clearCells(table, {{1, ColRowNumber}, {1, ColMnemonic}, {2, ColDataType}, {2001, ColMnemonic}});
    EXPECT_EQ(table.cell(1, ColRowNumber), QStringLiteral("1"));
    EXPECT_EQ(table.cell(1, ColMnemonic), QString());
    EXPECT_EQ(table.cell(1, ColDataType), QStringLiteral("Coil Status"));
    EXPECT_EQ(table.cell(2, ColDataType), QString());
    EXPECT_FALSE(sameCells(table, numberedTable(2)));
}

} // namespace
} // namespace zz
