#include "tables/TableChecks.h"

#include "common/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

QByteArray varRow(const char* type, const char* slaveTcp, const char* addressTcp, const char* slave,
                  const char* address, const char* points) {
    return QByteArray("<row DATA_TYPE=\"") + type + "\" TCP_ADD_DEV=\"" + slaveTcp + "\" TCP_ADDRESS=\"" +
           addressTcp + "\" RTU_ADD_DEV=\"" + slave + "\" RTU_ADDRESS=\"" + address + "\" N_POINT=\"" +
           points + "\" MNEMONIC=\"\"/>";
}

QByteArray good() {
    return varRow("3", "1", "0", "1", "0", "10");
}

class TableChecksTest : public ::testing::Test {
protected:
    void writeVar(const QByteArray& rows) {
        test::writeFile(m_dir.filePath(QStringLiteral("var.xml")), "<TCP_TO_RTU>" + rows + "</TCP_TO_RTU>");
    }
    void writeFunctions(const QByteArray& rows) {
        test::writeFile(m_dir.filePath(QStringLiteral("EnableFunctions.xml")),
                        "<EnabledFunctions>" + rows + "</EnabledFunctions>");
    }
    QStringList var() const { return checkTranslateTableFile(m_dir.path()); }
    QStringList functions() const { return checkEnabledFunctionsFile(m_dir.path()); }

    QTemporaryDir m_dir;
};

TEST_F(TableChecksTest, MissingFilesPass) {
    EXPECT_EQ(var(), QStringList());
    EXPECT_EQ(functions(), QStringList());
}

TEST_F(TableChecksTest, GoodFilesPass) {
    writeVar(good() + varRow("1", "247", "65535", "247", "65535", "255"));
    writeFunctions("<row FunNum=\"1\" Enabled=\"N\" Mnemonic=\"\"/><row FunNum=\"99\" Enabled=\"y\"/>");
    EXPECT_EQ(var(), QStringList());
    EXPECT_EQ(functions(), QStringList());
}

TEST_F(TableChecksTest, EveryFailingRowOfTheTableWithTheDialogsText) {
    writeVar(good() + varRow("3", "248", "0", "1", "0", "10") + good() +
             varRow("9", "1", "0", "1", "0", "1") + varRow("4", "1", "0", "1", "0", "128") +
             varRow("2", "1", "0", "1", "0", "0") + varRow("1", "1", "65536", "1", "0", "1") +
             varRow("1", "1", "0", "0", "0", "1") + varRow("1", "1", "0", "1", "-5", "1"));
    EXPECT_EQ(var(),
              (QStringList{
                  QStringLiteral("var.xml: Error in Row 2!! Slave ID TCP must be between 1 and 247"),
                  QStringLiteral("var.xml: Error in Row 4!! Data Type must be Coil Status or Input Status "
                                 "or Holding Register or Input Register"),
                  QStringLiteral("var.xml: Error in Row 5!! NPoint must be between 1 and 127"),
                  QStringLiteral("var.xml: Error in Row 6!! NPoint must be between 1 and 255"),
                  QStringLiteral("var.xml: Error in Row 7!! Address TCP must be between 0 and 65535"),
                  QStringLiteral("var.xml: Error in Row 8!! Slave ID must be between 1 and 247"),
                  QStringLiteral("var.xml: Error in Row 9!! Address must be between 0 and 65535"),
              }));
}

TEST_F(TableChecksTest, DataAfterTheEndOfTheTableIsReported) {
    writeVar(good() + varRow("3", " ", "0", "1", "0", "10") + good() + good());
    EXPECT_EQ(var(),
              (QStringList{QStringLiteral("var.xml: the table ends at Row 2, whose Slave ID TCP is empty, "
                                          "yet 3 row(s) from there on hold data")}));
}

TEST_F(TableChecksTest, RowLackingAnAttributeIsReportedAndTheRowsBeforeItChecked) {
    writeVar(varRow("3", "0", "0", "1", "0", "10") + good() +
             "<row DATA_TYPE=\"1\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" N_POINT=\"1\" "
             "MNEMONIC=\"\"/>" +
             varRow("7", "1", "0", "1", "0", "1"));
    EXPECT_EQ(var(),
              (QStringList{QStringLiteral("var.xml: Error in Row 1!! Slave ID TCP must be between 1 and 247"),
                           QStringLiteral("var.xml: Row 3 has no attribute RTU_ADDRESS")}));
}

TEST_F(TableChecksTest, MoreThan2000RowsIsReported) {
    QByteArray rows;
    for (int i = 0; i < 2001; ++i)
        rows += good();
    writeVar(rows);
    EXPECT_EQ(var(), (QStringList{QStringLiteral("var.xml: holds 2001 rows; only the first 2000 are used")}));
}

TEST_F(TableChecksTest, FunctionRowsWithoutFunNumOrEnabledAreReported) {
    writeFunctions("<row FunNum=\"1\" Enabled=\"Y\" Mnemonic=\"\"/><row Enabled=\"N\" Mnemonic=\"\"/>"
                   "<row FunNum=\"3\" Mnemonic=\"\"/><row FunNum=\"4\" Enabled=\"N\"/><row/>");
    EXPECT_EQ(functions(),
              (QStringList{QStringLiteral("EnableFunctions.xml: Row 2 has no attribute FunNum"),
                           QStringLiteral("EnableFunctions.xml: Row 3 has no attribute Enabled"),
                           QStringLiteral("EnableFunctions.xml: Row 5 has no attribute FunNum"),
                           QStringLiteral("EnableFunctions.xml: Row 5 has no attribute Enabled")}));
}

TEST_F(TableChecksTest, RowsBehindALeadingCommentAreReported) {
    test::writeFile(m_dir.filePath(QStringLiteral("var.xml")),
                    "<!-- c --><TCP_TO_RTU>" + good() + "</TCP_TO_RTU>");
    test::writeFile(m_dir.filePath(QStringLiteral("EnableFunctions.xml")),
                    "<?xml version=\"1.0\"?><EnabledFunctions><row FunNum=\"1\" Enabled=\"N\" "
                    "Mnemonic=\"\"/></EnabledFunctions>");
    EXPECT_EQ(
        var(),
        (QStringList{QStringLiteral(
            "var.xml: does not begin with the element that holds its rows, so none of them are used")}));
    EXPECT_EQ(functions(),
              (QStringList{QStringLiteral("EnableFunctions.xml: does not begin with the element that "
                                          "holds its rows, so none of them are used")}));
}

TEST_F(TableChecksTest, UnparsableFilesThrow) {
    test::writeFile(m_dir.filePath(QStringLiteral("var.xml")), "<TCP_TO_RTU>");
    test::writeFile(m_dir.filePath(QStringLiteral("EnableFunctions.xml")), "<EnabledFunctions");
    EXPECT_THROW(var(), XmlParseError);
    EXPECT_THROW(functions(), XmlParseError);
}

TEST_F(TableChecksTest, UnreadableFileThrowsAFileError) {
    QDir(m_dir.path()).mkdir(QStringLiteral("var.xml"));
    EXPECT_THROW(var(), FileError);
}

} // namespace
} // namespace zz
