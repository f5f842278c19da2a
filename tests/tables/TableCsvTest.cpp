#include "tables/TableCsv.h"

#include "lang/TextTable.h"
#include "support/TestFiles.h"
#include "tables/TranslateTableFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

const TextTable& english() {
    return englishTexts();
}

TranslateRow makeRow(const QString& type, const QString& slaveTcp, const QString& mnemonic = {}) {
    TranslateRow row;
    row.fields = {type,
                  slaveTcp,
                  QStringLiteral("0"),
                  QStringLiteral("1"),
                  QStringLiteral("0"),
                  QStringLiteral("10"),
                  mnemonic};
    return row;
}

CsvImport import(const QByteArray& csv) {
    return translateTableFromCsv(csv, english());
}

const QByteArray kBom("\xEF\xBB\xBF");

TEST(TableCsvTest, ExportWritesBomHeaderAndTheTableProperOnly) {
    TranslateTable table;
    table.setRow(1,
                 makeRow(QStringLiteral("  holding REGISTER "), QStringLiteral("1"), QStringLiteral("Pump")));
    table.setRow(2, makeRow(QStringLiteral("Coil Status"), QStringLiteral(" 07"), QStringLiteral("a,b")));
    table.setRow(
        4, makeRow(QStringLiteral("Coil Status"), QStringLiteral("9"), QStringLiteral("after the end")));
    EXPECT_EQ(translateTableToCsv(table),
              kBom + "Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic\r\n"
                     "Holding Register,1,0,1,0,10,Pump\r\n"
                     "Coil Status,\" 07\",0,1,0,10,\"a,b\"\r\n");
}

TEST(TableCsvTest, ExportQuotesOnlyTheFieldsThatNeedIt) {
    struct Case {
        QString mnemonic;
        QByteArray field;
    };
    const Case cases[] = {
        {QStringLiteral("plain text"), "plain text"},
        {QString(), ""},
        {QStringLiteral("semi;colon"), "\"semi;colon\""},
        {QStringLiteral("say \"hi\""), "\"say \"\"hi\"\"\""},
        {QStringLiteral("tab\there"), "\"tab\there\""},
        {QStringLiteral("two\nlines"), "\"two\nlines\""},
        {QStringLiteral(" lead"), "\" lead\""},
        {QStringLiteral("trail "), "\"trail \""},
        {QStringLiteral("\u00B6 Gr\u00FC\u00DFe"), QStringLiteral("\u00B6 Gr\u00FC\u00DFe").toUtf8()},
    };
    for (const Case& c : cases) {
        TranslateTable table;
        table.setRow(1, makeRow(QStringLiteral("Input Register"), QStringLiteral("1"), c.mnemonic));
        const QByteArray csv = translateTableToCsv(table);
        EXPECT_TRUE(csv.endsWith("Input Register,1,0,1,0,10," + c.field + "\r\n")) << csv.constData();
    }
}

TEST(TableCsvTest, ImportAcceptsEveryDelimiterWithOrWithoutHeaderAndBom) {
    const QVector<TranslateRow> expected = {
        makeRow(QStringLiteral("Holding Register"), QStringLiteral("1"), QStringLiteral("x y")),
        makeRow(QStringLiteral("Input Status"), QStringLiteral("2"), QString()),
    };
    for (const char delimiter : {',', ';', '\t'}) {
        for (const bool header : {false, true}) {
            for (const bool bom : {false, true}) {
                QByteArray csv = bom ? kBom : QByteArray();
                if (header)
                    csv += QByteArray("Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic\n")
                               .replace(',', delimiter);
                csv += QByteArray("3,1,0,1,0,10,x y\r\n input status ,2,0,1,0,10,\n").replace(',', delimiter);
                const CsvImport result = import(csv);
                EXPECT_TRUE(result.passed()) << delimiter << header << bom;
                EXPECT_EQ(result.rows, expected) << delimiter << header << bom;
            }
        }
    }
}

TEST(TableCsvTest, ImportReportsEveryFailingRowWithItsLineAndTheTablesMessage) {
    const QByteArray csv = "Data Type,Slave ID TCP,Address TCP,Slave ID,Address,NPoint,Mnemonic\n"
                           "Holding Register,1,0,1,0,10,\"two\nlines\"\n" // lines 2-3
                           "Holding Register,248,0,1,0,10,\n"             // line 4, row 2
                           "Holding Register,1,0,1,0,10,\n"
                           "Register,1,0,1,0,10,\n"              // line 6, row 4
                           "Coil Status,1,0,1,0,256,\n"          // line 7, row 5
                           "Coil Status,1,0,1,0\n"               // line 8, row 6
                           "Coil Status,1,0,1,0,1,\"bell\a\"\n"; // line 9, row 7
    const CsvImport result = import(csv);
    EXPECT_EQ(result.failures,
              (QVector<CsvFailure>{
                  {4, QStringLiteral("Error in Row 2!! Slave ID TCP must be between 1 and 247")},
                  {6, QStringLiteral("Error in Row 4!! Data Type must be Coil Status or Input Status or "
                                     "Holding Register or Input Register")},
                  {7, QStringLiteral("Error in Row 5!! NPoint must be between 1 and 255")},
                  {8, QStringLiteral("Row 6 has 5 fields; a table row has 7.")},
                  {9, QStringLiteral("Row 7, Mnemonic: the text holds a character that the table file "
                                     "cannot hold.")},
              }));
}

