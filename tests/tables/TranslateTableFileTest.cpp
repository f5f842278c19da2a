#include "tables/TranslateTableFile.h"

#include "common/Errors.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class TranslateTableFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("var.xml")); }
    TranslateTableLoad load(const QByteArray& bytes) {
        test::writeFile(path(), bytes);
        return readTranslateTableFile(path());
    }
    static QByteArray row(const char* type, const char* mnemonic = "m") {
        return QByteArray("<row DATA_TYPE=\"") + type +
               "\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" RTU_ADDRESS=\"0\" N_POINT=\"1\" "
               "MNEMONIC=\"" +
               mnemonic + "\"/>";
    }
    static QByteArray rows(int count) {
        QByteArray bytes = "<TCP_TO_RTU>";
        for (int i = 0; i < count; ++i)
            bytes += row("3", QByteArray::number(i + 1).constData());
        return bytes + "</TCP_TO_RTU>";
    }

    QTemporaryDir m_dir;
};

TEST_F(TranslateTableFileTest, MissingFileGivesNoRowsAndACompleteReport) {
    const TranslateTableLoad result = readTranslateTableFile(path());
    EXPECT_TRUE(result.rows.isEmpty());
    EXPECT_TRUE(result.report.complete());
}

TEST_F(TranslateTableFileTest, DataTypeCodesBecomeTheFourTextsAndAnythingElseAnEmptyCell) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "Coil Status"},
        {"2", "Input Status"},
        {"3", "Holding Register"},
        {"4", "Input Register"},
        {" 2", "Input Status"},
        {"$4", "Input Register"},
        {"0", ""},
        {"5", ""},
        {"-1", ""},
        {"", ""},
        {"Coil Status", ""},
        {"3 ", ""},
    };
    QByteArray bytes = "<TCP_TO_RTU>";
    for (const auto& c : cases)
        bytes += row(c.first);
    const TranslateTableLoad result = load(bytes + "</TCP_TO_RTU>");
    ASSERT_EQ(result.rows.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(result.rows[static_cast<qsizetype>(i)].cell(ColDataType),
                  QString::fromUtf8(cases[i].second))
            << "DATA_TYPE \"" << cases[i].first << '"';
}

TEST_F(TranslateTableFileTest, TextsLoadUnchangedAndAbsentSlaveIdTcpIsOne) {
    const TranslateTableLoad result =
        load("<AnyName><!-- note --><row DATA_TYPE=\"1\" TCP_ADDRESS=\" 10\" RTU_ADD_DEV=\"0x05\" "
             "RTU_ADDRESS=\"20 \" N_POINT=\"\" MNEMONIC=\"  a &amp; b  \"/>"
             "<other DATA_TYPE=\"4\" TCP_ADD_DEV=\" \" TCP_ADDRESS=\"x\" RTU_ADD_DEV=\"2\" RTU_ADDRESS=\"3\" "
             "N_POINT=\"4\" MNEMONIC=\"\u00e8\"/></AnyName>");
    ASSERT_EQ(result.rows.size(), 2);
    EXPECT_EQ(result.rows[0].fields,
              (std::array<QString, 7>{QStringLiteral("Coil Status"), QStringLiteral("1"),
                                      QStringLiteral(" 10"), QStringLiteral("0x05"), QStringLiteral("20 "),
                                      QString(), QStringLiteral("  a & b  ")}));
    EXPECT_EQ(result.rows[1].fields,
              (std::array<QString, 7>{QStringLiteral("Input Register"), QStringLiteral(" "),
                                      QStringLiteral("x"), QStringLiteral("2"), QStringLiteral("3"),
                                      QStringLiteral("4"), QString::fromUtf8("\u00e8")}));
    EXPECT_TRUE(result.report.complete());
}

TEST_F(TranslateTableFileTest, FirstTopLevelNodeIsTheRootWhateverItIs) {
    EXPECT_EQ(load("<TCP_TO_RTU>" + row("1") + "</TCP_TO_RTU><!--SW_VERSION = 1.002-->").rows.size(), 1);

    // Rows behind a leading declaration or comment are not read, and the report says so.
    for (const char* before : {"<?xml version=\"1.0\"?>", "<!-- first -->"}) {
        const TranslateTableLoad result = load(before + ("<TCP_TO_RTU>" + row("1") + "</TCP_TO_RTU>"));
        EXPECT_TRUE(result.rows.isEmpty()) << before;
        EXPECT_TRUE(result.report.rootNotFirst) << before;
        EXPECT_FALSE(result.report.complete()) << before;
    }
    TextTable texts;
    texts.LoadDefaultTexts();
    EXPECT_EQ(
        load("<!-- c --><TCP_TO_RTU>" + row("1") + "</TCP_TO_RTU>").report.notice(texts),
        QStringLiteral("The file %1 does not begin with the element that holds its rows, so none of them are "
                       "read. Saving replaces them with what is shown; the file as it is now is then kept "
                       "with the suffix .bad.")
            .arg(path()));

    // Nothing is lost when the element after the comment holds no rows.
    EXPECT_TRUE(load("<!-- c --><TCP_TO_RTU/>").report.complete());
}

