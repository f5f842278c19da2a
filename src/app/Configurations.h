#pragma once

#include "app/UComon.h"

#include <QString>
#include <QStringList>

namespace zz {

// True when `name` can be one configuration folder on every platform: not "." or "..", no
// path separator, none of <>:"|?* or control characters, no trailing dot or blank, and not a
// name Windows reserves (CON, PRN, AUX, NUL, COM1-9, LPT1-9, also with an extension).
bool isPortableConfigurationName(const QString& name);

// The outcome of creating a configuration, with the text index the user is shown.
enum class CreateOutcome {
    Created,
    EmptyName,     // text 32
    AlreadyExists, // text 31
    NotValid,      // text 30: not portable, or the folder could not be created
};

int textIndexOf(CreateOutcome outcome);

// Creates ProjectsDir/name and its "bin" subfolder and makes it the active configuration.
// The name is taken exactly as typed. Nothing changes unless the result is Created.
CreateOutcome createConfiguration(UComon& state, const QString& name);

// The configuration folders under PROJECTS that are neither hidden nor system entries, in
// the order the file system returns them.
QStringList listConfigurations(const QString& projectsDir);

// The position of the first name equal to `name` without regard to the case of a-z, or -1.
int Search_Open_Conf(const QStringList& names, const QString& name);

// The active configuration's name as it stands in ProjectDir, empty when none is active.
QString activeConfigurationFolderName(const UComon& state);

// Reads MODE from the parameter file: true exactly when it reads as the whole number 1. A
// missing file, root or MODE gives false; a file that is not well-formed throws XmlParseError.
bool readTranslateTableFlag(const QString& parGenFile);

} // namespace zz
