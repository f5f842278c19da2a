#pragma once

#include "app/Configurations.h"
#include "image/ImageRestore.h"

#include <QString>
#include <QStringList>

namespace zz {

class TextTable;

// Reads a bank file and works out the configuration files that give it back. Throws
// FileError naming the file when it cannot be read or is not the length of a bank file.
image::RestoreAnalysis analyseBankFile(const QString& bankFile);

// Creates the configuration `name` under PROJECTS holding the files of `configuration` and
// makes it active; names are refused as createConfiguration refuses them. When writing the
// files fails, the folder this call created is removed again, the active configuration stays
// as it was and the FileError is thrown on.
CreateOutcome createConfigurationFromImage(UComon& state, const QString& name,
                                           const image::RestoredConfiguration& configuration);

// The lines a box lists at most before it says how many more there are.
inline constexpr int kBankFileLinesShown = 20;

// The error box of a bank file that cannot be read: the file and the problem.
QString bankFileUnreadableMessage(const TextTable& texts, const QString& bankFile, const QString& problem);

// The error box of a bank file that no configuration gives: the file and why, at most
// `shown` reasons and then how many more.
QString bankFileRefusedMessage(const TextTable& texts, const QString& bankFile, const QStringList& reasons,
                               int shown = kBankFileLinesShown);

// The error box when the files of the new configuration cannot be written.
QString restoredFilesNotWrittenMessage(const TextTable& texts, const QString& error);

// The warning about what the bank file does not hold; empty when every value came from it.
QString defaultsTakenMessage(const TextTable& texts, const QStringList& defaultsTaken,
                             int shown = kBankFileLinesShown);

} // namespace zz
