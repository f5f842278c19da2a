#include "cli/CheckCommand.h"

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

namespace zz::cli {

namespace {

const TextTable& englishTexts() {
    static const TextTable table = [] {
        TextTable t;
        t.LoadDefaultTexts();
        return t;
    }();
    return table;
}

void printUsage() {
    printErr(QStringLiteral("usage: zevazerazu-cli check CONFIG_DIR"));
}

} // namespace

QStringList checkParGen(const QString& configDir) {
    const QString path = joinPath(configDir, kParGenFileName);
    GeneralParameters values;
    QStringList lines;
    if (QFileInfo::exists(path)) {
        pugi::xml_document doc;
        xml::load(doc, path);
        values = parametersFromDocument(doc);
        // The image takes the element found by name; those are the values worth checking.
        if (beginsWithoutItsElement(doc)) {
            lines.append(kParGenFileName + QStringLiteral(": ") +
                         englishTexts()[added::CheckParGenRootNotFirst]);
            values = parametersFromElement(xml::topLevelElement(doc, "General_Parameter"));
        }
    }
    for (int index : failingChecks(values))
        lines.append(kParGenFileName + QStringLiteral(": ") + englishTexts()[index]);
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

int runCheck(const QStringList& args) {
    if (args.size() != 1 || args.front().startsWith(QStringLiteral("--"))) {
        printUsage();
        return kExitError;
    }
    const QString configDir = args.front();
    if (!QFileInfo(configDir).isDir()) {
        printErr(QStringLiteral("%1: not a folder").arg(configDir));
        return kExitError;
    }

    bool unreadable = false;
    bool failed = false;
    // Every file is checked even when an earlier one could not be read.
    for (const FileChecker& checker : fileCheckers()) {
        try {
            for (const QString& line : checker.check(configDir)) {
                printOut(line);
                failed = true;
            }
        } catch (const Error& e) {
            printErr(e.message());
            unreadable = true;
        }
    }
    if (unreadable)
        return kExitError;
    return failed ? kExitCheckFailed : kExitOk;
}

} // namespace zz::cli
