#include "tables/TableAnalysis.h"

#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "support/QtPrinters.h"
#include "tables/EnabledFunctions.h"
#include "tables/TranslateTable.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

const TextTable& english() {
    return englishTexts();
}

TranslateRow makeRow(const char* type, const char* slaveTcp, const char* addressTcp, const char* slave,
                     const char* address, const char* points) {
    TranslateRow row;
    row.fields = {QString::fromUtf8(type),
                  QString::fromUtf8(slaveTcp),
                  QString::fromUtf8(addressTcp),
                  QString::fromUtf8(slave),
                  QString::fromUtf8(address),
                  QString::fromUtf8(points),
                  QString()};
    return row;
}

TranslateTable tableOf(const QVector<TranslateRow>& rows) {
    TranslateTable table;
    table.assign(rows);
    return table;
}

// "kind rows columns", one per finding, so that a case reads as a list.
QStringList summary(const QVector<Finding>& findings) {
    QStringList lines;
    for (const Finding& f : findings) {
        QStringList rows, columns;
        for (int r : f.rows)
            rows.append(QString::number(r));
        for (int c : f.columns)
            columns.append(QString::number(c));
        lines.append(findingKindName(f.kind) + u' ' + rows.join(u',') + u' ' + columns.join(u','));
    }
    return lines;
}

QStringList analyse(const QVector<TranslateRow>& rows, const EnabledFunctionList& functions = {},
                    int mode = kNatMode) {
    return summary(analyseConfiguration(tableOf(rows), functions, mode, english()));
}

struct AnalysisCase {
    const char* name;
    QVector<TranslateRow> rows;
    QStringList expected;
    friend void PrintTo(const AnalysisCase& c, std::ostream* os) { *os << c.name; }
};

class TableAnalysisCases : public ::testing::TestWithParam<AnalysisCase> {};

TEST_P(TableAnalysisCases, FindsWhatTheRowsHold) {
    EXPECT_EQ(analyse(GetParam().rows), GetParam().expected);
}

const QString kOverlapColumns = QStringLiteral("1,2,3,6");

