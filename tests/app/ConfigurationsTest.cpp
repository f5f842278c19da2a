#include "app/Configurations.h"

#include "app/Workspace.h"
#include "common/Errors.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

struct NameCase {
    const char16_t* name;
    bool portable;
    friend void PrintTo(const NameCase& c, std::ostream* os) {
        *os << '"' << QString::fromUtf16(c.name).toStdString() << '"';
    }
};

class PortableNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(PortableNameTest, RefusesNamesThatAreNotOnePortableFolder) {
    EXPECT_EQ(isPortableConfigurationName(QString::fromUtf16(GetParam().name)), GetParam().portable);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PortableNameTest,
    ::testing::Values(NameCase{u"Plant A", true}, NameCase{u"caf\u00E9-2", true}, NameCase{u" lead", true},
                      NameCase{u"a.b", true}, NameCase{u"CONSOLE", true}, NameCase{u"COM10", true},
                      NameCase{u"", false}, NameCase{u".", false}, NameCase{u"..", false},
                      NameCase{u"a/b", false}, NameCase{u"a\\b", false}, NameCase{u"a:b", false},
                      NameCase{u"a*", false}, NameCase{u"a?", false}, NameCase{u"\"q\"", false},
                      NameCase{u"<x>", false}, NameCase{u"a|b", false}, NameCase{u"tab\there", false},
                      NameCase{u"trail.", false}, NameCase{u"trail ", false}, NameCase{u"CON", false},
                      NameCase{u"con", false}, NameCase{u"Nul.txt", false}, NameCase{u"COM1", false},
                      NameCase{u"lpt9", false}, NameCase{u"AUX", false}, NameCase{u"PRN.x.y", false},
                      // names that cannot travel: hidden on Linux, or devices on Windows
                      NameCase{u".hidden", false}, NameCase{u"...", false}, NameCase{u"CONIN$", false},
                      NameCase{u"conout$.log", false}, NameCase{u"COM0", false}, NameCase{u"lpt0.txt", false},
                      NameCase{u"COM\u00B9", false}, NameCase{u"com\u00B2", false},
                      NameCase{u"LPT\u00B3.x", false}, NameCase{u"con.txt", false}, NameCase{u"CONIN", true},
                      NameCase{u"CONIN$x", true}, NameCase{u"COM\u2074", true},
                      NameCase{u"LPT\u00B9\u00B9", true}, NameCase{u"mid.dot", true},
                      NameCase{u"trail.x.", false}));

struct RefusalCase {
    const char16_t* name;
    NameFault fault;
    const char16_t* secondLine; // nullptr: the box holds text 30 alone
    friend void PrintTo(const RefusalCase& c, std::ostream* os) {
        *os << '"' << QString::fromUtf16(c.name).toStdString() << '"';
    }
};

class RefusalMessageTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalMessageTest, NamesTheRuleTheNameBreaks) {
    const QString name = QString::fromUtf16(GetParam().name);
    EXPECT_EQ(checkConfigurationName(name).fault, GetParam().fault);
    TextTable texts;
    texts.LoadDefaultTexts();
    QString expected = texts[30];
    if (GetParam().secondLine)
        expected += u'\n' + QString::fromUtf16(GetParam().secondLine);
    EXPECT_EQ(refusalMessage(texts, CreateOutcome::NotValid, name), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusalMessageTest,
    ::testing::Values(
        RefusalCase{
            u".cfg", NameFault::LeadingDot,
            u"A name cannot begin with a dot: on Linux such a folder is hidden and could not be opened "
            u"again."},
        RefusalCase{
            u"..", NameFault::LeadingDot,
            u"A name cannot begin with a dot: on Linux such a folder is hidden and could not be opened "
            u"again."},
        RefusalCase{u"a:b", NameFault::ForbiddenCharacter, u"A name cannot hold the character ':'."},
        RefusalCase{u"sub/dir", NameFault::ForbiddenCharacter, u"A name cannot hold the character '/'."},
        RefusalCase{u"tab\there", NameFault::ForbiddenCharacter, u"A name cannot hold the character U+0009."},
        RefusalCase{u"trail ", NameFault::TrailingDotOrBlank, u"A name cannot end with a dot or a blank."},
        RefusalCase{u"con.txt", NameFault::ReservedByWindows, u"The name con is reserved by Windows."},
        RefusalCase{u"ConOut$", NameFault::ReservedByWindows, u"The name ConOut$ is reserved by Windows."},
        RefusalCase{u"lpt\u00B2.a.b", NameFault::ReservedByWindows,
                    u"The name lpt\u00B2 is reserved by Windows."},
        // portable, yet the folder could not be made: no rule to name
        RefusalCase{u"Plant A", NameFault::None, nullptr}));

TEST(RefusalMessageOtherTextsTest, EmptyAndExistingNamesKeepTheirOneLineTexts) {
    TextTable texts;
    texts.LoadDefaultTexts();
    EXPECT_EQ(refusalMessage(texts, CreateOutcome::EmptyName, QString()), texts[32]);
    EXPECT_EQ(refusalMessage(texts, CreateOutcome::AlreadyExists, QStringLiteral("x")), texts[31]);
}

class ConfigurationsTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    UComon state;
    void SetUp() override { runWorkspaceStartUp(state, dir.path()); }
    QString projects(const QString& name) const { return joinPath(state.ProjectsDir, name); }
};

