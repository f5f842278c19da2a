#include "lang/TextTable.h"
#include "support/CliRunner.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zz {
namespace {

class CliLangTest : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString write(const QByteArray& bytes) {
        const QString path = dir.filePath(QStringLiteral("Test.lng"));
        test::writeFile(path, bytes);
        return path;
    }

    static QStringList jsonStrings(const QByteArray& out) {
        QStringList list;
        for (const QJsonValue& v : QJsonDocument::fromJson(out).array())
            list.append(v.toString());
        return list;
    }
};

// Every row of the language-file edge cases, in one file each way it may be encoded.
TEST_F(CliLangTest, JsonReproducesTheEdgeCasesInEveryEncoding) {
    const QString lines =
        QStringLiteral("STR12 = Hello\nSTR20=Hello\nSTR5=Hi\nSTR700 = x\nSTR-1 = x\nstr13 = x\n  STR14 = x\n"
                       "STR9 = None /#/ shown when nothing is open\nSTR10 = /#/ note\nSTR44 =\u00B6 / "
                       "\u00B6\nSTR43 =\u00B6\n"
                       "STR15 = A\nSTR15 = B\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : lines)
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    const QByteArray encodings[] = {lines.toUtf8(), QByteArray("\xEF\xBB\xBF") + lines.toUtf8(), utf16};

    TextTable expected;
    expected.LoadDefaultTexts();
    expected.set(12, QStringLiteral("Hello"));
    expected.set(2, QStringLiteral("Hello"));
    expected.set(14, QStringLiteral("x"));
    expected.set(9, QStringLiteral("None"));
    expected.set(44, QStringLiteral(" / "));
    expected.set(43, QString());
    expected.set(15, QStringLiteral("B"));

    for (const QByteArray& bytes : encodings) {
        const test::CliResult result =
            test::runCli({QStringLiteral("lang"), QStringLiteral("--json"), write(bytes)});
        ASSERT_EQ(result.exitCode, 0) << result.err.constData();
        const QStringList entries = jsonStrings(result.out);
        ASSERT_EQ(entries.size(), 700);
        EXPECT_EQ(entries, expected.entries());
        // Lines 3, 4, 5, 6 and 9 were skipped and named.
        for (const char* line : {":3:", ":4:", ":5:", ":6:", ":9:"})
            EXPECT_TRUE(result.err.contains(line)) << line << "\n" << result.err.constData();
        EXPECT_FALSE(result.err.contains(":1:"));
    }
}

// A translator hears only of entry lines that set nothing, not of comments and headings.
TEST_F(CliLangTest, NamesOnlyFailedEntryLines) {
    const test::CliResult result =
        test::runCli({QStringLiteral("lang"), write("; Main window\n\nHeading without a mark\nSTR12 = "
                                                    "Ciao\nSTR12 Hello\nstr13 = x\n; STR14 = y\n")});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_EQ(result.err.count('\n'), 2) << result.err.constData();
    EXPECT_TRUE(result.err.contains(":5: skipped")) << result.err.constData();
    EXPECT_TRUE(result.err.contains(":6: skipped")) << result.err.constData();
}

TEST_F(CliLangTest, EveryShippedLanguageFileSkipsNoLine) {
    const QDir shipped(QStringLiteral(ZZ_SOURCE_DIR "/data/LANGUAGE"));
    const QStringList files = shipped.entryList({QStringLiteral("*.lng")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const test::CliResult result = test::runCli({QStringLiteral("lang"), shipped.filePath(name)});
        EXPECT_EQ(result.exitCode, 0) << name.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << name.toStdString() << ": " << result.err.constData();
    }
}

TEST_F(CliLangTest, PlainOutputListsOnlyChangedEntriesAsLinesThatReadBack) {
    const test::CliResult result = test::runCli(
        {QStringLiteral("lang"), write("STR12 = Ciao\nSTR44 =\xC2\xB6 - \xC2\xB6\nSTR0 = Begin\n")});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    EXPECT_EQ(result.out, QByteArray("STR12 = Ciao\nSTR44 = \xC2\xB6 - \xC2\xB6\n"));

    // The printed lines, read as a language file, give the same table.
    const test::CliResult again = test::runCli({QStringLiteral("lang"), write(result.out)});
    EXPECT_EQ(again.out, result.out);
}

TEST_F(CliLangTest, MissingFileAndBadUsageFail) {
    const test::CliResult missing =
        test::runCli({QStringLiteral("lang"), dir.filePath(QStringLiteral("none.lng"))});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains("none.lng")) << missing.err.constData();
    EXPECT_NE(test::runCli({QStringLiteral("lang")}).exitCode, 0);
    EXPECT_NE(test::runCli({QStringLiteral("nonsense")}).exitCode, 0);
}

TEST_F(CliLangTest, HelpAndVersion) {
    const test::CliResult help = test::runCli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("lang"));
    const test::CliResult version = test::runCli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.contains("1.002"));
}

} // namespace
} // namespace zz
