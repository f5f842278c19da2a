#pragma once

#include <QString>
#include <QStringList>

namespace zz {

// Which folder holds MASTER, PROJECTS, LANGUAGE and the settings file.
enum class WorkspaceRule {
    Given,            // --workspace DIR
    BesideExecutable, // a copy run from its build or unpacked folder
    PerUser,          // an installed copy: the per-user data folder
};

struct WorkspaceLocation {
    QString folder;
    WorkspaceRule rule = WorkspaceRule::BesideExecutable;
    // Where the language files that came with the program are; empty when there are none.
    QString shippedLanguageDir;
};

// The shared data of an installed copy: <prefix>/share/zevazerazu for an executable in
// <prefix>/bin. Empty when the executable is not installed that way.
QString installedDataDir(const QString& executableDir);

// Applies the workspace rule: `givenWorkspace` when not empty, else `perUserDir` for an
// installed copy, else the executable's folder. The shipped language files are those of the
// installed data, else the LANGUAGE folder beside the executable.
WorkspaceLocation chooseWorkspace(const QString& executableDir, const QString& givenWorkspace,
                                  const QString& perUserDir);

// One line for --help and the README: which folder the rule picks and why.
QString workspaceRuleDescription(const WorkspaceLocation& location);

// Copies every .lng and .bmp file of `shippedDir` that `languageDir` lacks, creating
// `languageDir` when needed. A file already there is never replaced. Returns the names copied.
QStringList addMissingLanguageFiles(const QString& languageDir, const QString& shippedDir);

} // namespace zz
