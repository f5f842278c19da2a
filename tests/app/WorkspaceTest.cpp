#include "app/Workspace.h"

#include "app/SettingsFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class WorkspaceTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    UComon state;

    QString path(const QString& relative) const { return QDir::toNativeSeparators(dir.filePath(relative)); }
};

TEST_F(WorkspaceTest, FirstRunCreatesTheFoldersAndTakesTheDefaults) {
    const StartupReport report = runWorkspaceStartUp(state, dir.path() + QStringLiteral("/"));
    EXPECT_TRUE(report.problems.isEmpty());
    EXPECT_EQ(state.AppDir, QDir::toNativeSeparators(dir.path()));
    EXPECT_EQ(state.MasterDir, path(QStringLiteral("MASTER")));
    EXPECT_EQ(state.ProjectsDir, path(QStringLiteral("PROJECTS")));
    EXPECT_EQ(state.LanguageDir, path(QStringLiteral("LANGUAGE")));
    for (const QString& folder : {state.MasterDir, state.ProjectsDir, state.LanguageDir})
        EXPECT_TRUE(QFileInfo(folder).isDir()) << qPrintable(folder);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("Zevazerazu.xml"))));

    EXPECT_EQ(state.LastProjectName, QString());
    EXPECT_EQ(state.ProjectDir, QString());
    EXPECT_EQ(state.LastIpAddress, QStringLiteral("192.168.2.205"));
    EXPECT_EQ(state.LanguageName, QStringLiteral("English"));
    EXPECT_FALSE(state.EnableInternet);
    EXPECT_FALSE(state.EnableUpdateCheck);
    EXPECT_FALSE(versionTimerWanted(state));
    EXPECT_EQ(state.MainTitle,
              QStringLiteral("Ostrel - Configurator KT883 - Modbus TCP Slave / Modbus Master "));
    EXPECT_EQ(state.SoftwareCode, QStringLiteral("KT883"));
    EXPECT_EQ(state.SoftwareDescription, QStringLiteral("Modbus TCP Slave / Modbus Master - Converter"));
    EXPECT_EQ(state.Texts.TextCount(), 700);
    EXPECT_EQ(state.ParGenFile, QDir::separator() + QStringLiteral("ParGen.xml"));
    EXPECT_EQ(state.TranslateTableFile, QDir::separator() + QStringLiteral("var.xml"));
    EXPECT_EQ(state.EnableFunctionsFile, QDir::separator() + QStringLiteral("EnableFunctions.xml"));

    Save_Setting(state);
    EXPECT_EQ(
        test::readFile(path(QStringLiteral("Zevazerazu.xml"))),
        QByteArray("<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205"
                   "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
                   "<enable_internet>0</enable_internet><enable_update>0</enable_update></lastinternet>"
                   "</Conf_Settings>"));
}

