#include "common/Errors.h"
#include "lang/TextTable.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class LanguageFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TextTable table;
    TextTable english;

    void SetUp() override {
        table.LoadDefaultTexts();
        english.LoadDefaultTexts();
    }

    LanguageFileReport apply(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("Test.lng"));
        test::writeFile(path, bytes);
        return table.LoadLanguageFile(path);
    }

    // The indices whose text differs from English.
    QList<int> changed() const {
        QList<int> indices;
        for (int i = 0; i < 700; ++i) {
            if (table[i] != english[i])
                indices.append(i);
        }
        return indices;
    }
};

struct LineCase {
    const char* line; // UTF-8
    int index;        // the entry that changes, or -1 when nothing changes
    const char* text; // its text afterwards (UTF-8)
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class LanguageLineTest : public LanguageFileTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LanguageLineTest, AppliesOneLine) {
    const LineCase& c = GetParam();
    apply(QByteArray(c.line) + "\r\n");
    if (c.index < 0) {
        EXPECT_TRUE(changed().isEmpty()) << c.line;
    } else {
        EXPECT_EQ(changed(), QList<int>{c.index}) << c.line;
        EXPECT_EQ(table[c.index], QString::fromUtf8(c.text)) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, LanguageLineTest,
    ::testing::Values(LineCase{"STR12 = Hello", 12, "Hello"}, LineCase{"STR12=Hello", 1, "Hello"},
                      LineCase{"STR5=Hi", -1, ""}, LineCase{"STR700 = x", -1, ""},
                      LineCase{"STR-1 = x", -1, ""}, LineCase{"str12 = x", -1, ""},
                      LineCase{"  STR12 = x", 12, "x"}, LineCase{"\tSTR12 = x\t", 12, "x"},
                      LineCase{"STR9 = None /#/ shown when nothing is open", 9, "None"},
                      LineCase{"STR9 = /#/ note", -1, ""}, LineCase{"STR45 =\xC2\xB6 / \xC2\xB6", 45, " / "},
                      LineCase{"STR44 =\xC2\xB6", 44, ""},
                      LineCase{"STR12 = \xC2\xB6  Hello \xC2\xB6 tail", 12, "  Hello "},
                      LineCase{"STR12 = a\xC2\xB6"
                               "b",
                               12, "a"},
                      LineCase{"STR12 = ", -1, ""}, LineCase{"STR12 Hello", -1, ""},
                      LineCase{"STRq1 = y", -1, ""}, LineCase{"STR$A = ten", 10, "ten"},
                      LineCase{"STR 699 = last", 699, "last"}, LineCase{"STR12 = a = b", 12, "a = b"},
                      LineCase{"; STR12 = x", -1, ""}));

TEST_F(LanguageFileTest, LaterLinesOverrideEarlierOnes) {
    apply("STR12 = A\nSTR12 = B\n");
    EXPECT_EQ(table[12], QStringLiteral("B"));
    EXPECT_EQ(changed(), QList<int>{12});
}

TEST_F(LanguageFileTest, ReportsEverySkippedLineWithItsReason) {
    const LanguageFileReport report =
        apply("Comment line\n\nSTR12 Hello\nSTRq1 = y\nSTR700 = x\nSTR12 = \nSTR9 = /#/ n\nSTR3 = ok\n");
    EXPECT_EQ(report.appliedLines, 1);
    ASSERT_EQ(report.skipped.size(), 6);
    const int expectedLines[] = {1, 3, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(report.skipped[i].lineNumber, expectedLines[i]);
    EXPECT_TRUE(report.skipped[0].reason.contains(QStringLiteral("STR")));
    EXPECT_TRUE(report.skipped[1].reason.contains(QStringLiteral("=")));
    EXPECT_TRUE(report.skipped[2].reason.contains(QStringLiteral("not a number")));
    EXPECT_TRUE(report.skipped[3].reason.contains(QStringLiteral("out of range")));
    EXPECT_TRUE(report.skipped[4].reason.contains(QStringLiteral("empty")));
}

TEST_F(LanguageFileTest, ReadsEveryEncodingAndLineEnd) {
    const QString content =
        QStringLiteral("STR12 = Gr\u00FC\u00DFe \u20AC\rSTR13 = N\u00B0\nSTR14 = \u00B6 x \u00B6\r\n");
    struct Encoding {
        const char* name;
        QByteArray bytes;
    };
    QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
    for (const QChar c : content) {
        utf16le.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        utf16be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    }
    const Encoding encodings[] = {
        {"utf-8", content.toUtf8()},
        {"utf-8 with mark", QByteArray("\xEF\xBB\xBF") + content.toUtf8()},
        {"utf-16le", utf16le},
        {"utf-16be", utf16be},
        {"windows-1252", QByteArray("STR12 = Gr\xFC\xDF"
                                    "e \x80\rSTR13 = N\xB0\nSTR14 = \xB6 x \xB6\r\n")},
    };
    for (const Encoding& e : encodings) {
        table.LoadDefaultTexts();
        apply(e.bytes);
        EXPECT_EQ(table[12], QStringLiteral("Gr\u00FC\u00DFe \u20AC")) << e.name;
        EXPECT_EQ(table[13], QStringLiteral("N\u00B0")) << e.name;
        EXPECT_EQ(table[14], QStringLiteral(" x ")) << e.name;
    }
}

TEST_F(LanguageFileTest, UnreadableFileLeavesTheTableUnchanged) {
    table.set(5, QStringLiteral("kept"));
    const QString folder = dir.filePath(QStringLiteral("Folder.lng"));
    QDir().mkpath(folder);
    EXPECT_THROW(table.LoadLanguageFile(folder), FileError);
    EXPECT_THROW(table.LoadLanguageFile(dir.filePath(QStringLiteral("missing.lng"))), FileError);
    EXPECT_EQ(table[5], QStringLiteral("kept"));
}

class LoadLanguageTest : public LanguageFileTest {};

TEST_F(LoadLanguageTest, UsesTheNamedFileAndReturnsToEnglishForOtherEntries) {
    test::writeFile(dir.filePath(QStringLiteral("Italiano.lng")), "STR0 = Inizio\n");
    test::writeFile(dir.filePath(QStringLiteral("Deutsch.lng")), "STR1 = Schritt 1\n");
    QString name = QStringLiteral("Italiano");
    LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(table[0], QStringLiteral("Inizio"));
    name = QStringLiteral("Deutsch");
    const LanguageLoadResult result = LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(table[0], QStringLiteral("Begin")); // no leftover of the earlier language
    EXPECT_EQ(table[1], QStringLiteral("Schritt 1"));
    EXPECT_EQ(name, QStringLiteral("Deutsch"));
    EXPECT_TRUE(result.failure.isEmpty());
}

TEST_F(LoadLanguageTest, FallsBackToEnglishWhenTheFileIsMissing) {
    QString name = QStringLiteral("Klingon");
    LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(name, QStringLiteral("English"));
    EXPECT_TRUE(changed().isEmpty());

    test::writeFile(dir.filePath(QStringLiteral("English.lng")), "STR0 = Start\n");
    name = QString();
    LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(name, QStringLiteral("English"));
    EXPECT_EQ(table[0], QStringLiteral("Start"));
}

TEST_F(LoadLanguageTest, UnreadableFileKeepsEnglishAndSaysWhichFileFailed) {
    table.set(0, QStringLiteral("leftover"));
    QDir().mkpath(dir.filePath(QStringLiteral("Broken.lng/inner")));
    QString name = QStringLiteral("Broken");
    // A folder named like a language file is not a language file: the English fallback applies.
    LanguageLoadResult result = LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(name, QStringLiteral("English"));
    EXPECT_TRUE(result.failure.isEmpty());
    EXPECT_EQ(table[0], QStringLiteral("Begin"));

    const QString locked = dir.filePath(QStringLiteral("Locked.lng"));
    if (!test::makeUnreadableFile(locked))
        GTEST_SKIP() << "no way to make a file that cannot be read";
    name = QStringLiteral("Locked");
    result = LoadLanguage(table, dir.path(), name);
    EXPECT_EQ(name, QStringLiteral("Locked"));
    EXPECT_EQ(table[0], QStringLiteral("Begin"));
    EXPECT_TRUE(result.failure.contains(QStringLiteral("Locked.lng"))) << qPrintable(result.failure);
}

} // namespace
} // namespace zz
