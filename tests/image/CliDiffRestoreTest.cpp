#include "image/ImageTestSupport.h"
#include "support/CliRunner.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace zz {
namespace {

QString bankOf(const test::ConfigFolder& folder) {
    const test::CliResult result = test::runCli({QStringLiteral("compose"), folder.path()});
    EXPECT_EQ(result.exitCode, 0) << result.err.constData();
    return folder.bankFile();
}

struct DiffPair : ::testing::Test {
    test::ConfigFolder a;
    test::ConfigFolder b;
    void SetUp() override {
        a.writeParGen("<BAUD>3</BAUD><MODE>0</MODE>");
        b.writeParGen("<BAUD>7</BAUD><MODE>1</MODE><TCP_IP1>10</TCP_IP1>");
        b.writeTranslateTable(R"(<row DATA_TYPE="4" TCP_ADD_DEV="2" TCP_ADDRESS="258" RTU_ADD_DEV="1" )"
                              R"(RTU_ADDRESS="0" N_POINT="1" MNEMONIC=""/>)");
    }
};

TEST_F(DiffPair, FoldersFilesAndMixedPairsGiveTheSameLines) {
    const QStringList expected = {
        "Serial_Baud_Rate: 9600 -> 115200",
        "IP_Address: 192.168.2.205 -> 10.168.2.205",
        "Option_Flags: 0x0004 -> 0x0006 (+0x0002 NAT mode (MODE))",
        "Baud_Rate_Copy: 9600 -> 115200",
        "Table_Row_Count: 0 -> 1",
    };
    const QString bankA = bankOf(a);
    const QString bankB = bankOf(b);
    for (const auto& [x, y] :
         {std::pair{a.path(), b.path()}, std::pair{bankA, bankB}, std::pair{a.path(), bankB}}) {
        const test::CliResult result = test::runCli({QStringLiteral("diff"), x, y});
        EXPECT_EQ(result.exitCode, 1) << result.err.constData();
        const QStringList lines = QString::fromUtf8(result.out).split('\n', Qt::SkipEmptyParts);
        for (const QString& line : expected)
            EXPECT_TRUE(lines.contains(line)) << qPrintable(line) << "\n" << result.out.constData();
        EXPECT_TRUE(lines.first().startsWith(QStringLiteral("Serial_Baud_Rate")));
        EXPECT_TRUE(lines.contains(
            QStringLiteral("entry 0: DATA_TYPE 0 -> 4, TCP_ADD_DEV 0 -> 2, RTU_ADD_DEV 0 -> 1, "
                           "N_POINT 0 -> 1, TCP_ADDRESS 0 -> 258")))
            << result.out.constData();
    }
}

TEST_F(DiffPair, JsonHasNumbersAndDottedAddresses) {
    const test::CliResult result =
        test::runCli({QStringLiteral("diff"), QStringLiteral("--json"), a.path(), b.path()});
    EXPECT_EQ(result.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(result.out).object();
    const QJsonArray header = root.value(QStringLiteral("header")).toArray();
    ASSERT_FALSE(header.isEmpty());
    EXPECT_EQ(header[0].toObject(), (QJsonObject{{"field", "Serial_Baud_Rate"}, {"a", 9600}, {"b", 115200}}));
    bool sawAddress = false;
    for (const QJsonValue& v : header)
        if (v.toObject().value(QStringLiteral("field")) == QStringLiteral("IP_Address")) {
            sawAddress = true;
            EXPECT_EQ(v.toObject().value(QStringLiteral("b")).toString(), QStringLiteral("10.168.2.205"));
        }
    EXPECT_TRUE(sawAddress);
    EXPECT_TRUE(root.value(QStringLiteral("reserved")).toArray().isEmpty());
    const QJsonArray table = root.value(QStringLiteral("table")).toArray();
    ASSERT_EQ(table.size(), 5);
    EXPECT_EQ(table[4].toObject(),
              (QJsonObject{{"entry", 0}, {"field", "TCP_ADDRESS"}, {"a", 0}, {"b", 258}}));
}

TEST(CliDiff, IdenticalInputsPrintNothingAndBadInputsAreNamed) {
    test::ConfigFolder a;
    a.writeParGen("<BAUD>3</BAUD>");
    const QString bank = bankOf(a);
    const test::CliResult same = test::runCli({QStringLiteral("diff"), a.path(), bank});
    EXPECT_EQ(same.exitCode, 0) << same.err.constData();
    EXPECT_TRUE(same.out.isEmpty());

    QByteArray changed = test::readFile(bank);
    changed[1000] = 5;
    const QString other = a.path(QStringLiteral("other.bin"));
    test::writeFile(other, changed);
    const test::CliResult reserved = test::runCli({QStringLiteral("diff"), bank, other});
    EXPECT_EQ(reserved.exitCode, 1);
    EXPECT_TRUE(reserved.out.contains("reserved 1000: 0x00 -> 0x05")) << reserved.out.constData();

    test::ConfigFolder broken;
    test::writeFile(broken.translateTable(), "<TCP_TO_RTU>\n<row>\n</TCP_TO_RTU>");
    const test::CliResult bad = test::runCli({QStringLiteral("diff"), a.path(), broken.path()});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("var.xml") && bad.err.contains("line 3")) << bad.err.constData();
    EXPECT_EQ(test::runCli({QStringLiteral("diff"), a.path()}).exitCode, 2);
}

TEST(CliRestore, WritesComposableFilesRefusesExistingOnesAndImpossibleImages) {
    test::ConfigFolder source;
    source.writeParGen("<MODE>1</MODE>");
    const QString bank = bankOf(source);
    const test::ConfigFolder target;
    const QString dir = target.path(QStringLiteral("new/conf"));
    const test::CliResult restored = test::runCli({QStringLiteral("restore"), bank, dir});
    ASSERT_EQ(restored.exitCode, 0) << restored.err.constData();
    EXPECT_TRUE(restored.err.contains("SSID = ssid_name")) << restored.err.constData();
    EXPECT_EQ(test::runCli({QStringLiteral("diff"), bank, dir}).exitCode, 0);

    const test::CliResult again = test::runCli({QStringLiteral("restore"), bank, dir});
    EXPECT_EQ(again.exitCode, 2);
    EXPECT_TRUE(again.err.contains("ParGen.xml") && again.err.contains("var.xml")) << again.err.constData();
    EXPECT_EQ(test::runCli({QStringLiteral("restore"), bank, dir, QStringLiteral("--force")}).exitCode, 0);

    QByteArray impossible = test::readFile(bank);
    impossible[0] = 1; // Fixed_Rate 249857, and the checksum no longer fits
    const QString bad = target.path(QStringLiteral("bad.bin"));
    test::writeFile(bad, impossible);
    const QString other = target.path(QStringLiteral("other"));
    const test::CliResult refused = test::runCli({QStringLiteral("restore"), bad, other});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("\nHeader_Checksum is ")) << refused.err.constData();
    EXPECT_TRUE(refused.err.contains("\nFixed_Rate is 249857 instead of 250000")) << refused.err.constData();
    EXPECT_FALSE(QFileInfo::exists(other));

    const test::CliResult decoded = test::runCli({QStringLiteral("decode"), bad});
    EXPECT_EQ(decoded.exitCode, 1);
    EXPECT_TRUE(decoded.out.contains("not an image this system writes: Fixed_Rate is 249857"))
        << decoded.out.constData();
    EXPECT_TRUE(decoded.out.contains("Table_Address = 0x00068800")) << decoded.out.constData();
    EXPECT_EQ(test::runCli({QStringLiteral("restore"), bank}).exitCode, 2);
}

} // namespace
} // namespace zz
