#include "app/ConfigurationFromBankFile.h"

#include "app/Workspace.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "image/ImageComposer.h"
#include "lang/TextTable.h"
#include "support/BankFileFixtures.h"
#include "support/SmallFileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>

namespace zz {
namespace {

class ConfigurationFromBankFileTest : public ::testing::Test {
protected:
    QTemporaryDir workspace;
    UComon state;
    test::ConfigFolder source;

    void SetUp() override {
        runWorkspaceStartUp(state, workspace.path());
        QDir().mkpath(joinPath(state.ProjectsDir, QStringLiteral("Before")));
        activateConfiguration(state, QStringLiteral("Before"));
    }
    image::RestoredConfiguration restoredOf(const QByteArray& image) const {
        const image::RestoreAnalysis analysis = image::analyseForRestore(image);
        EXPECT_TRUE(analysis.configuration) << analysis.refusals.join(u'\n').toStdString();
        return analysis.configuration.value_or(image::RestoredConfiguration{});
    }
    void expectBeforeStillActive() const {
        EXPECT_EQ(state.LastProjectName, QStringLiteral("Before"));
        EXPECT_EQ(state.ProjectDir, joinPath(state.ProjectsDir, QStringLiteral("Before")));
    }
};

TEST_F(ConfigurationFromBankFileTest, CreatesTheFolderWhoseFilesComposeTheBankFile) {
    test::writeFullConfiguration(source);
    const QByteArray image = test::writeBankFileOf(source, source.path(QStringLiteral("bank.bin")));
    const image::RestoreAnalysis analysis = analyseBankFile(source.path(QStringLiteral("bank.bin")));
    ASSERT_TRUE(analysis.configuration);

    EXPECT_EQ(createConfigurationFromImage(state, QStringLiteral("Plant"), *analysis.configuration),
              CreateOutcome::Created);
    const QString folder = joinPath(state.ProjectsDir, QStringLiteral("Plant"));
    EXPECT_EQ(state.ProjectDir, folder);
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Plant"));
    EXPECT_TRUE(QFileInfo(joinPath(folder, QStringLiteral("bin"))).isDir());
    const image::ImageSources sources{joinPath(folder, QStringLiteral("ParGen.xml")),
                                      joinPath(folder, QStringLiteral("EnableFunctions.xml")),
                                      joinPath(folder, QStringLiteral("var.xml"))};
    EXPECT_EQ(image::Compose_Image(sources), image);
}

TEST_F(ConfigurationFromBankFileTest, ARefusedNameTouchesNothing) {
    const image::RestoredConfiguration restored = restoredOf(source.compose());
    const std::pair<QString, CreateOutcome> cases[] = {
        {QString(), CreateOutcome::EmptyName},
        {QStringLiteral("before"), CreateOutcome::AlreadyExists},
        {QStringLiteral("a:b"), CreateOutcome::NotValid},
    };
    for (const auto& [name, outcome] : cases) {
        EXPECT_EQ(checkNewConfigurationName(state, name), outcome) << qPrintable(name);
        EXPECT_EQ(createConfigurationFromImage(state, name, restored), outcome) << qPrintable(name);
    }
    EXPECT_EQ(QDir(state.ProjectsDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("Before")});
    expectBeforeStillActive();
}

// Where the tests may mount, PROJECTS is a small file system on which ParGen.xml fits and the
// 2000-row var.xml does not, so the failure comes after a file was written; elsewhere every
// write is made to fail.
TEST_F(ConfigurationFromBankFileTest, AFailedWriteRemovesTheNewFolderAndKeepsTheActiveConfiguration) {
    test::writeFullConfiguration(source, 2000);
    const image::RestoredConfiguration restored = restoredOf(source.compose());
    test::SmallFileSystem small(64);
    std::optional<InjectedWriteFailure> injected;
    if (small.mounted())
        state.ProjectsDir = small.path();
    else
        injected.emplace(ENOSPC);

    try {
        createConfigurationFromImage(state, QStringLiteral("Plant"), restored);
        FAIL() << "a failed write passed for success";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.file().startsWith(joinPath(state.ProjectsDir, QStringLiteral("Plant")))) << e.what();
        if (small.mounted()) {
            EXPECT_TRUE(e.file().endsWith(QStringLiteral("var.xml"))) << e.what();
        }
    }
    EXPECT_FALSE(QFileInfo::exists(joinPath(state.ProjectsDir, QStringLiteral("Plant"))));
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Before"));
    EXPECT_EQ(state.ProjectDir, joinPath(workspace.path(), QStringLiteral("PROJECTS/Before")));
}

TEST(BankFileMessages, ListAtMostTheShownLinesThenHowManyMore) {
    TextTable texts;
    texts.LoadDefaultTexts();
    QStringList reasons;
    for (int i = 1; i <= 23; ++i)
        reasons.append(QStringLiteral("reason %1").arg(i));

    const QStringList refused =
        bankFileRefusedMessage(texts, QStringLiteral("/b/k.bin"), reasons).split(u'\n');
    ASSERT_EQ(refused.size(), 1 + kBankFileLinesShown + 1);
    EXPECT_EQ(
        refused.front(),
        QStringLiteral("No configuration can be made from the bank file /b/k.bin, so none was created:"));
    EXPECT_EQ(refused[1], QStringLiteral("reason 1"));
    EXPECT_EQ(refused[kBankFileLinesShown], QStringLiteral("reason 20"));
    EXPECT_EQ(refused.back(), QStringLiteral("and 3 more"));

    const QStringList two =
        bankFileRefusedMessage(texts, QStringLiteral("k.bin"), reasons.mid(0, 2)).split(u'\n');
    EXPECT_EQ(two.mid(1), (QStringList{QStringLiteral("reason 1"), QStringLiteral("reason 2")}));

    EXPECT_EQ(defaultsTakenMessage(texts, {}), QString());
    EXPECT_EQ(defaultsTakenMessage(texts, {QStringLiteral("ParGen.xml: SSID = x")}),
              QStringLiteral("The bank file does not hold these values, so the new configuration has the "
                             "defaults:\nParGen.xml: SSID = x"));
}

} // namespace
} // namespace zz