INSTANTIATE_TEST_SUITE_P(
    Table, TableAnalysisCases,
    ::testing::Values(
        AnalysisCase{"ConsistentTable",
                     {makeRow("Holding Register", "1", "0", "1", "0", "10"),
                      makeRow("Holding Register", "1", "10", "1", "10", "10")},
                     {}},
        AnalysisCase{"TouchingBlocksDoNotOverlap",
                     {makeRow("Holding Register", "1", "10", "1", "0", "10"),
                      makeRow("Holding Register", "1", "0", "2", "0", "10")},
                     {}},
        AnalysisCase{"OneSharedAddressOverlaps",
                     {makeRow("Holding Register", "1", "0", "1", "0", "10"),
                      makeRow("Holding Register", "1", "9", "2", "0", "10")},
                     {QStringLiteral("overlap 1,2 ") + kOverlapColumns}},
        AnalysisCase{"OtherTypeOrSlaveIsNoOverlap",
                     {makeRow("Holding Register", "1", "0", "1", "0", "10"),
                      makeRow("Input Register", "1", "0", "1", "0", "10"),
                      makeRow("Holding Register", "2", "0", "1", "0", "10"),
                      makeRow("coil status", "1", "0", "1", "0", "10"),
                      makeRow("Input Status", "1", "0", "1", "0", "10")},
                     {}},
        AnalysisCase{"TypeMatchesIgnoringCaseAndBlanks",
                     {makeRow("Coil Status", "5", "100", "1", "0", "8"),
                      makeRow(" COIL STATUS ", "5", "107", "1", "0", "8")},
                     {QStringLiteral("overlap 1,2 ") + kOverlapColumns}},
        AnalysisCase{"SeveralRowsOverlapOne",
                     {makeRow("Holding Register", "1", "0", "1", "0", "100"),
                      makeRow("Holding Register", "1", "200", "1", "0", "5"),
                      makeRow("Holding Register", "1", "10", "1", "0", "5"),
                      makeRow("Holding Register", "1", "50", "1", "0", "5"),
                      makeRow("Holding Register", "1", "99", "1", "0", "1")},
                     {QStringLiteral("overlap 1,3 ") + kOverlapColumns,
                      QStringLiteral("overlap 1,4 ") + kOverlapColumns,
                      QStringLiteral("overlap 1,5 ") + kOverlapColumns}},
        AnalysisCase{"LaterRowWithLowerAddressNamesRowsInOrder",
                     {makeRow("Holding Register", "1", "20", "1", "0", "5"),
                      makeRow("Holding Register", "1", "18", "1", "0", "5")},
                     {QStringLiteral("overlap 1,2 ") + kOverlapColumns}},
        AnalysisCase{"EqualBlocksOverlap",
                     {makeRow("Input Register", "3", "7", "1", "0", "1"),
                      makeRow("Input Register", "3", "7", "1", "0", "1")},
                     {QStringLiteral("overlap 1,2 ") + kOverlapColumns}},
        AnalysisCase{"BlockEndingAt65535Fits",
                     {makeRow("Holding Register", "1", "65409", "1", "65409", "127"),
                      makeRow("Coil Status", "1", "65281", "1", "65281", "255")},
                     {}},
        AnalysisCase{"TcpBlockPast65535",
                     {makeRow("Holding Register", "1", "65410", "1", "0", "127")},
                     {QStringLiteral("address-overflow 1 3,6")}},
        AnalysisCase{"SerialBlockPast65535",
                     {makeRow("Coil Status", "1", "0", "1", "65535", "2")},
                     {QStringLiteral("address-overflow 1 5,6")}},
        AnalysisCase{"BothSidesPast65535",
                     {makeRow("Input Status", "1", "65535", "1", "65535", "255")},
                     {QStringLiteral("address-overflow 1 3,6"), QStringLiteral("address-overflow 1 5,6")}},
        AnalysisCase{"EveryInvalidCellOfARow",
                     {makeRow("Holding Register", "0", "65536", "248", "x", "128")},
                     {QStringLiteral("invalid 1 2"), QStringLiteral("invalid 1 3"),
                      QStringLiteral("invalid 1 4"), QStringLiteral("invalid 1 5"),
                      QStringLiteral("invalid 1 6")}},
        AnalysisCase{"NPointAtItsBoundIsValidAboveItInvalid",
                     {makeRow("Holding Register", "1", "0", "1", "0", "127"),
                      makeRow("Input Register", "1", "0", "1", "0", "128"),
                      makeRow("Input Status", "1", "0", "1", "0", "255"),
                      makeRow("Coil Status", "1", "0", "1", "0", "256")},
                     {QStringLiteral("invalid 2 6"), QStringLiteral("invalid 4 6")}},
        AnalysisCase{"UnknownTypeLeavesNPointUnchecked",
                     {makeRow("Holding", "1", "0", "1", "0", "999")},
                     {QStringLiteral("invalid 1 1")}},
        AnalysisCase{
            "InvalidRowsStayOutOfOverlaps",
            {makeRow("Holding Register", "1", "0", "1", "0", "10"),
             makeRow("Holding Register", "1", "5", "1", "0", "128"),
             makeRow("Holding Register", "1", "5 ", "1", "0", "3"),
             makeRow("Holding", "1", "5", "1", "0", "3")},
            {QStringLiteral("invalid 2 6"), QStringLiteral("invalid 3 3"), QStringLiteral("invalid 4 1")}},
        AnalysisCase{"InvalidSerialAddressStillOverlapsOnTcp",
                     {makeRow("Holding Register", "1", "0", "1", "0", "10"),
                      makeRow("Holding Register", "1", "5", "1", "-1", "3")},
                     {QStringLiteral("overlap 1,2 ") + kOverlapColumns, QStringLiteral("invalid 2 5")}},
        AnalysisCase{"RowsAfterTheTableAreNotAnalysed",
                     {makeRow("Holding Register", "1", "0", "1", "0", "10"),
                      makeRow("Holding Register", "", "0", "1", "0", "10"),
                      makeRow("Holding Register", "1", "0", "1", "0", "10")},
                     {}}));

TEST(TableAnalysisTest, MessagesNameRowsRangeAndValues) {
    EnabledFunctionList functions;
    functions.Compile_Row(3, QStringLiteral("N"), {});
    const QVector<Finding> findings =
        analyseConfiguration(tableOf({makeRow("Holding Register", "7", "100", "1", "0", "20"),
                                      makeRow("Holding Register", "7", "110", "1", "65530", "20"),
                                      makeRow("Input Register", "1", "0", "1", "0", "0")}),
                             functions, kNatMode, english());
    QStringList messages;
    for (const Finding& f : findings)
        messages.append(f.message);
    EXPECT_EQ(
        messages,
        (QStringList{
            QStringLiteral("Row 1: Holding Register is read with function 3, which is switched off in "
                           "Enabled Functions"),
            QStringLiteral("Rows 1 and 2 both claim Holding Register addresses 110 to 119 of Slave ID TCP 7"),
            QStringLiteral("Row 2: the serial block runs past address 65535 (to 65549)"),
            QStringLiteral("Row 2: Holding Register is read with function 3, which is switched off in "
                           "Enabled Functions"),
            QStringLiteral("Error in Row 3!! NPoint must be between 1 and 127"),
        }));
}

