#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QSet>
#include <gtest/gtest.h>

namespace zz {
namespace {

const QString kEnglishLng = QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE/English.lng");

// Every entry a window shows or a message says: the windows' index ranges of the string
// table, without the entries no window shows, plus the program's own messages.
QSet<int> entriesTheWindowsUse() {
    const int ranges[][2] = {{0, 72},    {89, 184},  {225, 226}, {244, 252},
                             {260, 261}, {264, 498}, {500, 517}, {600, 611}};
    QSet<int> indices;
    for (const auto& [first, last] : ranges) {
        for (int i = first; i <= last; ++i)
            indices.insert(i);
    }
    for (const AddedText& added : addedTexts())
        indices.insert(added.index);
    return indices;
}

QString expectedLine(int index, const QString& text) {
    const bool marked = text.isEmpty() || text.front().unicode() <= 32 || text.back().unicode() <= 32;
    return QStringLiteral("STR%1 = %2").arg(index).arg(marked ? u'\u00B6' + text + u'\u00B6' : text);
}

class ShippedLanguageFileTest : public ::testing::Test {
protected:
    TextTable english;
    void SetUp() override { english.LoadDefaultTexts(); }
};

TEST_F(ShippedLanguageFileTest, EnglishFileChangesNothing) {
    TextTable table;
    table.LoadDefaultTexts();
    table.LoadLanguageFile(kEnglishLng);
    EXPECT_EQ(table.entries(), english.entries());
}

TEST_F(ShippedLanguageFileTest, EnglishFileSetsEveryShownEntryToItsEnglishText) {
    const QString sentinel = QStringLiteral("\u0001not set");
    TextTable table;
    table.LoadDefaultTexts();
    for (int i = 0; i < table.TextCount(); ++i)
        table.set(i, sentinel);

    const LanguageFileReport report = table.LoadLanguageFile(kEnglishLng);

    const QSet<int> expected = entriesTheWindowsUse();
    for (int i = 0; i < table.TextCount(); ++i) {
        if (expected.contains(i))
            EXPECT_EQ(table[i], english[i])
                << "English.lng needs the line: " << expectedLine(i, english[i]).toStdString();
        else
            EXPECT_EQ(table[i], sentinel) << "English.lng lists entry " << i << ", which no window shows";
    }
    // One line per entry, and every entry line applies.
    EXPECT_EQ(report.appliedLines, expected.size());
}

TEST_F(ShippedLanguageFileTest, OnlyCommentLinesAreSkipped) {
    const QStringList lines = decodeTextLines(test::readFile(kEnglishLng));
    TextTable table;
    table.LoadDefaultTexts();
    const LanguageFileReport report = table.LoadLanguageFile(kEnglishLng);
    for (const SkippedLine& skipped : report.skipped) {
        ASSERT_LE(skipped.lineNumber, lines.size());
        const QString line = lines[skipped.lineNumber - 1];
        EXPECT_TRUE(line.startsWith(u';')) << "line " << skipped.lineNumber << ": " << line.toStdString()
                                           << " (" << skipped.reason.toStdString() << ")";
    }
}

// The entries a language file names: those it sets over a table that holds none of them.
QSet<int> entriesNamedBy(const QString& file, LanguageFileReport* report) {
    const QString sentinel = QStringLiteral("\u0001not set");
    TextTable table;
    table.LoadDefaultTexts();
    for (int i = 0; i < table.TextCount(); ++i)
        table.set(i, sentinel);
    *report = table.LoadLanguageFile(file);
    QSet<int> named;
    for (int i = 0; i < table.TextCount(); ++i) {
        if (table[i] != sentinel)
            named.insert(i);
    }
    return named;
}

// Every translation that ships names what English.lng names, and every one of its entry lines
// applies, so no window text it names falls back to English.
TEST_F(ShippedLanguageFileTest, EveryShippedFileCoversEveryEnglishEntry) {
    LanguageFileReport englishReport;
    const QSet<int> englishEntries = entriesNamedBy(kEnglishLng, &englishReport);
    const QDir shipped(QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE"));
    const QStringList files = shipped.entryList({QStringLiteral("*.lng")}, QDir::Files);
    ASSERT_TRUE(files.contains(QStringLiteral("English.lng")));
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = shipped.filePath(name);
        EXPECT_TRUE(test::readFile(path).startsWith("\xEF\xBB\xBF"));
        LanguageFileReport report;
        const QSet<int> named = entriesNamedBy(path, &report);
        for (const int index : englishEntries)
            EXPECT_TRUE(named.contains(index))
                << "needs STR" << index << " (" << english[index].toStdString() << ")";
        for (const SkippedLine& skipped : report.skipped)
            EXPECT_FALSE(skipped.entryLine)
                << "line " << skipped.lineNumber << ": " << skipped.reason.toStdString();

        if (name == QStringLiteral("English.lng"))
            continue;
        // A copy of English.lng with a few lines changed would leave the windows in English;
        // Modbus terms, numbers and OK may stay as they are.
        TextTable table;
        table.LoadDefaultTexts();
        table.LoadLanguageFile(path);
        QStringList stillEnglish;
        for (const int index : named) {
            if (englishEntries.contains(index) && table[index] == english[index] &&
                english[index].size() > 12)
                stillEnglish.append(QStringLiteral("STR%1").arg(index));
        }
        EXPECT_LE(stillEnglish.size(), englishEntries.size() / 10) << stillEnglish.join(u' ').toStdString();
    }
}

TEST_F(ShippedLanguageFileTest, EveryShippedLanguageHasAFlagPictureLikeTheDefault) {
    const QDir shipped(QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE"));
    const QByteArray defaultFlag = test::readFile(shipped.filePath(QStringLiteral("DefaultFlag.bmp")));
    ASSERT_GE(defaultFlag.size(), 54);
    for (const QString& language : {QStringLiteral("Italiano"), QStringLiteral("Deutsch"),
                                    QStringLiteral("Fran\u00E7ais"), QStringLiteral("Espa\u00F1ol")}) {
        const QByteArray flag = test::readFile(shipped.filePath(language + QStringLiteral(".bmp")));
        // Same size, depth and header as the default flag: only the pixels differ.
        ASSERT_EQ(flag.size(), defaultFlag.size()) << language.toStdString();
        EXPECT_EQ(flag.left(54), defaultFlag.left(54)) << language.toStdString();
        EXPECT_NE(flag, defaultFlag) << language.toStdString();
    }
}

TEST_F(ShippedLanguageFileTest, HasAByteOrderMarkSoEveryReaderTakesItAsUtf8) {
    EXPECT_TRUE(test::readFile(kEnglishLng).startsWith("\xEF\xBB\xBF"));
}

TEST_F(ShippedLanguageFileTest, BuildCopiesTheLanguageFolderBesideTheProgram) {
    for (const char* name : {"English.lng", "DefaultFlag.bmp"}) {
        const QByteArray source = test::readFile(QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE/") + name);
        ASSERT_FALSE(source.isEmpty()) << name;
        EXPECT_EQ(test::readFile(test::binDir() + QStringLiteral("/LANGUAGE/") + name), source) << name;
    }
}

} // namespace
} // namespace zz
