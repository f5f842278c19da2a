#pragma once

#include "app/UComon.h"

#include <QString>
#include <QStringList>

namespace zz {

// Joins two path parts with the platform's separator.
QString joinPath(const QString& folder, const QString& name);

// What the start-up could not do by itself; the program shows each problem to the user.
struct StartupReport {
    QStringList problems;
};

// The workspace start-up: folders, settings file or defaults, titles, string table and
// language, active configuration and file paths. `appDir` is the application folder.
StartupReport runWorkspaceStartUp(UComon& state, const QString& appDir);

// True when the periodic version check is to run.
bool versionTimerWanted(const UComon& state);

// Recomputes the three configuration file paths from ProjectDir.
void Set_Files(UComon& state);

// Makes `name` the active configuration when its folder exists under PROJECTS, else leaves no
// configuration active; LastProjectName takes `name` either way. Calls Set_Files.
void activateConfiguration(UComon& state, const QString& name);

} // namespace zz