TEST(TableAnalysisTest, InvalidFindingsCarryTheTextsOfTheTablesOwnCheck) {
    const TranslateTable table = tableOf(
        {makeRow("Coil Status", "1", "0", "1", "0", "1"), makeRow("Coil Status", "248", "x", "1", "0", "1")});
    const QVector<Finding> findings = analyseConfiguration(table, {}, kNatMode, english());
    ASSERT_EQ(findings.size(), 2);
    // The first of them is what OK reports.
    EXPECT_EQ(findings[0].message, table.Controllo_dati()->message(english()));
    EXPECT_EQ(findings[1].message,
              QStringLiteral("Error in Row 2!! Address TCP must be between 0 and 65535"));
}

class FunctionDisabledTest : public ::testing::TestWithParam<int> {};

TEST_P(FunctionDisabledTest, EachReadFunctionGuardsItsDataType) {
    EnabledFunctionList functions;
    functions.Compile_Row(GetParam(), QStringLiteral("N"), {});
    // Switching off every other function changes nothing for this row.
    for (int code : kFunctionCodes) {
        if (code > 4)
            functions.Compile_Row(code, QStringLiteral("N"), {});
    }
    const QVector<TranslateRow> rows = {makeRow("Coil Status", "1", "0", "1", "0", "1"),
                                        makeRow("Input Status", "1", "0", "1", "0", "1"),
                                        makeRow("Holding Register", "1", "0", "1", "0", "1"),
                                        makeRow("Input Register", "1", "0", "1", "0", "1")};
    EXPECT_EQ(analyse(rows, functions),
              QStringList{QStringLiteral("function-disabled %1 1").arg(GetParam())});
    EXPECT_EQ(rowsReadWithFunction(tableOf(rows + rows), GetParam()), 2);
}

INSTANTIATE_TEST_SUITE_P(Codes, FunctionDisabledTest, ::testing::Values(1, 2, 3, 4));

TEST(TableAnalysisTest, FunctionDisabledNeedsAKnownType) {
    EnabledFunctionList functions;
    for (int code : {1, 2, 3, 4})
        functions.Compile_Row(code, QStringLiteral("N"), {});
    EXPECT_EQ(analyse({makeRow("Register", "1", "0", "1", "0", "1")}, functions),
              QStringList{QStringLiteral("invalid 1 1")});
}

struct ModeCase {
    int mode;
    int rows;
    QStringList expected;
};

class OperationModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(OperationModeTest, TableFindingsFollowTheMode) {
    QVector<TranslateRow> rows(GetParam().rows, makeRow("Coil Status", "1", "0", "1", "0", "1"));
    for (int i = 0; i < rows.size(); ++i)
        rows[i].cell(ColAddressTcp) = QString::number(i);
    EXPECT_EQ(analyse(rows, {}, GetParam().mode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, OperationModeTest,
                         ::testing::Values(ModeCase{kRoutingMode, 0, {}},
                                           ModeCase{kRoutingMode, 3, {QStringLiteral("unused-table  ")}},
                                           ModeCase{kNatMode, 0, {QStringLiteral("empty-table  ")}},
                                           ModeCase{kNatMode, 3, {}}));

TEST(TableAnalysisTest, TableFindingsComeLastWithTheirCount) {
    const QVector<Finding> findings =
        analyseConfiguration(tableOf({makeRow("Coil Status", "1", "0", "1", "0", "0"),
                                      makeRow("Coil Status", "1", "5", "1", "0", "1")}),
                             {}, kRoutingMode, english());
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[1].kind, FindingKind::UnusedTable);
    EXPECT_EQ(
        findings[1].message,
        QStringLiteral("The operation mode is Routing, so the 2 row(s) of the translate table are not used"));
}

TEST(TableAnalysisTest, FullTableOfOverlapsIsReportedPerPair) {
    // 2000 rows of the same block: every later row meets every earlier one still open.
    QVector<TranslateRow> rows;
    for (int i = 0; i < 2000; ++i)
        rows.append(makeRow("Holding Register", "1", QByteArray::number(i * 2).constData(), "1", "0", "3"));
    const QStringList found = analyse(rows);
    ASSERT_EQ(found.size(), 1999);
    EXPECT_EQ(found.front(), QStringLiteral("overlap 1,2 ") + kOverlapColumns);
    EXPECT_EQ(found.back(), QStringLiteral("overlap 1999,2000 ") + kOverlapColumns);
}

} // namespace
} // namespace zz
