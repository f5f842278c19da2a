#include "app/SettingsFile.h"

#include "app/Workspace.h"
#include "common/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

struct SettingsCase {
    const char* name;
    const char* file;
    const char* project;
    const char* ip;
    const char* language;
    bool internet;
    bool update;
    friend void PrintTo(const SettingsCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsReadTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsReadTest, ReadsEachGroupAndLeafOnItsOwn) {
    const SettingsCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Zevazerazu.xml"));
    test::writeFile(path, c.file);
    UComon state;
    setDefaultSettings(state);
    readSettings(state, path);
    EXPECT_EQ(state.LastProjectName, QString::fromUtf8(c.project));
    EXPECT_EQ(state.LastIpAddress, QString::fromUtf8(c.ip));
    EXPECT_EQ(state.LanguageName, QString::fromUtf8(c.language));
    EXPECT_EQ(state.EnableInternet, c.internet);
    EXPECT_EQ(state.EnableUpdateCheck, c.update);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsReadTest,
    ::testing::Values(
        SettingsCase{"Full",
                     "<Conf_Settings><lastproj><projectname>P1</projectname></lastproj><lastipadd><ipaddress>"
                     "10.0.0.7</ipaddress></lastipadd><lastlang><language>Italiano</language></lastlang>"
                     "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
                     "</lastinternet></Conf_Settings>",
                     "P1", "10.0.0.7", "Italiano", true, true},
        SettingsCase{
            "OrderAndOtherElementsDoNotMatter",
            "<Other><x/><lastinternet><enable_update>1</enable_update><junk/><enable_internet>1"
            "</enable_internet></lastinternet><lastlang><language>De</language><language>Fr</language>"
            "</lastlang></Other>",
            "", "192.168.2.205", "De", true, true},
        SettingsCase{
            "FlagsOnlyForExactOne",
            "<C><lastinternet><enable_internet> 1</enable_internet><enable_update>true</enable_update>"
            "</lastinternet></C>",
            "", "192.168.2.205", "English", false, false},
        SettingsCase{"MissingEnableInternetDoesNotAffectUpdate",
                     "<C><lastinternet><enable_update>1</enable_update></lastinternet></C>", "",
                     "192.168.2.205", "English", false, true},
        SettingsCase{
            "TextsTakenAsStored",
            "<C><lastipadd><ipaddress> 10.0.0 </ipaddress></lastipadd><lastlang><language></language>"
            "</lastlang></C>",
            "", " 10.0.0 ", "", false, false},
        SettingsCase{"LeafOutsideItsGroupIsIgnored",
                     "<C><projectname>P</projectname><ipaddress>1</ipaddress></C>", "", "192.168.2.205",
                     "English", false, false},
        SettingsCase{"FirstNodeIsACommentSoNothingIsFound",
                     "<!--c--><C><lastlang><language>De</language></lastlang></C>", "", "192.168.2.205",
                     "English", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsSaveTest, WritesGroupsInOrderAndReportsAFailedSave) {
    QTemporaryDir dir;
    UComon state;
    state.AppDir = dir.path();
    state.LastProjectName = QStringLiteral("Plant <A> & B");
    state.LastIpAddress = QStringLiteral("10.1.2.3");
    state.LanguageName = QStringLiteral("Deutsch");
    state.EnableInternet = false;
    state.EnableUpdateCheck = true;
    Save_Setting(state);
    EXPECT_EQ(
        test::readFile(dir.filePath(QStringLiteral("Zevazerazu.xml"))),
        QByteArray("<Conf_Settings><lastproj><projectname>Plant &lt;A&gt; &amp; B</projectname></lastproj>"
                   "<lastipadd><ipaddress>10.1.2.3</ipaddress></lastipadd><lastlang><language>Deutsch"
                   "</language></lastlang><lastinternet><enable_internet>0</enable_internet><enable_update>1"
                   "</enable_update></lastinternet></Conf_Settings>"));

    // Reading back gives the same values.
    UComon reread;
    readSettings(reread, dir.filePath(QStringLiteral("Zevazerazu.xml")));
    EXPECT_EQ(reread.LastProjectName, state.LastProjectName);
    EXPECT_EQ(reread.EnableUpdateCheck, true);

    state.AppDir = dir.filePath(QStringLiteral("missing/folder"));
    try {
        Save_Setting(state);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Zevazerazu.xml")));
    }
}

} // namespace
} // namespace zz
