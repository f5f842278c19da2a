#include "tables/TranslateTable.h"

#include "lang/TextTable.h"
#include "support/QtPrinters.h"
#include "tables/TableMessages.h"

#include <gtest/gtest.h>
#include <optional>

namespace zz {
namespace {

TextTable english() {
    TextTable texts;
    texts.LoadDefaultTexts();
    return texts;
}

TranslateRow makeRow(const char* type, const char* slaveTcp, const char* addressTcp, const char* slave,
                     const char* address, const char* points, const char* mnemonic = "") {
    TranslateRow row;
    row.fields = {QString::fromUtf8(type),    QString::fromUtf8(slaveTcp), QString::fromUtf8(addressTcp),
                  QString::fromUtf8(slave),   QString::fromUtf8(address),  QString::fromUtf8(points),
                  QString::fromUtf8(mnemonic)};
    return row;
}

TranslateRow goodRow() {
    return makeRow("Holding Register", "1", "0", "1", "0", "1");
}

// --- the row checks -------------------------------------------------------------------------

struct CheckCase {
    const char* name;
    TranslateRow row;
    std::optional<int> failure; // text index of the first failing check
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class RowCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RowCheckTest, FirstFailingCheckInOrder) {
    EXPECT_EQ(firstFailingCheck(GetParam().row), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RowCheckTest,
    ::testing::Values(
        CheckCase{"ValidRegisterRow", makeRow("Holding Register", "247", "65535", "247", "65535", "127"), {}},
        CheckCase{"ValidBitRowAtLowerBounds", makeRow("Coil Status", "1", "0", "1", "0", "1"), {}},
        CheckCase{"TypeIgnoresCaseAndBlanks", makeRow(" input register\t", "1", "0", "1", "0", "5"), {}},
        CheckCase{"TypeInputStatusUpperCase", makeRow("INPUT STATUS", "1", "0", "1", "0", "200"), {}},
        CheckCase{"TypeEmpty", makeRow("", "1", "0", "1", "0", "1"), 177},
        CheckCase{"TypeUnknown", makeRow("Holding", "1", "0", "1", "0", "1"), 177},
        CheckCase{"TypeAsCode", makeRow("3", "1", "0", "1", "0", "1"), 177},
        CheckCase{"TypeCheckedBeforeEverythingElse", makeRow("x", "0", "-1", "0", "-1", "0"), 177},
        CheckCase{"SlaveIdTcpZero", makeRow("Coil Status", "0", "0", "1", "0", "1"), 178},
        CheckCase{"SlaveIdTcp248", makeRow("Coil Status", "248", "0", "1", "0", "1"), 178},
        CheckCase{"SlaveIdTcpNotANumber", makeRow("Coil Status", "abc", "0", "1", "0", "1"), 178},
        CheckCase{"SlaveIdTcpTrailingBlankIsNotANumber", makeRow("Coil Status", "5 ", "0", "1", "0", "1"),
                  178},
        CheckCase{
            "SlaveIdTcpLeadingBlankAndHexAccepted", makeRow("Coil Status", " 0xF7", "0", "1", "0", "1"), {}},
        CheckCase{"SlaveIdTcpBeforeLaterColumns", makeRow("Coil Status", "0", "70000", "0", "70000", "0"),
                  178},
        CheckCase{"AddressTcp65536", makeRow("Coil Status", "1", "65536", "1", "0", "1"), 179},
        CheckCase{"AddressTcpNegative", makeRow("Coil Status", "1", "-1", "1", "0", "1"), 179},
        CheckCase{"AddressTcpEmpty", makeRow("Coil Status", "1", "", "1", "0", "1"), 179},
        CheckCase{"SlaveIdZero", makeRow("Coil Status", "1", "0", "0", "0", "1"), 180},
        CheckCase{"SlaveId248", makeRow("Coil Status", "1", "0", "248", "0", "1"), 180},
        CheckCase{"Address65536", makeRow("Coil Status", "1", "0", "1", "65536", "1"), 181},
        CheckCase{"AddressBeforeNPoint", makeRow("Coil Status", "1", "0", "1", "x", "0"), 181},
        CheckCase{"HoldingRegister128", makeRow("Holding Register", "1", "0", "1", "0", "128"), 182},
        CheckCase{"InputRegisterZero", makeRow("Input Register", "1", "0", "1", "0", "0"), 182},
        CheckCase{"InputRegister127", makeRow("Input Register", "1", "0", "1", "0", "127"), {}},
        CheckCase{"CoilStatus255", makeRow("Coil Status", "1", "0", "1", "0", "255"), {}},
        CheckCase{"CoilStatus256", makeRow("Coil Status", "1", "0", "1", "0", "256"), 183},
        CheckCase{"InputStatusZero", makeRow("Input Status", "1", "0", "1", "0", "0"), 183},
        CheckCase{"NPointNotANumber", makeRow("Input Status", "1", "0", "1", "0", "ten"), 183}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RowFailureTest, MessageIsErrorInRowThenNumberThenText) {
    const TextTable texts = english();
    const std::pair<RowFailure, const char*> cases[] = {
        {{3, 178}, "Error in Row 3!! Slave ID TCP must be between 1 and 247"},
        {{1, 177},
         "Error in Row 1!! Data Type must be Coil Status or Input Status or Holding Register or Input "
         "Register"},
        {{2000, 183}, "Error in Row 2000!! NPoint must be between 1 and 255"},
    };
    for (const auto& [failure, expected] : cases)
        EXPECT_EQ(failure.message(texts), QString::fromUtf8(expected));
}

// --- the key column and the whole-table check ------------------------------------------------

TEST(TranslateTableTest, TableEndsAtTheFirstBlankSlaveIdTcp) {
    TranslateTable table;
    EXPECT_EQ(table.length(), 0);
    for (int r = 1; r <= 3; ++r)
        table.setRow(r, goodRow());
    TranslateRow broken = makeRow("nonsense", " \t ", "x", "x", "x", "x");
    table.setRow(4, broken);                            // key only blanks: ends the table
    table.setRow(5, makeRow("x", "1", "", "", "", "")); // never checked
    EXPECT_EQ(table.length(), 3);
    EXPECT_EQ(table.Controllo_dati(), std::nullopt);
    EXPECT_TRUE(table.allFailures().isEmpty());

    table.setCell(1, ColSlaveIdTcp, QString());
    EXPECT_EQ(table.length(), 0);
    EXPECT_EQ(table.Controllo_dati(), std::nullopt);
}

TEST(TranslateTableTest, FullTableIsCheckedToTheLastRow) {
    TranslateTable table;
    for (int r = 1; r <= kTranslateRowCount; ++r)
        table.setRow(r, goodRow());
    EXPECT_EQ(table.length(), 2000);
    EXPECT_EQ(table.Controllo_dati(), std::nullopt);
    table.setCell(2000, ColNPoint, QStringLiteral("128"));
    EXPECT_EQ(table.Controllo_dati(), (RowFailure{2000, 182}));
}

TEST(TranslateTableTest, ControlloDatiStopsAtFirstFailureAndAllFailuresListsEveryRow) {
    TranslateTable table;
    table.setRow(1, goodRow());
    table.setRow(2, makeRow("Coil Status", "1", "0", "0", "0", "1"));
    table.setRow(3, makeRow("", "1", "0", "1", "0", "1"));
    table.setRow(4, goodRow());
    table.setRow(5, makeRow("Input Register", "2", "65536", "1", "0", "300"));
    EXPECT_EQ(table.Controllo_dati(), (RowFailure{2, 180}));
    EXPECT_EQ(table.allFailures(), (QVector<RowFailure>{{2, 180}, {3, 177}, {5, 179}}));
}

TEST(TranslateTableTest, CellsKeepTextExactlyAndColumnZeroIsTheRowNumber) {
    TranslateTable table;
    table.setCell(7, ColMnemonic, QStringLiteral("  pump  "));
    table.setCell(7, ColRowNumber, QStringLiteral("99")); // not a field: ignored
    EXPECT_EQ(table.cell(7, ColMnemonic), QStringLiteral("  pump  "));
    EXPECT_EQ(table.cell(7, ColRowNumber), QStringLiteral("7"));
    EXPECT_EQ(table.cell(2000, ColRowNumber), QStringLiteral("2000"));
    EXPECT_EQ(table.cell(2001, ColMnemonic), QString());
}

// --- insertion and deletion -------------------------------------------------------------------

// Every row holds its own number in every field, so a shift shows where each row went.
TranslateTable numberedTable() {
    TranslateTable table;
    for (int r = 1; r <= kTranslateRowCount; ++r) {
        TranslateRow row;
        for (QString& field : row.fields)
            field = QStringLiteral("r%1").arg(r);
        table.setRow(r, row);
    }
    return table;
}

// The row number whose content row `r` now holds, 0 for an empty row.
int origin(const TranslateTable& table, int r) {
    const TranslateRow& row = table.row(r);
    if (!row.holdsData())
        return 0;
    for (const QString& field : row.fields)
        EXPECT_EQ(field, row.fields[0]) << "row " << r << " mixes rows";
    return row.fields[0].mid(1).toInt();
}

class RowShiftTest : public ::testing::TestWithParam<int> {};

TEST_P(RowShiftTest, InsertOpensAnEmptyRowAndLosesRow2000) {
    const int at = GetParam();
    TranslateTable table = numberedTable();
    table.Insert_Row(at);
    for (int r = 1; r <= kTranslateRowCount; ++r) {
        const int expected = r < at ? r : r == at ? 0 : r - 1;
        ASSERT_EQ(origin(table, r), expected) << "row " << r;
        ASSERT_EQ(table.cell(r, ColRowNumber), QString::number(r));
    }
}

TEST_P(RowShiftTest, DeleteShiftsUpAndEmptiesRow2000) {
    const int at = GetParam();
    TranslateTable table = numberedTable();
    table.Delete_Row(at);
    for (int r = 1; r <= kTranslateRowCount; ++r) {
        const int expected = r < at ? r : r == kTranslateRowCount ? 0 : r + 1;
        ASSERT_EQ(origin(table, r), expected) << "row " << r;
        ASSERT_EQ(table.cell(r, ColRowNumber), QString::number(r));
    }
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLast, RowShiftTest, ::testing::Values(1, 1000, 2000));

TEST(TranslateTableTest, ShiftsOutsideTheGridChangeNothing) {
    for (int number : {0, -1, 2001}) {
        TranslateTable table = numberedTable();
        table.Insert_Row(number);
        table.Delete_Row(number);
        for (int r = 1; r <= kTranslateRowCount; ++r)
            ASSERT_EQ(origin(table, r), r);
    }
}

// --- what the questions before inserting and saving look at ------------------------------------

TEST(TranslateTableTest, LastRowHoldsDataOnlyWithMoreThanBlanks) {
    TranslateTable table;
    EXPECT_FALSE(table.lastRowHoldsData());
    table.setCell(2000, ColMnemonic, QStringLiteral("  "));
    EXPECT_FALSE(table.lastRowHoldsData());
    table.setCell(2000, ColDataType, QStringLiteral("Coil Status"));
    EXPECT_TRUE(table.lastRowHoldsData());
    table.setCell(1999, ColMnemonic, QStringLiteral("x"));
    table.Delete_Row(2000);
    EXPECT_FALSE(table.lastRowHoldsData());
}

TEST(TranslateTableTest, RowsHoldingDataBeyondTheTableCountFromTheRowThatEndsIt) {
    TranslateTable table;
    EXPECT_EQ(table.rowsHoldingDataBeyondTable(), 0);
    table.setRow(1, goodRow());
    table.setRow(2, goodRow());
    table.setCell(3, ColDataType, QStringLiteral("Coil Status")); // ends the table, holds data
    table.setCell(9, ColMnemonic, QStringLiteral("left over"));
    table.setCell(10, ColMnemonic, QStringLiteral(" ")); // blanks only: nothing to lose
    table.setRow(2000, goodRow());
    EXPECT_EQ(table.rowsHoldingDataBeyondTable(), 3);
    EXPECT_EQ(rowsNotSavedQuestion(english(), table),
              QStringLiteral("The table ends at Row 3, whose Slave ID TCP is empty, so 3 row(s) holding data "
                             "from there on will not be saved. Save anyway?"));
}

TEST(TableMessagesTest, DeleteAndInsertQuestions) {
    const TextTable texts = english();
    EXPECT_EQ(deleteRowQuestion(texts, 12), QStringLiteral("Are you sure to delete the Row number 12"));
    EXPECT_EQ(
        insertLosesLastRowQuestion(texts),
        QStringLiteral("Row 2000 holds data, which is lost when a row is inserted. Insert the row anyway?"));
}

TEST(DataTypeTest, CodesAndTextsInDropDownOrder) {
    EXPECT_EQ(dataTypeTexts(),
              (QStringList{QStringLiteral("Coil Status"), QStringLiteral("Input Status"),
                           QStringLiteral("Holding Register"), QStringLiteral("Input Register")}));
    EXPECT_EQ(dataTypeTextOfCode(3), QStringLiteral("Holding Register"));
    EXPECT_EQ(dataTypeTextOfCode(0), QString());
    EXPECT_EQ(dataTypeTextOfCode(5), QString());
    EXPECT_EQ(dataTypeCodeOfCell(u"  coil STATUS "), 1);
    EXPECT_EQ(dataTypeCodeOfCell(u"input  status"), std::nullopt);
}

} // namespace
} // namespace zz
