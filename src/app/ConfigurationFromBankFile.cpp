#include "app/ConfigurationFromBankFile.h"

#include "app/Workspace.h"
#include "common/Errors.h"
#include "image/ImageDecoder.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

#include <QDir>

namespace zz {

namespace {

QString listed(const QString& heading, const QStringList& lines, const TextTable& texts, int shown) {
    QStringList parts{heading};
    parts += atMostLines(lines, texts, shown);
    return parts.join(QLatin1Char('\n'));
}

} // namespace

image::RestoreAnalysis analyseBankFile(const QString& bankFile) {
    return image::analyseForRestore(image::readBankFile(bankFile));
}

CreateOutcome createConfigurationFromImage(UComon& state, const QString& name,
                                           const image::RestoredConfiguration& configuration) {
    const CreateOutcome outcome = createConfigurationFolder(state, name);
    if (outcome != CreateOutcome::Created)
        return outcome;
    const QString folder = joinPath(state.ProjectsDir, name);
    try {
        image::writeRestoredConfiguration(configuration, folder);
    } catch (const Error&) {
        // The folder is the one made just above, so nothing of the user's goes with it; a
        // half-written configuration would compose another image than the bank file.
        QDir(folder).removeRecursively();
        throw;
    }
    state.LastProjectName = name;
    state.ProjectDir = folder;
    Set_Files(state);
    return CreateOutcome::Created;
}

QString bankFileUnreadableMessage(const TextTable& texts, const QString& bankFile, const QString& problem) {
    return texts[added::BankFileUnreadable].arg(QDir::toNativeSeparators(bankFile)) + u'\n' + problem;
}

QString bankFileRefusedMessage(const TextTable& texts, const QString& bankFile, const QStringList& reasons,
                               int shown) {
    return listed(texts[added::BankFileRefused].arg(QDir::toNativeSeparators(bankFile)), reasons, texts,
                  shown);
}

QString restoredFilesNotWrittenMessage(const TextTable& texts, const QString& error) {
    return texts[added::RestoredFilesNotWritten] + u'\n' + error;
}

QString defaultsTakenMessage(const TextTable& texts, const QStringList& defaultsTaken, int shown) {
    if (defaultsTaken.isEmpty())
        return {};
    return listed(texts[added::RestoredDefaultsTaken], defaultsTaken, texts, shown);
}

} // namespace zz
