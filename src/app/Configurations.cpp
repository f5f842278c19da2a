#include "app/Configurations.h"

#include "app/Workspace.h"
#include "common/TextRules.h"
#include "common/Xml.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

namespace zz {

bool isPortableConfigurationName(const QString& name) {
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 32 || QStringView(u"<>:\"/\\|?*").contains(c))
            return false;
    }
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return false;
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])(\\..*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    return !reserved.match(name).hasMatch();
}

int textIndexOf(CreateOutcome outcome) {
    switch (outcome) {
    case CreateOutcome::EmptyName:
        return 32;
    case CreateOutcome::AlreadyExists:
        return 31;
    case CreateOutcome::NotValid:
        return 30;
    case CreateOutcome::Created:
        break;
    }
    return -1;
}

CreateOutcome createConfiguration(UComon& state, const QString& name) {
    if (name.isEmpty())
        return CreateOutcome::EmptyName;
    // A name that is not one portable folder would create a folder elsewhere or one that other
    // machines cannot open; it is refused before anything touches the disk.
    if (!isPortableConfigurationName(name))
        return CreateOutcome::NotValid;
    const QString folder = joinPath(state.ProjectsDir, name);
    if (QFileInfo(folder).isDir())
        return CreateOutcome::AlreadyExists;
    if (!QDir().mkdir(folder))
        return CreateOutcome::NotValid;
    QDir().mkpath(joinPath(folder, QStringLiteral("bin")));
    state.LastProjectName = name;
    state.ProjectDir = folder;
    Set_Files(state);
    return CreateOutcome::Created;
}

QStringList listConfigurations(const QString& projectsDir) {
    QStringList names;
    // Without QDir::Hidden and QDir::System, hidden and system entries stay out.
    QDirIterator it(projectsDir, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}

int Search_Open_Conf(const QStringList& names, const QString& name) {
    for (int i = 0; i < names.size(); ++i) {
        if (equalsFoldingAsciiLetters(names[i], name))
            return i;
    }
    return -1;
}

QString activeConfigurationFolderName(const UComon& state) {
    if (state.ProjectDir.isEmpty())
        return {};
    return state.ProjectDir.mid(state.ProjectsDir.size() + 1);
}

bool readTranslateTableFlag(const QString& parGenFile) {
    if (!QFileInfo(parGenFile).isFile())
        return false;
    pugi::xml_document doc;
    xml::load(doc, parGenFile);
    const auto mode = xml::childText(xml::firstTopLevelNode(doc), "MODE");
    return mode && wholeNumberOr(*mode, -1) == 1;
}

} // namespace zz
