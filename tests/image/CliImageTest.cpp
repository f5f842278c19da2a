#include "image/ImageTestSupport.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace zz {
namespace {

// A configuration that touches every part of the image.
void writeRichConfiguration(const test::ConfigFolder& folder) {
    folder.writeParGen(
        "<MODE>1</MODE><TCP_IP1>10</TCP_IP1><TCP_IP2>1</TCP_IP2><TCP_IP3>2</TCP_IP3>"
        "<TCP_IP4>3</TCP_IP4><TCP_SUB1>255</TCP_SUB1><TCP_SUB2>255</TCP_SUB2><TCP_SUB3>0</TCP_SUB3>"
        "<TCP_SUB4>0</TCP_SUB4><TCP_GAT1>10</TCP_GAT1><TCP_GAT2>1</TCP_GAT2><TCP_GAT3>0</TCP_GAT3>"
        "<TCP_GAT4>1</TCP_GAT4><TCP_PORT>1502</TCP_PORT><EN_Gateway>1</EN_Gateway>"
        "<UDP_Port>1</UDP_Port><Enable_AA55>0</Enable_AA55><Cancel_AA55>1</Cancel_AA55>"
        "<NoFrame_RTU_Timeout>0</NoFrame_RTU_Timeout><Fast_Boot>1</Fast_Boot><SSID>s</SSID>"
        "<Password></Password><Protection_Type>0</Protection_Type><SEL_SER>1</SEL_SER>"
        "<BAUD>4</BAUD><PARITY>3</PARITY><DATABITS>1</DATABITS><TIME_OUT>800</TIME_OUT>"
        "<StopBit_RS485>1</StopBit_RS485><Delay_From_Last_Byte>20</Delay_From_Last_Byte>"
        "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>"
        "<Time_Between_Byte>4</Time_Between_Byte><Modbus_Filter>1</Modbus_Filter>");
    folder.writeEnableFunctions(R"(<row FunNum="3" Enabled="N" Mnemonic=""/><row FunNum="16" Enabled="N" )"
                                R"(Mnemonic=""/><row FunNum="8" Enabled="N" Mnemonic=""/>)");
    folder.writeTranslateTable(
        R"(<row DATA_TYPE="3" TCP_ADD_DEV="1" TCP_ADDRESS="258" RTU_ADD_DEV="5" RTU_ADDRESS="100" N_POINT="10" )"
        R"(MNEMONIC="a"/><row DATA_TYPE="1" TCP_ADD_DEV="2" TCP_ADDRESS="0" RTU_ADD_DEV="6" RTU_ADDRESS="65535" )"
        R"(N_POINT="255" MNEMONIC="b"/>)");
}

TEST(CliImage, ComposeThenDecodeRoundTripsARichConfiguration) {
    const test::ConfigFolder folder;
    writeRichConfiguration(folder);
    const test::CliResult composed = test::runCli({QStringLiteral("compose"), folder.path()});
    ASSERT_EQ(composed.exitCode, 0) << composed.err.constData();
    EXPECT_EQ(QFileInfo(folder.bankFile()).size(), 18432);

    const test::CliResult decoded =
        test::runCli({QStringLiteral("decode"), QStringLiteral("--json"), folder.bankFile()});
    ASSERT_EQ(decoded.exitCode, 0) << decoded.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(decoded.out).object();
    const QJsonObject header = root.value(QStringLiteral("header")).toObject();

    const std::pair<const char*, qint64> numbers[] = {
        {"Fixed_Rate", 250000},
        {"Serial_Baud_Rate", 19200},
        {"Baud_Rate_Copy", 19200},
        {"Serial_Data_Bits", 7},
        {"Data_Bits_Copy", 7},
        {"Serial_Parity", 1},
        {"Parity_Copy", 1},
        {"Serial_Stop_Bits", 2},
        {"Stop_Bits_Copy", 2},
        {"Serial_Time_Out", 800},
        {"Serial_Delay_From_Last_Byte", 20},
        {"Serial_Time_Between_Byte", 4},
        {"Update_Port", 2007},
        {"TCP_Port", 1502},
        {"TCP_Port_Copy", 1502},
        {"Fixed_Port", 64223},
        {"Table_Row_Count", 2},
        {"Table_Address", 0x68800},
        {"Option_Flags", 0x02 | 0x04 | 0x08 | 0x20},
        {"Serial_Options", 0x11},
        {"Disabled_Functions", 8 + 65536},
    };
    for (const auto& [name, value] : numbers)
        EXPECT_EQ(header.value(QLatin1String(name)).toInteger(-1), value) << name;
    EXPECT_EQ(header.value(QStringLiteral("IP_Address")).toString(), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(header.value(QStringLiteral("Subnet_Mask")).toString(), QStringLiteral("255.255.0.0"));
    EXPECT_EQ(header.value(QStringLiteral("Gateway")).toString(), QStringLiteral("10.1.0.1"));

    const QJsonObject checksum = root.value(QStringLiteral("checksum")).toObject();
    EXPECT_TRUE(checksum.value(QStringLiteral("matches")).toBool());
    EXPECT_EQ(header.value(QStringLiteral("Header_Checksum")).toInteger(),
              checksum.value(QStringLiteral("computed")).toInteger());
    EXPECT_TRUE(root.value(QStringLiteral("reservedNonZero")).toArray().isEmpty());

    const QJsonArray table = root.value(QStringLiteral("table")).toArray();
    ASSERT_EQ(table.size(), 2);
    const QJsonObject first = table[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("index")).toInt(-1), 0);
    EXPECT_EQ(first.value(QStringLiteral("DATA_TYPE")).toInt(), 3);
    EXPECT_EQ(first.value(QStringLiteral("TCP_ADD_DEV")).toInt(), 1);
    EXPECT_EQ(first.value(QStringLiteral("RTU_ADD_DEV")).toInt(), 5);
    EXPECT_EQ(first.value(QStringLiteral("N_POINT")).toInt(), 10);
    EXPECT_EQ(first.value(QStringLiteral("TCP_ADDRESS")).toInt(), 258);
    EXPECT_EQ(first.value(QStringLiteral("RTU_ADDRESS")).toInt(), 100);
    const QJsonObject second = table[1].toObject();
    EXPECT_EQ(second.value(QStringLiteral("index")).toInt(), 1);
    EXPECT_EQ(second.value(QStringLiteral("N_POINT")).toInt(), 255);
    EXPECT_EQ(second.value(QStringLiteral("RTU_ADDRESS")).toInt(), 65535);

    const test::CliResult text = test::runCli({QStringLiteral("decode"), folder.bankFile()});
    ASSERT_EQ(text.exitCode, 0) << text.err.constData();
    const QString out = QString::fromUtf8(text.out);
    for (const char* line :
         {"IP_Address = 10.1.2.3", "Gateway = 10.1.0.1", "Option_Flags = 0x002e (0x0002 NAT mode",
          "Serial_Options = 0x11 (0x01 RS232",
          "Disabled_Functions = 0x00010008 (function 3 disabled; function 16 disabled)", "checksum: OK",
          "reserved ranges: all zero", "table: 2 non-zero entries",
          "entry 1: DATA_TYPE=1 TCP_ADD_DEV=2 RTU_ADD_DEV=6 N_POINT=255 TCP_ADDRESS=0 RTU_ADDRESS=65535"})
        EXPECT_TRUE(out.contains(QLatin1String(line))) << line << "\n" << text.out.constData();
}

TEST(CliImage, ComposeToAnOutputFileLeavesBinAlone) {
    const test::ConfigFolder folder;
    const QString output = folder.path(QStringLiteral("image.bin"));
    const test::CliResult result =
        test::runCli({QStringLiteral("compose"), folder.path(), QStringLiteral("--output"), output});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_EQ(test::readFile(output), folder.compose());
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("bin"))));
}

