#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class CheckCommandTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    void writeParGen(const QByteArray& bytes) {
        test::writeFile(dir.filePath(QStringLiteral("ParGen.xml")), bytes);
    }
    test::CliResult check() { return test::runCli({QStringLiteral("check"), dir.path()}); }
};

TEST_F(CheckCommandTest, MissingParGenIsCheckedAsTheDefaults) {
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty()) << result.out.constData();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.constData();
}

TEST_F(CheckCommandTest, EveryFailingCheckIsPrintedInCheckOrder) {
    writeParGen("<General_Parameter><TCP_PORT>65536</TCP_PORT><TCP_SUB3>256</TCP_SUB3><TCP_IP1/>"
                "<EN_Gateway>1</EN_Gateway><TCP_GAT4>x</TCP_GAT4><DATABITS>0</DATABITS>"
                "<StopBit_RS485>1</StopBit_RS485><PARITY>2</PARITY><Time_Between_Byte>101</Time_Between_Byte>"
                "</General_Parameter>");
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    EXPECT_EQ(result.out,
              QByteArray("ParGen.xml: Error Modbus TCP Slave!! IP Address 1 must be between 0 and 255\n"
                         "ParGen.xml: Error Modbus TCP Slave!! SUBNET Mask 3 must be between 0 and 255\n"
                         "ParGen.xml: Error Modbus TCP Slave!! GATEWAY IP 4 must be between 0 and 255\n"
                         "ParGen.xml: Error  Modbus TCP Slave!! PORT must be between 0 and 65535\n"
                         "ParGen.xml: Error Modbus Master!! 2 Stop Bits with 8 Data Bits is valid "
                         "only with None Parity\n"
                         "ParGen.xml: Error  Modbus Master!! Time Between Byte must be between 0 and "
                         "100 ms\n"));
}

TEST_F(CheckCommandTest, FileIsReadAsTheDialogReadsIt) {
    // The idle time is switched off, so its text is not looked at; the gateway is not in use.
    writeParGen("<Anything><Delay_From_Last_Byte>70000</Delay_From_Last_Byte>"
                "<Enable_Delay_From_Last_Byte>0</Enable_Delay_From_Last_Byte><TCP_GAT1>abc</TCP_GAT1>"
                "</Anything>");
    EXPECT_EQ(check().exitCode, 0);

    // Behind a comment the dialog finds nothing and shows the defaults, but the device would be
    // sent the values found by name: that is said, and those values are checked.
    writeParGen("<!--c--><General_Parameter><TCP_PORT>-1</TCP_PORT></General_Parameter>");
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(
        result.out,
        QByteArray("ParGen.xml: does not begin with its parameter element, so the dialog shows the defaults; "
                   "the values the device would be sent are checked below\n"
                   "ParGen.xml: Error  Modbus TCP Slave!! PORT must be between 0 and 65535\n"));
}

TEST_F(CheckCommandTest, NotWellFormedFileIsAnErrorNamingFileAndLine) {
    writeParGen("<General_Parameter>\n<MODE>1</MODE>\n<BAUD>\n</General_Parameter>");
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains("ParGen.xml")) << result.err.constData();
    EXPECT_TRUE(result.err.contains("line 4")) << result.err.constData();
}

TEST_F(CheckCommandTest, UnreadableFileIsAnError) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ParGen.xml")));
    const test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("ParGen.xml")) << result.err.constData();
}

TEST_F(CheckCommandTest, TableFilesAreCheckedTooAndOneBrokenFileDoesNotHideTheOthers) {
    writeParGen("<General_Parameter><TCP_PORT>65536</TCP_PORT></General_Parameter>");
    test::writeFile(
        dir.filePath(QStringLiteral("var.xml")),
        "<TCP_TO_RTU><row DATA_TYPE=\"3\" TCP_ADD_DEV=\"1\" TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" "
        "RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/><row DATA_TYPE=\"1\" TCP_ADD_DEV=\"0\" "
        "TCP_ADDRESS=\"0\" RTU_ADD_DEV=\"1\" RTU_ADDRESS=\"0\" N_POINT=\"1\" MNEMONIC=\"\"/></TCP_TO_RTU>");
    test::CliResult result = check();
    EXPECT_EQ(result.exitCode, 1) << result.err.constData();
    EXPECT_EQ(result.out,
              QByteArray("ParGen.xml: Error  Modbus TCP Slave!! PORT must be between 0 and 65535\n"
                         "var.xml: Error in Row 2!! Slave ID TCP must be between 1 and 247\n"));

    test::writeFile(dir.filePath(QStringLiteral("EnableFunctions.xml")),
                    "<EnabledFunctions><row FunNum=\"1\"");
    result = check();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.contains("var.xml: Error in Row 2")) << result.out.constData();
    EXPECT_TRUE(result.err.contains("EnableFunctions.xml")) << result.err.constData();

    test::writeFile(dir.filePath(QStringLiteral("EnableFunctions.xml")),
                    "<EnabledFunctions><row FunNum=\"1\" Mnemonic=\"\"/></EnabledFunctions>");
    result = check();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.contains("EnableFunctions.xml: Row 1 has no attribute Enabled"))
        << result.out.constData();
}

TEST_F(CheckCommandTest, BadUsageIsAnError) {
    EXPECT_EQ(test::runCli({QStringLiteral("check")}).exitCode, 2);
    EXPECT_EQ(test::runCli({QStringLiteral("check"), dir.path(), dir.path()}).exitCode, 2);
    const test::CliResult missing =
        test::runCli({QStringLiteral("check"), dir.filePath(QStringLiteral("none"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("none")) << missing.err.constData();
    EXPECT_TRUE(test::runCli({QStringLiteral("--help")}).out.contains("check CONFIG_DIR"));
}

} // namespace
} // namespace zz