TEST_F(WorkspaceTest, RemembersTheConfigurationAndItsFiles) {
    QDir().mkpath(dir.filePath(QStringLiteral("PROJECTS/Plant A")));
    test::writeFile(dir.filePath(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
                    "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                    "</lastinternet></Conf_Settings>");
    runWorkspaceStartUp(state, dir.path());
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Plant A"));
    EXPECT_EQ(state.ProjectDir, path(QStringLiteral("PROJECTS/Plant A")));
    EXPECT_EQ(state.ParGenFile, path(QStringLiteral("PROJECTS/Plant A/ParGen.xml")));
    EXPECT_EQ(state.TranslateTableFile, path(QStringLiteral("PROJECTS/Plant A/var.xml")));
    EXPECT_EQ(state.EnableFunctionsFile, path(QStringLiteral("PROJECTS/Plant A/EnableFunctions.xml")));
    EXPECT_TRUE(versionTimerWanted(state));
}

TEST_F(WorkspaceTest, DeletedConfigurationIsNotActiveButItsNameIsWrittenBack) {
    test::writeFile(dir.filePath(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    runWorkspaceStartUp(state, dir.path());
    EXPECT_EQ(state.ProjectDir, QString());
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Gone"));
    Save_Setting(state);
    EXPECT_TRUE(
        test::readFile(path(QStringLiteral("Zevazerazu.xml"))).contains("<projectname>Gone</projectname>"));
}

TEST_F(WorkspaceTest, BrokenSettingsFileGivesDefaultsAndIsKeptAsBadAtTheNextSave) {
    const QByteArray broken("<Conf_Settings><lastproj><projectname>X</projectname>\n<lastlang>");
    test::writeFile(dir.filePath(QStringLiteral("Zevazerazu.xml")), broken);
    const StartupReport report = runWorkspaceStartUp(state, dir.path());
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems[0].contains(QStringLiteral("Zevazerazu.xml")));
    EXPECT_TRUE(report.problems[0].contains(QStringLiteral("line 2")));
    EXPECT_EQ(state.LastProjectName, QString());
    EXPECT_EQ(state.LanguageName, QStringLiteral("English"));
    EXPECT_EQ(state.Texts[0], QStringLiteral("Begin"));                        // the rest of the start-up ran
    EXPECT_EQ(test::readFile(path(QStringLiteral("Zevazerazu.xml"))), broken); // untouched until saved

    Save_Setting(state);
    EXPECT_EQ(test::readFile(path(QStringLiteral("Zevazerazu.xml.bad"))), broken);
    EXPECT_TRUE(test::readFile(path(QStringLiteral("Zevazerazu.xml"))).startsWith("<Conf_Settings>"));
}

TEST_F(WorkspaceTest, UnreadableSettingsFileGivesDefaultsAndTheNextSaveReplacesIt) {
    const QString settings = dir.filePath(QStringLiteral("Zevazerazu.xml"));
    if (!test::makeUnreadableFile(settings))
        GTEST_SKIP() << "no way to make a file that cannot be read";
    const StartupReport report = runWorkspaceStartUp(state, dir.path());
    ASSERT_EQ(report.problems.size(), 1);
    EXPECT_TRUE(report.problems[0].startsWith(QStringLiteral("The settings file could not be read")));
    EXPECT_TRUE(report.problems[0].contains(QStringLiteral("Zevazerazu.xml")));
    EXPECT_FALSE(report.problems[0].contains(QStringLiteral(".bad")));
    EXPECT_EQ(state.LanguageName, QStringLiteral("English"));

    EXPECT_FALSE(state.KeepBrokenSettingsOnSave);
    // Where the unreadable file is emulated by a link, a save would follow the link; a real one is
    // simply replaced.
    if (QFileInfo(settings).isSymLink())
        QFile::remove(settings);
    Save_Setting(state); // no copy of an unreadable file is attempted
    EXPECT_TRUE(test::readFile(settings).startsWith("<Conf_Settings><lastproj>"));
    EXPECT_FALSE(QFileInfo::exists(settings + QStringLiteral(".bad")));
}

TEST_F(WorkspaceTest, LoadsTheRememberedLanguage) {
    test::writeFile(dir.filePath(QStringLiteral("LANGUAGE/Italiano.lng")), "STR0 = Inizio\n");
    test::writeFile(dir.filePath(QStringLiteral("Zevazerazu.xml")),
                    "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    runWorkspaceStartUp(state, dir.path());
    EXPECT_EQ(state.Texts[0], QStringLiteral("Inizio"));
    EXPECT_EQ(state.LanguageName, QStringLiteral("Italiano"));
}

TEST_F(WorkspaceTest, ActivatingConfigurationsFollowsTheFolder) {
    runWorkspaceStartUp(state, dir.path());
    QDir().mkpath(dir.filePath(QStringLiteral("PROJECTS/B")));
    activateConfiguration(state, QStringLiteral("B"));
    EXPECT_EQ(state.ProjectDir, path(QStringLiteral("PROJECTS/B")));
    EXPECT_EQ(state.ParGenFile, path(QStringLiteral("PROJECTS/B/ParGen.xml")));
    activateConfiguration(state, QStringLiteral("Missing"));
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Missing"));
    EXPECT_EQ(state.ProjectDir, QString());
    EXPECT_EQ(state.ParGenFile, QDir::separator() + QStringLiteral("ParGen.xml"));
}

} // namespace
} // namespace zz
