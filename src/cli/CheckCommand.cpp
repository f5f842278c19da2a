#include "cli/CheckCommand.h"

#include "app/ConfigurationReview.h"
#include "app/Workspace.h"
#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "params/ParGenFile.h"
#include "params/ParameterChecks.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableChecks.h"
#include "tables/TranslateTableFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zz::cli {

namespace {

void printUsage() {
    printErr(QStringLiteral("usage: zevazerazu-cli check CONFIG_DIR [--json] [--warnings-as-errors]"));
}

} // namespace

QStringList checkParGen(const QString& configDir) {
    QStringList lines;
    for (const ConfigurationEntry& failure : parGenFailures(configDir))
        lines.append(failure.line(false));
    return lines;
}

const std::vector<FileChecker>& fileCheckers() {
    static const std::vector<FileChecker> list = {
        {kParGenFileName, checkParGen},
        {kTranslateTableFileName, checkTranslateTableFile},
        {kEnabledFunctionsFileName, checkEnabledFunctionsFile},
    };
    return list;
}

namespace {

QJsonArray jsonEntries(const QVector<ConfigurationEntry>& entries) {
    QJsonArray array;
    for (const ConfigurationEntry& entry : entries) {
        QJsonArray rows;
        for (int row : entry.rows)
            rows.append(row);
        array.append(QJsonObject{{QStringLiteral("file"), entry.file},
                                 {QStringLiteral("kind"), entry.kind},
                                 {QStringLiteral("rows"), rows},
                                 {QStringLiteral("message"), entry.message}});
    }
    return array;
}

} // namespace

int runCheck(const QStringList& args) {
    bool json = false;
    bool warningsAsErrors = false;
    QStringList folders;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json") && !json)
            json = true;
        else if (arg == QStringLiteral("--warnings-as-errors") && !warningsAsErrors)
            warningsAsErrors = true;
        else
            folders.append(arg);
    }
    if (folders.size() != 1 || folders.front().startsWith(QStringLiteral("--"))) {
        printUsage();
        return kExitError;
    }
    const QString configDir = folders.front();
    if (!QFileInfo(configDir).isDir()) {
        printErr(QStringLiteral("%1: not a folder").arg(configDir));
        return kExitError;
    }

    // Every file is reviewed even when an earlier one could not be read.
    const ConfigurationReview review = reviewConfiguration(configDir, englishTexts());
    for (const QString& message : review.unreadable)
        printErr(message);
    if (json) {
        const QJsonObject root{{QStringLiteral("failures"), jsonEntries(review.failures)},
                               {QStringLiteral("warnings"), jsonEntries(review.warnings)}};
        printOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)).trimmed());
    } else {
        for (const ConfigurationEntry& failure : review.failures)
            printOut(failure.line(false));
        for (const ConfigurationEntry& warning : review.warnings)
            printOut(warning.line(true));
    }
    if (!review.unreadable.isEmpty())
        return kExitError;
    const bool failed = !review.failures.isEmpty() || (warningsAsErrors && !review.warnings.isEmpty());
    return failed ? kExitCheckFailed : kExitOk;
}

} // namespace zz::cli
