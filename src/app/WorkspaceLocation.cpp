#include "app/WorkspaceLocation.h"

#include "app/Workspace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zz {

namespace {

bool isFolder(const QString& path) {
    return QFileInfo(path).isDir();
}

QString cleanAbsolute(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

} // namespace

QString installedDataDir(const QString& executableDir) {
    const QDir bin(cleanAbsolute(executableDir));
    if (bin.dirName() != QStringLiteral("bin"))
        return {};
    const QString data = QDir::cleanPath(bin.absoluteFilePath(QStringLiteral("../share/zevazerazu")));
    return isFolder(data) ? data : QString();
}

WorkspaceLocation chooseWorkspace(const QString& executableDir, const QString& givenWorkspace,
                                  const QString& perUserDir) {
    WorkspaceLocation location;
    const QString installed = installedDataDir(executableDir);
    location.shippedLanguageDir = installed.isEmpty()
                                      ? joinPath(cleanAbsolute(executableDir), QStringLiteral("LANGUAGE"))
                                      : joinPath(installed, QStringLiteral("LANGUAGE"));
    if (!isFolder(location.shippedLanguageDir))
        location.shippedLanguageDir.clear();

    if (!givenWorkspace.isEmpty()) {
        location.folder = cleanAbsolute(givenWorkspace);
        location.rule = WorkspaceRule::Given;
    } else if (!installed.isEmpty()) {
        location.folder = cleanAbsolute(perUserDir);
        location.rule = WorkspaceRule::PerUser;
    } else {
        location.folder = cleanAbsolute(executableDir);
        location.rule = WorkspaceRule::BesideExecutable;
    }
    return location;
}

QString workspaceRuleDescription(const WorkspaceLocation& location) {
    const QString folder = QDir::toNativeSeparators(location.folder);
    switch (location.rule) {
    case WorkspaceRule::Given:
        return QStringLiteral("workspace: %1 (given with --workspace)").arg(folder);
    case WorkspaceRule::PerUser:
        return QStringLiteral("workspace: %1 (installed copy: the per-user data folder)").arg(folder);
    case WorkspaceRule::BesideExecutable:
        break;
    }
    return QStringLiteral("workspace: %1 (not installed: the folder of the executable)").arg(folder);
}

QStringList addMissingLanguageFiles(const QString& languageDir, const QString& shippedDir) {
    QStringList copied;
    if (shippedDir.isEmpty() || !isFolder(shippedDir) ||
        cleanAbsolute(shippedDir) == cleanAbsolute(languageDir))
        return copied;
    if (!isFolder(languageDir) && !QDir().mkpath(languageDir))
        return copied;
    const QFileInfoList shipped = QDir(shippedDir)
                                      .entryInfoList({QStringLiteral("*.lng"), QStringLiteral("*.bmp")},
                                                     QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QFileInfo& file : shipped) {
        const QString target = joinPath(languageDir, file.fileName());
        // Anything of that name, even a link or a folder, is the user's and stays.
        if (QFileInfo(target).exists() || QFileInfo(target).isSymLink())
            continue;
        if (QFile::copy(file.absoluteFilePath(), target)) {
            // The copy is the user's to edit, whatever the shipped file's mode.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner |
                                              QFileDevice::ReadOwner);
            copied.append(file.fileName());
        }
    }
    return copied;
}

} // namespace zz
