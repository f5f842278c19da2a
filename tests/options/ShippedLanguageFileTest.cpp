#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"

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
