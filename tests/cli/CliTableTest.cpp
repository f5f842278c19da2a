#include "support/CliRunner.h"
#include "support/TestFiles.h"
#include "tables/TableCsv.h"
#include "tables/TranslateTableFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

const QByteArray kVar =
    "<TCP_TO_RTU><row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"00\" RTU_ADD_DEV=\"2\" "
    "RTU_ADDRESS=\"5\" "
    "N_POINT=\"10\" MNEMONIC=\" a,b;&quot;c&quot;&#9;&#10;\u00B6 \"/>"
    "<row DATA_TYPE=\"1\" TCP_ADD_DEV=\"7\" TCP_ADDRESS=\"1\" RTU_ADD_DEV=\"3\" RTU_ADDRESS=\"6\" "
    "N_POINT=\"255\" MNEMONIC=\"\"/></TCP_TO_RTU><!--SW_VERSION = 1.002-->";

class CliTableTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QString folder(const QString& name) const {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }
    QTemporaryDir dir;
};

TEST_F(CliTableTest, ExportThenImportGivesTheSameVarXmlAndCsv) {
    const QString from = folder(QStringLiteral("from"));
    const QString to = folder(QStringLiteral("to"));
    test::writeFile(from + QStringLiteral("/var.xml"), kVar);
    // What the dialog's OK writes for these rows.
    TranslateTable shown;
    const QString saved = path(QStringLiteral("saved.xml"));
    {
        test::writeFile(saved, kVar);
        shown.assign(readTranslateTableFile(saved).rows);
        writeTranslateTableFile(shown, saved);
    }

    const test::CliResult toStdout = test::runCli({QStringLiteral("table"), QStringLiteral("export"), from});
    ASSERT_EQ(toStdout.exitCode, 0) << toStdout.err.constData();
    EXPECT_EQ(toStdout.out, translateTableToCsv(shown));

    const QString csv = path(QStringLiteral("table.csv"));
    ASSERT_EQ(test::runCli(
                  {QStringLiteral("table"), QStringLiteral("export"), from, QStringLiteral("--output"), csv})
                  .exitCode,
              0);
    EXPECT_EQ(test::readFile(csv), toStdout.out);

    const test::CliResult imported =
        test::runCli({QStringLiteral("table"), QStringLiteral("import"), to, csv});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.constData();
    EXPECT_EQ(test::readFile(to + QStringLiteral("/var.xml")), test::readFile(saved));
    EXPECT_EQ(test::runCli({QStringLiteral("table"), QStringLiteral("export"), to}).out, toStdout.out);
}

TEST_F(CliTableTest, ImportNamesEveryRefusedLineAndWritesNothing) {
    const QString to = folder(QStringLiteral("to"));
    test::writeFile(to + QStringLiteral("/var.xml"), kVar);
    const QString csv = path(QStringLiteral("bad.csv"));
    test::writeFile(csv, "3,1,0,1,0,10,\n3,0,0,1,0,10,\n4,1,0,1,0,128,\n");
    const test::CliResult result = test::runCli({QStringLiteral("table"), QStringLiteral("import"), to, csv});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(result.err),
              csv + QStringLiteral(":2: Error in Row 2!! Slave ID TCP must be between 1 and 247\n") + csv +
                  QStringLiteral(":3: Error in Row 3!! NPoint must be between 1 and 127\n"));
    EXPECT_EQ(test::readFile(to + QStringLiteral("/var.xml")), kVar);
}

TEST_F(CliTableTest, ImportKeepsAVarXmlItCouldNotFullyReadAsBad) {
    // A broken file, one whose rows stop at a row lacking an attribute, and one behind a comment:
    // the dialog would keep each as .bad before replacing it, and so does import.
    const QByteArray kept[] = {
        "<TCP_TO_RTU>\n<row",
        "<TCP_TO_RTU><row DATA_TYPE=\"1\"/></TCP_TO_RTU>",
        "<!--x--><TCP_TO_RTU><row DATA_TYPE=\"1\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" "
        "RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/></TCP_TO_RTU>",
    };
    const QString csv = path(QStringLiteral("good.csv"));
    test::writeFile(csv, "3,1,0,1,0,10,\n");
    for (const QByteArray& old : kept) {
        const QString to = folder(QStringLiteral("kept"));
        QFile::remove(to + QStringLiteral("/var.xml.bad"));
        test::writeFile(to + QStringLiteral("/var.xml"), old);
        const test::CliResult result =
            test::runCli({QStringLiteral("table"), QStringLiteral("import"), to, csv});
        EXPECT_EQ(result.exitCode, 0) << result.err.constData();
        EXPECT_EQ(test::readFile(to + QStringLiteral("/var.xml.bad")), old) << old.constData();
        EXPECT_TRUE(result.err.contains("var.xml.bad")) << result.err.constData();
    }
    // A file read whole is replaced without a copy.
    const QString clean = folder(QStringLiteral("clean"));
    test::writeFile(clean + QStringLiteral("/var.xml"), kVar);
    EXPECT_EQ(test::runCli({QStringLiteral("table"), QStringLiteral("import"), clean, csv}).exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(clean + QStringLiteral("/var.xml.bad")));
}

TEST_F(CliTableTest, ExitStatusesOfMissingBrokenAndWrongArguments) {
    const QString empty = folder(QStringLiteral("empty"));
    const test::CliResult header = test::runCli({QStringLiteral("table"), QStringLiteral("export"), empty});
    EXPECT_EQ(header.exitCode, 0);
    EXPECT_EQ(header.out, "\xEF\xBB\xBF" + kTranslateCsvHeader.toUtf8() + "\r\n");

    const QString broken = folder(QStringLiteral("broken"));
    test::writeFile(broken + QStringLiteral("/var.xml"), "<TCP_TO_RTU>\n<row");
    const test::CliResult notWellFormed =
        test::runCli({QStringLiteral("table"), QStringLiteral("export"), broken});
    EXPECT_EQ(notWellFormed.exitCode, 2);
    EXPECT_TRUE(notWellFormed.err.contains("var.xml")) << notWellFormed.err.constData();
    EXPECT_TRUE(notWellFormed.out.isEmpty());

    const QStringList usage[] = {
        {QStringLiteral("table")},
        {QStringLiteral("table"), QStringLiteral("list"), empty},
        {QStringLiteral("table"), QStringLiteral("export")},
        {QStringLiteral("table"), QStringLiteral("export"), empty, QStringLiteral("--output")},
        {QStringLiteral("table"), QStringLiteral("import"), empty},
        {QStringLiteral("table"), QStringLiteral("import"), empty, path(QStringLiteral("missing.csv"))},
        {QStringLiteral("table"), QStringLiteral("import"), path(QStringLiteral("nofolder")),
         path(QStringLiteral("x"))},
    };
    for (const QStringList& args : usage)
        EXPECT_EQ(test::runCli(args).exitCode, 2) << args.join(u' ').toStdString();
    EXPECT_FALSE(QFileInfo::exists(empty + QStringLiteral("/var.xml")));
}

} // namespace
} // namespace zz
