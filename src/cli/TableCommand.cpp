#include "app/Workspace.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TableCsv.h"
#include "tables/TranslateTableFile.h"

#include <QFileInfo>
#include <cstdio>

namespace zz::cli {

namespace {

const QString kUsage = QStringLiteral("usage: zevazerazu-cli table export CONFIG_DIR [--output FILE]\n"
                                      "       zevazerazu-cli table import CONFIG_DIR FILE");

bool isFolder(const QString& path) {
    if (QFileInfo(path).isDir())
        return true;
    printErr(QStringLiteral("%1: not a folder").arg(path));
    return false;
}

int exportTable(const QStringList& args) {
    QString configDir;
    QString output;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QStringLiteral("--output") && output.isEmpty() && i + 1 < args.size()) {
            output = args[++i];
        } else if (configDir.isEmpty() && !args[i].startsWith(QStringLiteral("--"))) {
            configDir = args[i];
        } else {
            printErr(kUsage);
            return kExitError;
        }
    }
    if (configDir.isEmpty()) {
        printErr(kUsage);
        return kExitError;
    }
    if (!isFolder(configDir))
        return kExitError;
    try {
        const TranslateTableLoad load = readTranslateTableFile(joinPath(configDir, kTranslateTableFileName));
        // The rows after an incomplete one are not in the CSV; say so rather than pass it off.
        if (load.report.missing)
            printErr(kTranslateTableFileName + QStringLiteral(": ") +
                     englishTexts()[added::CheckRowLacksAttribute].arg(
                         QString::number(load.report.missing->row), load.report.missing->attribute));
        TranslateTable table;
        table.assign(load.rows);
        const QByteArray csv = translateTableToCsv(table);
        if (output.isEmpty()) {
            std::fwrite(csv.constData(), 1, static_cast<size_t>(csv.size()), stdout);
            std::fflush(stdout);
        } else {
            writeFileAtomically(output, csv);
        }
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    return kExitOk;
}

// True when var.xml exists but was not taken over whole (broken, cut short, behind another
// node): the dialog keeps such a file as .bad before replacing it, and so does import.
bool mustKeepBeforeReplacing(const QString& varPath) {
    if (!QFileInfo::exists(varPath))
        return false;
    try {
        return !readTranslateTableFile(varPath).report.complete();
    } catch (const XmlParseError&) {
        return true;
    }
}

int importTable(const QStringList& args) {
    if (args.size() != 2 || args[0].startsWith(QStringLiteral("--")) ||
        args[1].startsWith(QStringLiteral("--"))) {
        printErr(kUsage);
        return kExitError;
    }
    const QString& configDir = args[0];
    const QString& file = args[1];
    if (!isFolder(configDir))
        return kExitError;
    try {
        const CsvImport imported = translateTableFromCsv(readWholeFile(file), englishTexts());
        if (!imported.passed()) {
            for (const QString& line : imported.failureLines(file))
                printErr(line);
            return kExitCheckFailed;
        }
        TranslateTable table;
        table.assign(imported.rows);
        const QString varPath = joinPath(configDir, kTranslateTableFileName);
        if (mustKeepBeforeReplacing(varPath)) {
            keepBrokenCopy(varPath);
            printErr(QStringLiteral("%1: not fully readable, kept as %1.bad").arg(varPath));
        }
        writeTranslateTableFile(table, varPath);
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    return kExitOk;
}

} // namespace

int runTable(const QStringList& args) {
    if (args.isEmpty()) {
        printErr(kUsage);
        return kExitError;
    }
    const QStringList rest = args.mid(1);
    if (args.front() == QStringLiteral("export"))
        return exportTable(rest);
    if (args.front() == QStringLiteral("import"))
        return importTable(rest);
    printErr(kUsage);
    return kExitError;
}

} // namespace zz::cli
