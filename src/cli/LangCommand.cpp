#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "lang/TextTable.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace zz::cli {

namespace {

// Writes an entry as a language-file line that reads back to the same text.
QString asLanguageLine(int index, const QString& text) {
    const bool needsMarks = text.isEmpty() || text.front().unicode() <= 32 || text.back().unicode() <= 32;
    const QString shown = needsMarks ? QStringLiteral("\u00B6%1\u00B6").arg(text) : text;
    return QStringLiteral("STR%1 = %2").arg(index).arg(shown);
}

} // namespace

int runLang(const QStringList& args) {
    bool json = false;
    QString file;
    if (!parseFileAndJsonFlag(args, QStringLiteral("usage: zevazerazu-cli lang [--json] FILE"), &file, &json))
        return kExitError;

    TextTable english;
    english.LoadDefaultTexts();
    TextTable table = english;
    LanguageFileReport report;
    try {
        report = table.LoadLanguageFile(file);
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    for (const SkippedLine& line : report.skipped) {
        if (line.entryLine)
            printErr(QStringLiteral("%1:%2: skipped: %3").arg(file).arg(line.lineNumber).arg(line.reason));
    }

    if (json) {
        printOut(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(table.entries())).toJson(QJsonDocument::Compact)));
        return kExitOk;
    }
    for (int i = 0; i < table.TextCount(); ++i) {
        if (table[i] != english[i])
            printOut(asLanguageLine(i, table[i]));
    }
    return kExitOk;
}

} // namespace zz::cli
