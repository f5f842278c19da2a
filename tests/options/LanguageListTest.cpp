#include "options/LanguageList.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class LanguageFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TextTable english;

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        english.LoadDefaultTexts();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    void addFile(const QString& name) { test::writeFile(path(name), "STR0 = x\r\n"); }
    void addFiles(const QStringList& names) {
        for (const QString& name : names)
            addFile(name);
    }
};

TEST_F(LanguageFolderTest, SevenFilesMakeTwoPages) {
    addFiles({"A.lng", "B.lng", "C.lng", "D.lng", "E.lng", "F.lng", "G.lng"});
    const QStringList entries = languageChoices(dir.path());
    ASSERT_EQ(entries.size(), 7);

    const LanguagePageView first = languagePage(entries, 1, english, dir.path(), QStringLiteral("English"));
    EXPECT_EQ(first.pageCount, 2);
    EXPECT_EQ(first.pageLabel, QStringLiteral("Page 1 / 2"));
    EXPECT_EQ(first.selectedLabel, QStringLiteral("Selected Language : English"));
    EXPECT_FALSE(first.previousVisible);
    EXPECT_TRUE(first.nextVisible);
    ASSERT_EQ(first.languages.size(), 6);
    EXPECT_EQ(first.languages[0].name, QStringLiteral("A"));
    EXPECT_EQ(first.languages[5].name, QStringLiteral("F"));

    const LanguagePageView second = languagePage(entries, 2, english, dir.path(), QStringLiteral("English"));
    EXPECT_EQ(second.pageLabel, QStringLiteral("Page 2 / 2"));
    EXPECT_TRUE(second.previousVisible);
    EXPECT_FALSE(second.nextVisible);
    ASSERT_EQ(second.languages.size(), 1);
    EXPECT_EQ(second.languages[0].name, QStringLiteral("G"));
}

TEST_F(LanguageFolderTest, SixFilesMakeOnePageWithoutPageButtons) {
    addFiles({"A.lng", "B.lng", "C.lng", "D.lng", "E.lng", "F.lng"});
    const LanguagePageView page =
        languagePage(languageChoices(dir.path()), 1, english, dir.path(), QStringLiteral("B"));
    EXPECT_EQ(page.pageCount, 1);
    EXPECT_EQ(page.pageLabel, QStringLiteral("Page 1 / 1"));
    EXPECT_FALSE(page.previousVisible);
    EXPECT_FALSE(page.nextVisible);
    EXPECT_EQ(page.languages.size(), 6);
}

TEST_F(LanguageFolderTest, ListsPlainWritableFilesHiddenOnesIncluded) {
    addFiles({"Italiano.lng", ".Hidden.lng", "Locked.lng", "notes.txt", "English.lng.bak", "lng"});
    ASSERT_TRUE(QFile::setPermissions(path("Locked.lng"), QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                                              QFileDevice::ReadOther));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Folder.lng")));
    ASSERT_TRUE(QFile::link(path("Italiano.lng"), path("Link.lng")));
    addFile(QStringLiteral(".lng")); // no language name

    EXPECT_EQ(languageFileNames(dir.path()), (QStringList{".Hidden.lng", "Italiano.lng"}));
}

#ifndef Q_OS_WIN
TEST_F(LanguageFolderTest, OnlyTheSpellingTheLoaderOpensIsListed) {
    addFiles({"Deutsch.LNG", "Italiano.lng"});
    EXPECT_EQ(languageFileNames(dir.path()), QStringList{"Italiano.lng"});
}
#endif

TEST_F(LanguageFolderTest, SortsWithoutRegardToCase) {
    addFiles({"italiano.lng", "Zulu.lng", "English.lng", "alpha.lng", "Deutsch.lng", "francais.lng"});
    EXPECT_EQ(languageFileNames(dir.path()), (QStringList{"alpha.lng", "Deutsch.lng", "English.lng",
                                                          "francais.lng", "italiano.lng", "Zulu.lng"}));
}