TEST(CliImage, ComposeFailureNamesTheFileAndWritesNothing) {
    const test::ConfigFolder folder;
    test::writeFile(folder.translateTable(), "<TCP_TO_RTU>\n<row>\n</TCP_TO_RTU>");
    test::writeFile(folder.bankFile(), "previous");
    const QString output = folder.path(QStringLiteral("image.bin"));
    for (const QStringList& args :
         {QStringList{QStringLiteral("compose"), folder.path()},
          QStringList{QStringLiteral("compose"), folder.path(), QStringLiteral("--output"), output}}) {
        const test::CliResult result = test::runCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains("var.xml")) << result.err.constData();
        EXPECT_TRUE(result.err.contains("line 3")) << result.err.constData();
    }
    EXPECT_EQ(test::readFile(folder.bankFile()), QByteArray("previous"));
    EXPECT_FALSE(QFileInfo::exists(output));
}

TEST(CliImage, BadArgumentsAreRefused) {
    const test::ConfigFolder folder;
    const QStringList cases[] = {
        {QStringLiteral("compose")},
        {QStringLiteral("compose"), folder.path(QStringLiteral("missing"))},
        {QStringLiteral("compose"), folder.path(), QStringLiteral("--output")},
        {QStringLiteral("compose"), folder.path(), QStringLiteral("--verbose")},
        {QStringLiteral("decode")},
        {QStringLiteral("decode"), folder.path(QStringLiteral("missing.bin"))},
    };
    for (const QStringList& args : cases) {
        const test::CliResult result = test::runCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << args.join(' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("missing"))));
}

TEST(CliImage, DecodeRefusesAFileOfAnotherLength) {
    const test::ConfigFolder folder;
    const QString path = folder.path(QStringLiteral("short.bin"));
    test::writeFile(path, QByteArray(100, '\0'));
    const test::CliResult result = test::runCli({QStringLiteral("decode"), path});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains("short.bin")) << result.err.constData();
    EXPECT_TRUE(result.err.contains("18432")) << result.err.constData();
    EXPECT_TRUE(result.out.isEmpty());
}

TEST(CliImage, DecodeRefusesHugeFilesAndDevicesWithoutReadingThem) {
    const test::ConfigFolder folder;
    const QString huge = folder.path(QStringLiteral("huge.bin"));
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(8) << 30)); // sparse: 8 GiB that take no room
    }
    for (const QString& path : {huge, QStringLiteral("/dev/zero")}) {
        if (!QFileInfo::exists(path))
            continue;
        const test::CliResult result = test::runCli({QStringLiteral("decode"), path});
        EXPECT_EQ(result.exitCode, 2) << qPrintable(path);
        EXPECT_TRUE(result.err.contains("not a bank file")) << result.err.constData();
    }
}

