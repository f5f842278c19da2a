#pragma once

#include "app/UComon.h"

#include <QString>
#include <QStringList>

namespace zz {

// The rule a configuration name breaks, so that the user is told why it is refused.
enum class NameFault {
    None,
    Empty,
    LeadingDot,         // also "." and ".."; hidden on Linux, so never listed again
    ForbiddenCharacter, // a path separator, one of <>:"|?* or a control character
    TrailingDotOrBlank, // Windows drops them, so the folder would get another name
    ReservedByWindows,  // a device name, also with an extension ("con.txt")
};

struct NameCheck {
    NameFault fault = NameFault::None;
    QString detail; // the character or the reserved name as typed, where the rule has one
};

// Checks that `name` can be one configuration folder on every platform: not empty, no
// leading dot, no path separator, none of <>:"|?* or control characters, no trailing dot or
// blank, and not a name Windows reserves (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM0-9,
// LPT0-9 and COM/LPT with a superscript 1-3, in any case and also with an extension).
NameCheck checkConfigurationName(const QString& name);

bool isPortableConfigurationName(const QString& name);

// The outcome of creating a configuration, with the text index the user is shown.
enum class CreateOutcome {
    Created,
    EmptyName,     // text 32
    AlreadyExists, // text 31: the folder exists, or one whose name differs only in letter case
    NotValid,      // text 30: not portable, or the folder could not be created
};

int textIndexOf(CreateOutcome outcome);

// The checks of createConfiguration, in its order, without touching the disk: Created when
// `name` may become a new configuration.
CreateOutcome checkNewConfigurationName(const UComon& state, const QString& name);

// Creates ProjectsDir/name and its "bin" subfolder and makes it the active configuration.
// The name is taken exactly as typed. Nothing changes unless the result is Created.
CreateOutcome createConfiguration(UComon& state, const QString& name);

// The folder and "bin" of createConfiguration, without making it active.
CreateOutcome createConfigurationFolder(const UComon& state, const QString& name);

// The error box of a refused name: the outcome's text and, for text 30, a second line saying
// which rule the name breaks.
QString refusalMessage(const TextTable& texts, CreateOutcome outcome, const QString& name);

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