// Accented initials sort by their letter, not after Z as their code points would.
TEST_F(LanguageFolderTest, SortsByTheAlphabetOfTheUsersLocale) {
    const QLocale before;
    for (const char* locale : {"en_GB", "cs_CZ", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        addFiles({QStringLiteral("Español.lng"), QStringLiteral("Dansk.lng"), QStringLiteral("Čeština.lng"),
                  QStringLiteral("Ελληνικά.lng"), QStringLiteral("deutsch.lng"),
                  QStringLiteral("Íslenska.lng")});
        EXPECT_EQ(languageFileNames(dir.path()),
                  (QStringList{QStringLiteral("Čeština.lng"), QStringLiteral("Dansk.lng"),
                               QStringLiteral("deutsch.lng"), QStringLiteral("Español.lng"),
                               QStringLiteral("Íslenska.lng"), QStringLiteral("Ελληνικά.lng")}))
            << locale;
    }
    QLocale::setDefault(before);
}

TEST_F(LanguageFolderTest, WithoutLanguageFilesEnglishIsTheOneChoice) {
    addFile(QStringLiteral("readme.txt"));
    EXPECT_TRUE(languageFileNames(dir.path()).isEmpty());
    const QStringList entries = languageChoices(dir.path());
    EXPECT_EQ(entries, QStringList{"English.lng"});

    const LanguagePageView page = languagePage(entries, 1, english, dir.path(), QStringLiteral("English"));
    EXPECT_EQ(page.pageLabel, QStringLiteral("Page 1 / 1"));
    EXPECT_FALSE(page.previousVisible);
    EXPECT_FALSE(page.nextVisible);
    ASSERT_EQ(page.languages.size(), 1);
    EXPECT_EQ(page.languages[0].name, QStringLiteral("English"));
    EXPECT_TRUE(page.languages[0].flagPath.isEmpty());

    EXPECT_EQ(languageChoices(dir.filePath(QStringLiteral("missing"))), QStringList{"English.lng"});
}

// Paging arithmetic over `count` entries named L1.lng, L2.lng, ...
struct PagingCase {
    int count;
    int page;
    int pageCount;
    bool previousVisible;
    bool nextVisible;
    int firstShown; // number of the first language on the page, 0 when none
    int shown;
    const char* label;
};

class LanguagePagingTest : public ::testing::TestWithParam<PagingCase> {};

TEST_P(LanguagePagingTest, FollowsTheSixSlotPages) {
    const PagingCase& c = GetParam();
    QStringList entries;
    for (int i = 1; i <= c.count; ++i)
        entries.append(QStringLiteral("L%1.lng").arg(i));
    TextTable english;
    english.LoadDefaultTexts();

    const LanguagePageView view =
        languagePage(entries, c.page, english, QStringLiteral("/nonexistent"), "L1");
    EXPECT_EQ(view.pageCount, c.pageCount);
    EXPECT_EQ(view.previousVisible, c.previousVisible);
    EXPECT_EQ(view.nextVisible, c.nextVisible);
    EXPECT_EQ(view.pageLabel, QString::fromLatin1(c.label));
    ASSERT_EQ(view.languages.size(), c.shown);
    for (int k = 0; k < c.shown; ++k)
        EXPECT_EQ(view.languages[k].name, QStringLiteral("L%1").arg(c.firstShown + k));
}

INSTANTIATE_TEST_SUITE_P(Table, LanguagePagingTest,
                         ::testing::Values(PagingCase{1, 1, 1, false, false, 1, 1, "Page 1 / 1"},
                                           PagingCase{5, 1, 1, false, false, 1, 5, "Page 1 / 1"},
                                           PagingCase{12, 2, 2, true, false, 7, 6, "Page 2 / 2"},
                                           PagingCase{13, 1, 3, false, true, 1, 6, "Page 1 / 3"},
                                           PagingCase{13, 2, 3, true, true, 7, 6, "Page 2 / 3"},
                                           PagingCase{13, 3, 3, true, false, 13, 1, "Page 3 / 3"},
                                           // a page past the end draws the last page
                                           PagingCase{7, 5, 2, true, false, 7, 1, "Page 2 / 2"},
                                           // no entry at all: nothing to page through
                                           PagingCase{0, 1, 0, false, false, 0, 0, "Page 1 / 0"}));

TEST(LanguagePagesTest, PageCountHoldsEveryLanguage) {
    const int expected[][2] = {{0, 0}, {1, 1}, {6, 1}, {7, 2}, {12, 2}, {13, 3}, {36, 6}, {37, 7}};
    for (const auto& [count, pages] : expected)
        EXPECT_EQ(languagePageCount(count), pages) << count;
}

TEST(LanguagePagesTest, SlotsAddressTheEntriesOfTheirPage) {
    const QStringList entries{"A.lng", "B.lng", "C.lng", "D.lng", "E.lng", "F.lng", "G.lng"};
    EXPECT_EQ(entryAtSlot(entries, 1, 1), QStringLiteral("A.lng"));
    EXPECT_EQ(entryAtSlot(entries, 1, 6), QStringLiteral("F.lng"));
    EXPECT_EQ(entryAtSlot(entries, 2, 1), QStringLiteral("G.lng"));
    EXPECT_EQ(entryAtSlot(entries, 2, 2), std::nullopt);
    EXPECT_EQ(entryAtSlot(entries, 1, 0), std::nullopt);
    EXPECT_EQ(entryAtSlot(entries, 1, 7), std::nullopt);
    EXPECT_EQ(entryAtSlot(entries, 0, 1), std::nullopt);
    EXPECT_EQ(languageNameOfEntry(QStringLiteral("Italiano.lng")), QStringLiteral("Italiano"));
}

TEST(LanguagePagesTest, PageButtonsStayWithinThePages) {
    EXPECT_EQ(nextLanguagePage(1, 2), 2);
    EXPECT_EQ(nextLanguagePage(2, 2), 2);
    EXPECT_EQ(nextLanguagePage(1, 1), 1);
    EXPECT_EQ(previousLanguagePage(2), 1);
    EXPECT_EQ(previousLanguagePage(1), 1);
}

TEST(LanguagePagesTest, PageIsDrawnInTheLanguageOfTheTable) {
    TextTable italian;
    italian.LoadDefaultTexts();
    italian.set(42, QStringLiteral("Lingua selezionata : "));
    italian.set(43, QStringLiteral("Pagina "));
    italian.set(44, QStringLiteral(" di "));
    const QStringList entries{"A.lng", "B.lng", "C.lng", "D.lng", "E.lng", "F.lng", "Italiano.lng"};

    const LanguagePageView view =
        languagePage(entries, 2, italian, QStringLiteral("/nonexistent"), "Italiano");
    EXPECT_EQ(view.page, 2);
    EXPECT_EQ(view.pageLabel, QStringLiteral("Pagina 2 di 2"));
    EXPECT_EQ(view.selectedLabel, QStringLiteral("Lingua selezionata : Italiano"));
}

TEST(LanguagePagesTest, AsksWithTheOldAndTheNewLanguage) {
    TextTable texts;
    texts.LoadDefaultTexts();
    EXPECT_EQ(languageChangeQuestion(texts, QStringLiteral("English"), QStringLiteral("Italiano")),
              QStringLiteral("Do you want to change the Language from English to Italiano?"));
    texts.set(54, QStringLiteral("<"));
    texts.set(55, QStringLiteral("|"));
    texts.set(56, QStringLiteral(">"));
    EXPECT_EQ(languageChangeQuestion(texts, QStringLiteral("a"), QStringLiteral("b")),
              QStringLiteral("<a|b>"));
}

struct FlagCase {
    const char* name;
    QStringList files; // present in the folder
    const char* flag;  // the picture shown, empty when the flag is hidden
};

class FlagPictureTest : public LanguageFolderTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(FlagPictureTest, OwnFlagElseDefaultElseNone) {
    const FlagCase& c = GetParam();
    for (const QString& file : c.files) {
        if (file.endsWith(u'/'))
            ASSERT_TRUE(QDir(dir.path()).mkdir(file.chopped(1)));
        else
            addFile(file);
    }
    const QString expected = *c.flag ? QDir(dir.path()).filePath(QString::fromLatin1(c.flag)) : QString();
    EXPECT_EQ(QDir::fromNativeSeparators(flagPicture(dir.path(), QString::fromLatin1(c.name))), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FlagPictureTest,
    ::testing::Values(FlagCase{"Italiano", {"Italiano.bmp", "DefaultFlag.bmp"}, "Italiano.bmp"},
                      FlagCase{"Italiano", {"Italiano.bmp"}, "Italiano.bmp"},
                      FlagCase{"Deutsch", {"Italiano.bmp", "DefaultFlag.bmp"}, "DefaultFlag.bmp"},
                      FlagCase{"Deutsch", {"Deutsch.bmp/", "DefaultFlag.bmp"}, "DefaultFlag.bmp"},
                      FlagCase{"Deutsch", {"Italiano.bmp"}, ""}, FlagCase{"Deutsch", {}, ""}));

TEST_F(LanguageFolderTest, SlotsCarryTheirFlags) {
    addFiles({"Deutsch.lng", "Italiano.lng", "Italiano.bmp", "DefaultFlag.bmp"});
    const LanguagePageView view =
        languagePage(languageChoices(dir.path()), 1, english, dir.path(), "Deutsch");
    ASSERT_EQ(view.languages.size(), 2);
    EXPECT_EQ(QDir::fromNativeSeparators(view.languages[0].flagPath), path("DefaultFlag.bmp"));
    EXPECT_EQ(QDir::fromNativeSeparators(view.languages[1].flagPath), path("Italiano.bmp"));
}

} // namespace
} // namespace zz