TEST(CliImage, DecodeGivesItsVerdictOnATamperedImage) {
    const test::ConfigFolder folder;
    QByteArray image = folder.compose();
    image[12] = static_cast<char>(image[12] + 1); // baud rate changed, checksum not
    image[3004] = 1;                              // an entry
    image[500] = 9;                               // a reserved byte
    const QString path = folder.path(QStringLiteral("tampered.bin"));
    test::writeFile(path, image);
    const test::CliResult result = test::runCli({QStringLiteral("decode"), path});
    EXPECT_EQ(result.exitCode, 1);
    const QString out = QString::fromUtf8(result.out);
    EXPECT_TRUE(out.contains(QStringLiteral("stored checksum: 3362"))) << result.out.constData();
    EXPECT_TRUE(out.contains(QStringLiteral("recomputed checksum: 3372"))) << result.out.constData();
    EXPECT_TRUE(out.contains(QStringLiteral("checksum: MISMATCH")));
    EXPECT_TRUE(out.contains(QStringLiteral("reserved byte at offset 500 is not zero: 0x09")));
    // 3004 = 2048 + 8 * 119 + 4: entry 119, TCP_ADDRESS 1.
    EXPECT_TRUE(out.contains(
        QStringLiteral("entry 119: DATA_TYPE=0 TCP_ADD_DEV=0 RTU_ADD_DEV=0 N_POINT=0 TCP_ADDRESS=1 ")));
}

} // namespace
} // namespace zz
