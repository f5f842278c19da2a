#include "cli/CliOutput.h"
#include "cli/Commands.h"
#include "common/Errors.h"
#include "image/ImageDecoder.h"
#include "image/ImageRestore.h"

#include <QDir>

namespace zz::cli {

namespace {

const QString kUsage = QStringLiteral("usage: zevazerazu-cli restore BANK_FILE CONFIG_DIR [--force]");

} // namespace

int runRestore(const QStringList& args) {
    bool force = false;
    QStringList paths;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--force") && !force)
            force = true;
        else if (paths.size() < 2 && !arg.startsWith(QStringLiteral("--")))
            paths.append(arg);
        else {
            printErr(kUsage);
            return kExitError;
        }
    }
    if (paths.size() != 2) {
        printErr(kUsage);
        return kExitError;
    }
    const QString& bankFile = paths[0];
    const QString& configDir = paths[1];

    image::RestoreAnalysis analysis;
    try {
        analysis = image::analyseForRestore(image::readBankFile(bankFile));
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    if (!analysis.configuration) {
        printErr(QStringLiteral("%1: no configuration composes this image:")
                     .arg(QDir::toNativeSeparators(bankFile)));
        for (const QString& reason : analysis.refusals)
            printErr(reason);
        return kExitCheckFailed;
    }

    const QStringList existing = image::existingRestoredFiles(configDir);
    if (!existing.isEmpty() && !force) {
        for (const QString& name : existing)
            printErr(QStringLiteral("%1: already exists; --force replaces it")
                         .arg(QDir::toNativeSeparators(QDir(configDir).filePath(name))));
        return kExitError;
    }
    try {
        image::writeRestoredConfiguration(*analysis.configuration, configDir);
    } catch (const Error& e) {
        printErr(e.message());
        return kExitError;
    }
    printOut(QStringLiteral("%1: restored from %2")
                 .arg(QDir::toNativeSeparators(configDir), QDir::toNativeSeparators(bankFile)));
    if (!analysis.configuration->defaultsTaken.isEmpty()) {
        printErr(QStringLiteral("not in the image, so the defaults were written:"));
        for (const QString& line : analysis.configuration->defaultsTaken)
            printErr(QStringLiteral("  ") + line);
    }
    return kExitOk;
}

} // namespace zz::cli
