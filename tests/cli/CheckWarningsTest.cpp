#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

// Rows 1 and 2 claim holding registers 10 to 14 of Slave ID TCP 1; row 2 is read with
// function 3, switched off below.
constexpr const char* kOverlappingTable =
    "<TCP_TO_RTU><row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" "
    "RTU_ADDRESS=\"0\" N_POINT=\"15\" MNEMONIC=\"\"/><row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" "
    "TCP_ADDRESS=\"10\" RTU_ADD_DEV=\"2\" RTU_ADDRESS=\"0\" N_POINT=\"5\" MNEMONIC=\"\"/></TCP_TO_RTU>";

class CheckWarningsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    void write(const char* name, const QByteArray& bytes) {
        test::writeFile(dir.filePath(QString::fromLatin1(name)), bytes);
    }
    test::CliResult check(const QStringList& options = {}) {
        return test::runCli(QStringList{QStringLiteral("check"), dir.path()} + options);
    }
};

TEST_F(CheckWarningsTest, WarningsFollowInRowOrderAndAloneDoNotFail) {
    write("var.xml", kOverlappingTable);
    test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 1) << result.out.constData();
    EXPECT_TRUE(lines[0].startsWith("var.xml: Warning: Rows 1 and 2 both claim")) << lines[0].constData();
    EXPECT_TRUE(lines[0].contains("10 to 14")) << lines[0].constData();

    result = check({QStringLiteral("--warnings-as-errors")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.trimmed().split('\n'), lines);
}

TEST_F(CheckWarningsTest, FailuresComeFirstAndTheModeCountsOnlyWhenParGenPasses) {
    write("var.xml", kOverlappingTable);
    write("EnableFunctions.xml",
          "<EnabledFunctions><row FunNum=\"3\" Enabled=\"N\" Mnemonic=\"\"/></EnabledFunctions>");
    write("ParGen.xml", "<General_Parameter><TCP_PORT>65536</TCP_PORT><MODE>0</MODE></General_Parameter>");
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    const QList<QByteArray> lines = result.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << result.out.constData();
    EXPECT_TRUE(lines[0].startsWith("ParGen.xml: ")) << lines[0].constData();
    EXPECT_TRUE(lines[1].startsWith("var.xml: Warning: Row 1: ")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("var.xml: Warning: Rows 1 and 2")) << lines[2].constData();
    EXPECT_TRUE(lines[3].startsWith("var.xml: Warning: Row 2: ")) << lines[3].constData();
    // The mode of a failing parameter file is not settled: no unused-table warning.
    EXPECT_FALSE(result.out.contains("Routing")) << result.out.constData();
}

TEST_F(CheckWarningsTest, RowWithoutMnemonicIsReportedAsTheDialogStopsThere) {
    write("EnableFunctions.xml",
          "<EnabledFunctions><row FunNum=\"1\" Enabled=\"Y\" Mnemonic=\"\"/><row FunNum=\"2\" Enabled=\"Y\"/>"
          "</EnabledFunctions>");
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    EXPECT_EQ(result.out, QByteArray("EnableFunctions.xml: Row 2 has no attribute Mnemonic\n"));
}

TEST_F(CheckWarningsTest, JsonHasFailuresAndWarningsWithFileKindRowsAndMessage) {
    write("var.xml", kOverlappingTable);
    write("ParGen.xml", "<General_Parameter><TCP_PORT>65536</TCP_PORT></General_Parameter>");
    const test::CliResult result = check({QStringLiteral("--json")});
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(result.out, &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.constData();
    const QJsonObject root = doc.object();
    ASSERT_TRUE(root.value("failures").isArray());
    ASSERT_TRUE(root.value("warnings").isArray());
    for (const QString& key : {QStringLiteral("failures"), QStringLiteral("warnings")}) {
        for (const QJsonValue& entry : root.value(key).toArray()) {
            const QJsonObject o = entry.toObject();
            EXPECT_TRUE(o.value("file").isString());
            EXPECT_TRUE(o.value("kind").isString());
            EXPECT_TRUE(o.value("rows").isArray());
            EXPECT_TRUE(o.value("message").isString());
        }
    }
    const QJsonObject failure = root.value("failures").toArray().at(0).toObject();
    EXPECT_EQ(failure.value("file").toString(), QStringLiteral("ParGen.xml"));
    EXPECT_TRUE(failure.value("rows").toArray().isEmpty());
    const QJsonArray warnings = root.value("warnings").toArray();
    ASSERT_EQ(warnings.size(), 1);
    const QJsonObject overlap = warnings.at(0).toObject();
    EXPECT_EQ(overlap.value("file").toString(), QStringLiteral("var.xml"));
    EXPECT_EQ(overlap.value("kind").toString(), QStringLiteral("overlap"));
    EXPECT_EQ(overlap.value("rows").toArray(), (QJsonArray{1, 2}));
}

} // namespace
} // namespace zz
