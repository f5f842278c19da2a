#include "image/ImageTestSupport.h"
#include "support/CliRunner.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zz {
namespace {

QByteArray deeplyNested(int depth) {
    return "<SSID>" + QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth) + "</SSID>";
}

void makeFifo(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

TEST(CliHardening, ComposeToStandardOutputWritesTheImageBytesAlone) {
    const test::ConfigFolder folder;
    folder.writeTranslateTable(R"(<row DATA_TYPE="3" TCP_ADD_DEV="1" TCP_ADDRESS="258" RTU_ADD_DEV="5" )"
                               R"(RTU_ADDRESS="100" N_POINT="10" MNEMONIC="a"/>)");
    const test::CliResult result = test::runCli(
        {QStringLiteral("compose"), folder.path(), QStringLiteral("--output"), QStringLiteral("-")});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_EQ(result.out.size(), 18432);
    EXPECT_EQ(result.out, folder.compose());
    EXPECT_TRUE(result.err.contains("18432 bytes, Header_Checksum")) << result.err.constData();
    // Neither the bank file nor a file named "-" is written.
    EXPECT_FALSE(QFileInfo::exists(folder.bankFile()));
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-")));
}

TEST(CliHardening, HelpNamesTheStandardOutputForm) {
    const test::CliResult result = test::runCli({QStringLiteral("--help")});
    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.contains("compose CONFIG_DIR [--output FILE|-]")) << result.out.constData();
}

// A reader that recursed per level died here; now each command names the file and the line.
TEST(CliHardening, DeeplyNestedParGenIsRefusedWithFileAndLine) {
    const test::ConfigFolder folder;
    folder.writeParGen(deeplyNested(44000));
    for (const char* command : {"check", "compose"}) {
        const test::CliResult result = test::runCli({QString::fromLatin1(command), folder.path()});
        EXPECT_EQ(result.exitCode, 2) << command << ": " << result.err.constData();
        EXPECT_TRUE(result.err.contains("ParGen.xml")) << command << ": " << result.err.constData();
        EXPECT_TRUE(result.err.contains("line")) << command << ": " << result.err.constData();
    }
    EXPECT_FALSE(QFileInfo::exists(folder.bankFile()));
}

TEST(CliHardening, FifoAsTranslateTableIsRefusedAtOnce) {
    const test::ConfigFolder folder;
    makeFifo(folder.translateTable());
    for (const char* command : {"check", "compose"}) {
        QElapsedTimer timer;
        timer.start();
        const test::CliResult result = test::runCli({QString::fromLatin1(command), folder.path()});
        EXPECT_EQ(result.exitCode, 2) << command << ": " << result.err.constData();
        EXPECT_TRUE(result.err.contains("var.xml")) << command << ": " << result.err.constData();
        EXPECT_LT(timer.elapsed(), 10000) << command;
    }
}

TEST(CliHardening, ComposeRefusesALinkAtTheBankFileAndLeavesItsTargetAlone) {
    const test::ConfigFolder folder;
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("precious.txt"));
    test::writeFile(victim, "keep me");
    ASSERT_TRUE(QDir().mkpath(folder.path(QStringLiteral("bin"))));
    ASSERT_TRUE(QFile::link(victim, folder.bankFile()));

    const test::CliResult result = test::runCli({QStringLiteral("compose"), folder.path()});
    EXPECT_EQ(result.exitCode, 2) << result.err.constData();
    EXPECT_TRUE(result.err.contains("bank_k.bin")) << result.err.constData();
    EXPECT_TRUE(QFileInfo(folder.bankFile()).isSymLink());
    QFile file(victim);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("keep me"));
}

TEST(CliHardening, ComposeRefusesAFifoAsOutput) {
    const test::ConfigFolder folder;
    QTemporaryDir elsewhere;
    const QString fifo = elsewhere.filePath(QStringLiteral("out.bin"));
    makeFifo(fifo);
    QElapsedTimer timer;
    timer.start();
    const test::CliResult result =
        test::runCli({QStringLiteral("compose"), folder.path(), QStringLiteral("--output"), fifo});
    EXPECT_EQ(result.exitCode, 2) << result.err.constData();
    EXPECT_TRUE(result.err.contains("out.bin")) << result.err.constData();
    EXPECT_LT(timer.elapsed(), 10000);
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

} // namespace
} // namespace zz