TEST_F(ConfigurationsTest, CreatesTheFolderWithBinAndMakesItActive) {
    EXPECT_EQ(createConfiguration(state, QStringLiteral("Plant A")), CreateOutcome::Created);
    EXPECT_TRUE(QFileInfo(projects(QStringLiteral("Plant A/bin"))).isDir());
    EXPECT_EQ(state.LastProjectName, QStringLiteral("Plant A"));
    EXPECT_EQ(state.ProjectDir, projects(QStringLiteral("Plant A")));
    EXPECT_EQ(state.ParGenFile, joinPath(projects(QStringLiteral("Plant A")), QStringLiteral("ParGen.xml")));
}

TEST_F(ConfigurationsTest, RefusesWithTheTextOfEachCaseAndChangesNothing) {
    createConfiguration(state, QStringLiteral("Existing"));
    const UComon before = state;
    struct Case {
        QString name;
        CreateOutcome outcome;
        int text;
    };
    const Case cases[] = {
        {QString(), CreateOutcome::EmptyName, 32},
        {QStringLiteral("Existing"), CreateOutcome::AlreadyExists, 31},
        {QStringLiteral("a:b"), CreateOutcome::NotValid, 30},
        {QStringLiteral("Existing/bin"), CreateOutcome::NotValid, 30},
        {QStringLiteral(".."), CreateOutcome::NotValid, 30},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(createConfiguration(state, c.name), c.outcome) << qPrintable(c.name);
        EXPECT_EQ(textIndexOf(c.outcome), c.text);
        EXPECT_EQ(state.ProjectDir, before.ProjectDir);
        EXPECT_EQ(state.LastProjectName, before.LastProjectName);
    }
    EXPECT_EQ(QDir(state.ProjectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Existing"});
}

TEST_F(ConfigurationsTest, ANameEqualToAnExistingOneButForCaseAlreadyExists) {
    QDir().mkpath(projects(QStringLiteral("Plant A")));
    for (const char* name : {"plant a", "PLANT A", "pLaNt A"}) {
        EXPECT_EQ(createConfiguration(state, QString::fromUtf8(name)), CreateOutcome::AlreadyExists) << name;
        EXPECT_EQ(state.ProjectDir, QString()) << name;
    }
    // Windows folds more letters than a-z.
    EXPECT_EQ(createConfiguration(state, QStringLiteral("\u00C9t\u00E9")), CreateOutcome::Created);
    EXPECT_EQ(createConfiguration(state, QStringLiteral("\u00E9T\u00C9")), CreateOutcome::AlreadyExists);
    EXPECT_EQ(createConfiguration(state, QStringLiteral("Plant AB")), CreateOutcome::Created);
    EXPECT_EQ(QDir(state.ProjectsDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 3);
}

TEST_F(ConfigurationsTest, AFolderThatCannotBeCreatedIsNotValid) {
    // PROJECTS replaced by a file: no folder can be made inside it.
    QDir(state.ProjectsDir).removeRecursively();
    test::writeFile(state.ProjectsDir, "not a folder");
    EXPECT_EQ(createConfiguration(state, QStringLiteral("New")), CreateOutcome::NotValid);
    EXPECT_EQ(state.ProjectDir, QString());
}

TEST_F(ConfigurationsTest, ListsOnlyVisibleFolders) {
    for (const char* name : {"B", "a", ".hidden", "C"})
        QDir().mkpath(projects(QString::fromUtf8(name)));
    test::writeFile(projects(QStringLiteral("file.xml")), "x");
    QStringList names = listConfigurations(state.ProjectsDir);
    names.sort();
    EXPECT_EQ(names, (QStringList{"B", "C", "a"}));
}

TEST_F(ConfigurationsTest, SearchFoldsOnlyTheLettersAToZ) {
    const QStringList names = {"Alpha", "beta", "\u00C9t\u00E9"};
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("BETA")), 1);
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("alpha")), 0);
    EXPECT_EQ(Search_Open_Conf(names, QStringLiteral("\u00E9T\u00E9")), -1);
    EXPECT_EQ(Search_Open_Conf(names, QString()), -1);
}

struct ModeCase {
    const char* file; // nullptr: no file
    bool enabled;
    friend void PrintTo(const ModeCase& c, std::ostream* os) { *os << (c.file ? c.file : "(no file)"); }
};

class TranslateTableFlagTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(TranslateTableFlagTest, IsSetExactlyForModeOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    if (GetParam().file)
        test::writeFile(path, GetParam().file);
    EXPECT_EQ(readTranslateTableFlag(path), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TranslateTableFlagTest,
    ::testing::Values(ModeCase{"<General_Parameter><MODE>1</MODE></General_Parameter>", true},
                      ModeCase{"<AnyName><MODE> 1</MODE></AnyName>", true},
                      ModeCase{"<G><MODE>$1</MODE></G>", true}, ModeCase{"<G><MODE>0</MODE></G>", false},
                      ModeCase{"<G><MODE>2</MODE></G>", false}, ModeCase{"<G><MODE></MODE></G>", false},
                      ModeCase{"<G><MODE>1 </MODE></G>", false},
                      ModeCase{"<G><TCP_IP1>1</TCP_IP1></G>", false},
                      ModeCase{"<!--c--><G><MODE>1</MODE></G>", false}, ModeCase{nullptr, false}));

TEST(TranslateTableFlagErrorTest, NotWellFormedFileThrowsNamingIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    test::writeFile(path, "<G><MODE>1</MODE>");
    EXPECT_THROW(readTranslateTableFlag(path), XmlParseError);
}

} // namespace
} // namespace zz
