#include "app/Workspace.h"

#include "app/SettingsFile.h"
#include "common/Errors.h"
#include "lang/AddedTexts.h"

#include <QDir>
#include <QFileInfo>

namespace zz {

namespace {

QString withoutTrailingSeparator(QString path) {
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(QDir::separator())))
        path.chop(1);
    return path;
}

bool isFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

} // namespace

QString joinPath(const QString& folder, const QString& name) {
    return folder + QDir::separator() + name;
}

bool versionTimerWanted(const UComon& state) {
    return state.EnableInternet && state.EnableUpdateCheck;
}

void Set_Files(UComon& state) {
    state.ParGenFile = joinPath(state.ProjectDir, QStringLiteral("ParGen.xml"));
    state.TranslateTableFile = joinPath(state.ProjectDir, QStringLiteral("var.xml"));
    state.EnableFunctionsFile = joinPath(state.ProjectDir, QStringLiteral("EnableFunctions.xml"));
}

void activateConfiguration(UComon& state, const QString& name) {
    state.LastProjectName = name;
    const QString folder = joinPath(state.ProjectsDir, name);
    state.ProjectDir = !name.isEmpty() && isFolder(folder) ? folder : QString();
    Set_Files(state);
}

StartupReport runWorkspaceStartUp(UComon& state, const QString& appDir) {
    StartupReport report;

    const QString absoluteAppDir = QDir(appDir).absolutePath();
    QDir().mkpath(absoluteAppDir);
    state.AppDir = withoutTrailingSeparator(QDir::toNativeSeparators(absoluteAppDir));
    state.MasterDir = joinPath(state.AppDir, QStringLiteral("MASTER"));
    state.ProjectsDir = joinPath(state.AppDir, QStringLiteral("PROJECTS"));
    state.LanguageDir = joinPath(state.AppDir, QStringLiteral("LANGUAGE"));
    // One level each; a folder that cannot be created fails later where it is used.
    for (const QString& folder : {state.MasterDir, state.ProjectsDir, state.LanguageDir}) {
        if (!isFolder(folder))
            QDir().mkdir(folder);
    }

    state.LastProjectName.clear();
    setDefaultSettings(state);
    const QString settingsPath = settingsFilePath(state);
    int settingsProblemText = -1;
    QString settingsProblem;
    if (QFileInfo::exists(settingsPath)) {
        // Either way start-up goes on with the defaults of a missing file.
        try {
            readSettings(state, settingsPath);
        } catch (const XmlParseError& e) {
            // The broken file stays until the next save, which keeps a copy of it.
            setDefaultSettings(state);
            state.KeepBrokenSettingsOnSave = true;
            settingsProblemText = added::SettingsNotWellFormed;
            settingsProblem = e.message();
        } catch (const Error& e) {
            // A file that cannot even be read cannot be copied either; the next save replaces it.
            setDefaultSettings(state);
            settingsProblemText = added::SettingsUnreadable;
            settingsProblem = e.message();
        }
    }

    state.MainTitle = kMainTitle;
    state.SoftwareCode = kSoftwareCode;
    state.SoftwareDescription = kSoftwareDescription;

    const LanguageLoadResult language = LoadLanguage(state.Texts, state.LanguageDir, state.LanguageName);
    // Reported in the language that is now in use, which is English when the file failed.
    if (settingsProblemText >= 0)
        report.problems.append(state.Texts[settingsProblemText] + settingsProblem);
    if (!language.failure.isEmpty())
        report.problems.append(state.Texts[added::LanguageFileUnreadable] + language.failure);

    const QString storedName = state.LastProjectName;
    activateConfiguration(state, storedName);
    return report;
}

} // namespace zz