TEST(TableCsvTest, ImportRefusesAnEmptyKeyBeforeTheLastRowButDropsTrailingEmptyRows) {
    const CsvImport gap = import("3,1,0,1,0,10,\n3, ,0,1,0,10,\n3,1,0,1,0,10,\n");
    EXPECT_EQ(gap.failures, (QVector<CsvFailure>{{2, QStringLiteral("Row 2 has an empty Slave ID TCP, which "
                                                                    "would end the table there, yet rows "
                                                                    "follow it, so nothing is taken.")}}));

    const CsvImport trailing = import("3,1,0,1,0,10,\n,,,,,,\n\n, ,,,,,\n");
    EXPECT_TRUE(trailing.passed());
    EXPECT_EQ(trailing.rows.size(), 1);
}

TEST(TableCsvTest, ImportRefusesMoreThan2000RowsAndAnOpenQuote) {
    QByteArray csv;
    for (int i = 0; i < 2001; ++i)
        csv += "3,1,0,1,0,10,\n";
    EXPECT_EQ(
        import(csv).failures,
        (QVector<CsvFailure>{
            {0, QStringLiteral("2001 rows are more than the table holds (2000), so nothing is taken.")}}));
    csv.chop(14);
    EXPECT_TRUE(import(csv).passed());

    EXPECT_EQ(import("3,1,0,1,0,10,\n3,1,0,1,0,10,\"open\n").failures,
              (QVector<CsvFailure>{
                  {2, QStringLiteral("A quoted field is not closed before the end of the file.")}}));
}

TEST(TableCsvTest, EmptyFileAndHeaderAloneGiveAnEmptyTable) {
    for (const QByteArray& csv : {QByteArray(), kBom, kBom + translateTableToCsv(TranslateTable()).mid(3)}) {
        const CsvImport result = import(csv);
        EXPECT_TRUE(result.passed());
        EXPECT_TRUE(result.rows.isEmpty());
    }
}

// Awkward mnemonics from pieces that each need care in CSV or XML.
QString awkwardMnemonic(QRandomGenerator& random) {
    static const QStringList pieces = {
        QStringLiteral(","),    QStringLiteral(";"),      QStringLiteral("\""),     QStringLiteral("\t"),
        QStringLiteral(" "),    QStringLiteral("\u00B6"), QStringLiteral("\n"),     QStringLiteral("\r\n"),
        QStringLiteral("Ä"),    QStringLiteral("\u6C34"), QStringLiteral("Pump 1"), QStringLiteral("&<>'"),
        QStringLiteral("\"\""), QStringLiteral("x"),
    };
    QString text;
    const int count = random.bounded(0, 6);
    for (int i = 0; i < count; ++i)
        text += pieces[random.bounded(static_cast<int>(pieces.size()))];
    return text;
}

TEST(TableCsvTest, RoundTripThroughCsvKeepsVarXmlAndCsvIdentical) {
    QTemporaryDir dir;
    QRandomGenerator random(12);
    const QString types[] = {QStringLiteral("Coil Status"), QStringLiteral("Input Status"),
                             QStringLiteral("Holding Register"), QStringLiteral("Input Register")};
    for (const int rows : {0, 1, 7, 2000}) {
        TranslateTable table;
        for (int number = 1; number <= rows; ++number) {
            TranslateRow row;
            row.fields = {types[random.bounded(4)],
                          QString::number(random.bounded(1, 248)),
                          QStringLiteral("0%1").arg(random.bounded(0, 6000)),
                          QString::number(random.bounded(1, 248)),
                          QString::number(random.bounded(0, 65536)),
                          QString::number(random.bounded(1, 128)),
                          awkwardMnemonic(random)};
            table.setRow(number, row);
        }
        const QString first = dir.filePath(QStringLiteral("first.xml"));
        writeTranslateTableFile(table, first);

        TranslateTable loaded;
        loaded.assign(readTranslateTableFile(first).rows);
        const QByteArray csv = translateTableToCsv(loaded);
        const CsvImport imported = import(csv);
        ASSERT_TRUE(imported.passed()) << rows;

        TranslateTable again;
        again.assign(imported.rows);
        const QString second = dir.filePath(QStringLiteral("second.xml"));
        writeTranslateTableFile(again, second);
        EXPECT_EQ(test::readFile(second), test::readFile(first)) << rows;
        EXPECT_EQ(translateTableToCsv(again), csv) << rows;
    }
}

} // namespace
} // namespace zz
