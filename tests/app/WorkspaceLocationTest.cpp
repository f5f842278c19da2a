#include "app/WorkspaceLocation.h"

#include "app/UComon.h"
#include "app/Workspace.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class WorkspaceLocationTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString make(const QString& relative) {
        const QString path = QDir::cleanPath(dir.filePath(relative));
        EXPECT_TRUE(QDir().mkpath(path));
        return path;
    }
    QString at(const QString& relative) const { return QDir::cleanPath(dir.filePath(relative)); }
};

struct RuleCase {
    const char* executableDir;
    bool sharedData; // <prefix>/share/zevazerazu exists
    const char* given;
    WorkspaceRule rule;
    const char* folder;
    const char* shippedLanguage;
};

class WorkspaceRuleTest : public WorkspaceLocationTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(WorkspaceRuleTest, PicksTheFolderByTheRule) {
    const RuleCase& c = GetParam();
    make(QString::fromUtf8(c.executableDir) + QStringLiteral("/LANGUAGE"));
    if (c.sharedData)
        make(QStringLiteral("prefix/share/zevazerazu/LANGUAGE"));
    const QString given = *c.given ? at(QString::fromUtf8(c.given)) : QString();

    const WorkspaceLocation location =
        chooseWorkspace(at(QString::fromUtf8(c.executableDir)), given, at(QStringLiteral("user/zevazerazu")));

    EXPECT_EQ(location.rule, c.rule);
    EXPECT_EQ(location.folder, at(QString::fromUtf8(c.folder)));
    EXPECT_EQ(location.shippedLanguageDir,
              joinPath(at(QString::fromUtf8(c.shippedLanguage)), QStringLiteral("LANGUAGE")));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, WorkspaceRuleTest,
    ::testing::Values(
        // A build folder: everything beside the executable.
        RuleCase{"build/bin", false, "", WorkspaceRule::BesideExecutable, "build/bin", "build/bin"},
        // Installed: the per-user folder, the shipped files from the shared data.
        RuleCase{"prefix/bin", true, "", WorkspaceRule::PerUser, "user/zevazerazu",
                 "prefix/share/zevazerazu"},
        // A "bin" folder without the shared data is an unpacked copy.
        RuleCase{"prefix/bin", false, "", WorkspaceRule::BesideExecutable, "prefix/bin", "prefix/bin"},
        // --workspace wins over both.
        RuleCase{"prefix/bin", true, "mine", WorkspaceRule::Given, "mine", "prefix/share/zevazerazu"},
        RuleCase{"build/bin", false, "mine", WorkspaceRule::Given, "mine", "build/bin"}));

TEST_F(WorkspaceLocationTest, TheRuleIsNamedWithItsFolder) {
    const QString folder = make(QStringLiteral("w"));
    EXPECT_TRUE(
        workspaceRuleDescription({folder, WorkspaceRule::PerUser, {}}).contains(QStringLiteral("installed")));
    EXPECT_TRUE(
        workspaceRuleDescription({folder, WorkspaceRule::Given, {}}).contains(QStringLiteral("--workspace")));
    const QString beside = workspaceRuleDescription({folder, WorkspaceRule::BesideExecutable, {}});
    EXPECT_TRUE(beside.contains(QDir::toNativeSeparators(folder)));
    EXPECT_TRUE(beside.contains(QStringLiteral("executable")));
}

TEST_F(WorkspaceLocationTest, AFreshWorkspaceStartsWithTheShippedLanguageFiles) {
    const QString shipped = QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE");
    const QString workspace = at(QStringLiteral("fresh"));
    addMissingLanguageFiles(joinPath(workspace, QStringLiteral("LANGUAGE")), shipped);

    UComon state;
    runWorkspaceStartUp(state, workspace);
    for (const QString& name :
         QDir(shipped).entryList({QStringLiteral("*.lng"), QStringLiteral("*.bmp")}, QDir::Files)) {
        EXPECT_EQ(test::readFile(joinPath(state.LanguageDir, name)), test::readFile(joinPath(shipped, name)))
            << name.toStdString();
    }
    EXPECT_TRUE(QFileInfo(joinPath(state.LanguageDir, QStringLiteral("English.lng"))).isFile());
    EXPECT_TRUE(QFileInfo(joinPath(state.LanguageDir, QStringLiteral("DefaultFlag.bmp"))).isFile());
}

// A workspace with one translation gets English back, and the user's files stay as they are.
TEST_F(WorkspaceLocationTest, AddsWhatIsMissingAndNeverReplacesAFile) {
    const QString shipped = make(QStringLiteral("shipped"));
    test::writeFile(joinPath(shipped, QStringLiteral("English.lng")), "STR0 = shipped\r\n");
    test::writeFile(joinPath(shipped, QStringLiteral("Italiano.lng")), "STR0 = spedito\r\n");
    test::writeFile(joinPath(shipped, QStringLiteral("DefaultFlag.bmp")), "BM flag");
    test::writeFile(joinPath(shipped, QStringLiteral("notes.txt")), "not a language");
    const QString language = make(QStringLiteral("w/LANGUAGE"));
    test::writeFile(joinPath(language, QStringLiteral("Italiano.lng")), "STR0 = mio\r\n");

    const QStringList copied = addMissingLanguageFiles(language, shipped);

    EXPECT_EQ(copied, (QStringList{"DefaultFlag.bmp", "English.lng"}));
    EXPECT_EQ(test::readFile(joinPath(language, QStringLiteral("Italiano.lng"))),
              QByteArray("STR0 = mio\r\n"));
    EXPECT_EQ(test::readFile(joinPath(language, QStringLiteral("English.lng"))),
              QByteArray("STR0 = shipped\r\n"));
    EXPECT_FALSE(QFileInfo::exists(joinPath(language, QStringLiteral("notes.txt"))));
    // The copies are the user's to edit, as the language list wants.
    EXPECT_TRUE(QFileInfo(joinPath(language, QStringLiteral("English.lng"))).permissions() &
                QFileDevice::WriteOwner);

    // A second start copies nothing and still changes nothing.
    test::writeFile(joinPath(language, QStringLiteral("English.lng")), "STR0 = edited\r\n");
    EXPECT_TRUE(addMissingLanguageFiles(language, shipped).isEmpty());
    EXPECT_EQ(test::readFile(joinPath(language, QStringLiteral("English.lng"))),
              QByteArray("STR0 = edited\r\n"));
}

TEST_F(WorkspaceLocationTest, NoShippedFolderOrTheSameFolderCopiesNothing) {
    const QString language = make(QStringLiteral("w/LANGUAGE"));
    test::writeFile(joinPath(language, QStringLiteral("English.lng")), "STR0 = x\r\n");
    EXPECT_TRUE(addMissingLanguageFiles(language, QString()).isEmpty());
    EXPECT_TRUE(addMissingLanguageFiles(language, at(QStringLiteral("missing"))).isEmpty());
    EXPECT_TRUE(addMissingLanguageFiles(language, language + QStringLiteral("/")).isEmpty());
}

} // namespace
} // namespace zz