TEST_F(TranslateTableFileTest, RowLackingAnAttributeStopsTheLoadingAndTheRowsBeforeItStay) {
    const std::pair<const char*, const char*> cases[] = {
        {"DATA_TYPE", "DATA_TYPE"},     {"TCP_ADDRESS", "TCP_ADDRESS"}, {"RTU_ADD_DEV", "RTU_ADD_DEV"},
        {"RTU_ADDRESS", "RTU_ADDRESS"}, {"N_POINT", "N_POINT"},         {"MNEMONIC", "MNEMONIC"},
    };
    for (const auto& [dropped, named] : cases) {
        QByteArray broken = row("2", "third");
        const qsizetype at = broken.indexOf(QByteArray(" ") + dropped + "=\"");
        ASSERT_GE(at, 0);
        broken.remove(at, broken.indexOf('"', broken.indexOf('"', at) + 1) + 1 - at);
        const TranslateTableLoad result = load("<TCP_TO_RTU>" + row("1", "first") + row("3", "second") +
                                               broken + row("4", "fourth") + "</TCP_TO_RTU>");
        ASSERT_EQ(result.rows.size(), 2) << dropped;
        EXPECT_EQ(result.rows[1].cell(ColMnemonic), QStringLiteral("second"));
        EXPECT_EQ(result.report.missing, (MissingAttribute{3, QString::fromLatin1(named)}));
        EXPECT_EQ(result.report.rowsInFile, 4);
        EXPECT_FALSE(result.report.complete());
    }
}

TEST_F(TranslateTableFileTest, FirstMissingAttributeInReadingOrderIsNamed) {
    const TranslateTableLoad result = load("<R><row TCP_ADD_DEV=\"1\" N_POINT=\"1\"/></R>");
    EXPECT_TRUE(result.rows.isEmpty());
    EXPECT_EQ(result.report.missing, (MissingAttribute{1, QStringLiteral("DATA_TYPE")}));

    TextTable texts;
    texts.LoadDefaultTexts();
    EXPECT_EQ(
        result.report.notice(texts),
        QStringLiteral("Row 1 of the file %1 has no attribute DATA_TYPE, so it and the rows after it are not "
                       "loaded. Saving replaces them with what is shown; the file as it is now is then "
                       "kept with the suffix .bad.")
            .arg(path()));
}

TEST_F(TranslateTableFileTest, MoreThan2000RowsLoadsTheFirst2000AndSaysSo) {
    const TranslateTableLoad result = load(rows(2003));
    ASSERT_EQ(result.rows.size(), 2000);
    EXPECT_EQ(result.rows.back().cell(ColMnemonic), QStringLiteral("2000"));
    EXPECT_EQ(result.report.rowsInFile, 2003);
    EXPECT_TRUE(result.report.tooManyRows());
    EXPECT_FALSE(result.report.missing);

    TextTable texts;
    texts.LoadDefaultTexts();
    EXPECT_EQ(
        result.report.notice(texts),
        QStringLiteral("The file %1 holds 2003 rows; only the first 2000 are shown. The others will not be "
                       "kept if the table is saved; the file as it is now is then kept with the suffix .bad.")
            .arg(path()));

    const TranslateTableLoad exact = load(rows(2000));
    EXPECT_EQ(exact.rows.size(), 2000);
    EXPECT_TRUE(exact.report.complete());
    EXPECT_EQ(exact.report.notice(texts), QString());
}

TEST_F(TranslateTableFileTest, MalformedFileIsAnXmlParseErrorNamingFileAndLine) {
    test::writeFile(path(), "<TCP_TO_RTU>\n<row DATA_TYPE=\"1\"\n</TCP_TO_RTU>");
    try {
        readTranslateTableFile(path());
        FAIL() << "no error";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.file(), path());
        EXPECT_EQ(e.line(), 3);
    }
}

// --- saving --------------------------------------------------------------------------------------

TEST_F(TranslateTableFileTest, SavesRootCommentAndAttributesInOrderWithBlanksKept) {
    TranslateTable table;
    TranslateRow first;
    first.fields = {QStringLiteral(" holding REGISTER "),
                    QStringLiteral(" 1"),
                    QStringLiteral("0x10"),
                    QStringLiteral("2 "),
                    QStringLiteral("00"),
                    QStringLiteral("+5"),
                    QStringLiteral("  pump <1> ")};
    TranslateRow second;
    second.fields = {QStringLiteral("coil status"),
                     QStringLiteral("3"),
                     QStringLiteral("4"),
                     QStringLiteral("5"),
                     QStringLiteral("6"),
                     QStringLiteral("7"),
                     QString()};
    table.setRow(1, first);
    table.setRow(2, second);
    table.setCell(3, ColDataType, QStringLiteral("Input Status"));
    table.setCell(3, ColSlaveIdTcp, QStringLiteral("\t"));
    table.setRow(4, second); // after the end of the table: not saved
    writeTranslateTableFile(table, path());
    EXPECT_EQ(test::readFile(path()),
              QByteArray("<TCP_TO_RTU>"
                         "<row DATA_TYPE=\"3\" TCP_ADD_DEV=\" 1\" TCP_ADDRESS=\"0x10\" RTU_ADD_DEV=\"2 \" "
                         "RTU_ADDRESS=\"00\" N_POINT=\"+5\" MNEMONIC=\"  pump &lt;1> \"/>"
                         "<row DATA_TYPE=\"1\" TCP_ADD_DEV=\"3\" TCP_ADDRESS=\"4\" RTU_ADD_DEV=\"5\" "
                         "RTU_ADDRESS=\"6\" N_POINT=\"7\" MNEMONIC=\"\"/>"
                         "</TCP_TO_RTU><!--SW_VERSION = 1.002-->"));
}

TEST_F(TranslateTableFileTest, EveryDataTypeSavesItsCode) {
    TranslateTable table;
    const char* texts[] = {"INPUT STATUS", "Input Register", "\tHolding Register", "coil status"};
    for (int r = 1; r <= 4; ++r) {
        table.setCell(r, ColDataType, QString::fromUtf8(texts[r - 1]));
        table.setCell(r, ColSlaveIdTcp, QStringLiteral("1"));
    }
    writeTranslateTableFile(table, path());
    const TranslateTableLoad back = readTranslateTableFile(path());
    ASSERT_EQ(back.rows.size(), 4);
    const QByteArray bytes = test::readFile(path());
    int from = 0;
    for (const char* code : {"DATA_TYPE=\"2\"", "DATA_TYPE=\"4\"", "DATA_TYPE=\"3\"", "DATA_TYPE=\"1\""}) {
        const qsizetype at = bytes.indexOf(code, from);
        ASSERT_GE(at, from) << code;
        from = static_cast<int>(at) + 1;
    }
    EXPECT_EQ(back.rows[0].cell(ColDataType), QStringLiteral("Input Status"));
}

TEST_F(TranslateTableFileTest, EmptyTableSavesAnEmptyRootAndTheComment) {
    TranslateTable table;
    table.setRow(2,
                 TranslateRow{{QStringLiteral("Coil Status"), QStringLiteral("1")}}); // row 1 ends the table
    writeTranslateTableFile(table, path());
    EXPECT_EQ(test::readFile(path()), QByteArray("<TCP_TO_RTU/><!--SW_VERSION = 1.002-->"));
    EXPECT_TRUE(readTranslateTableFile(path()).rows.isEmpty());
}

TEST_F(TranslateTableFileTest, SavedTableLoadsBackUnchanged) {
    TranslateTable table;
    for (int r = 1; r <= 50; ++r) {
        TranslateRow row;
        row.fields = {dataTypeTexts()[r % 4],
                      QString::number(r % 247 + 1),
                      QStringLiteral(" %1").arg(r),
                      QStringLiteral("%1 ").arg(r),
                      QStringLiteral("0x%1").arg(r, 0, 16),
                      QString::number(r),
                      QStringLiteral("\"quoted\" & 'single' \u00e8 %1").arg(r)};
        table.setRow(r, row);
    }
    writeTranslateTableFile(table, path());
    TranslateTable back;
    back.assign(readTranslateTableFile(path()).rows);
    for (int r = 1; r <= kTranslateRowCount; ++r)
        ASSERT_EQ(back.row(r), table.row(r)) << "row " << r;
}

TEST_F(TranslateTableFileTest, UnwritableFileIsAFileError) {
    const QString nowhere = m_dir.filePath(QStringLiteral("missing/var.xml"));
    EXPECT_THROW(writeTranslateTableFile(TranslateTable{}, nowhere), FileError);
}

} // namespace
} // namespace zz
