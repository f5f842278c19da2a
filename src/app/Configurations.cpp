#include "app/Configurations.h"

#include "app/Workspace.h"
#include "common/TextRules.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace zz {

NameCheck checkConfigurationName(const QString& name) {
    if (name.isEmpty())
        return {NameFault::Empty, {}};
    if (name.startsWith(u'.'))
        return {NameFault::LeadingDot, {}};
    for (const QChar c : name) {
        if (c.unicode() < 32)
            return {NameFault::ForbiddenCharacter,
                    QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0'))};
        if (QStringView(u"<>:\"/\\|?*").contains(c))
            return {NameFault::ForbiddenCharacter, QStringLiteral("'%1'").arg(c)};
    }
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return {NameFault::TrailingDotOrBlank, {}};
    // Windows takes these as devices whatever the case and whatever extension follows.
    static const QRegularExpression reserved(
        QStringLiteral(
            "^(CON|PRN|AUX|NUL|CONIN\\$|CONOUT\\$|COM[0-9\u00B9\u00B2\u00B3]|LPT[0-9\u00B9\u00B2\u00B3])"
            "(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = reserved.match(name);
    if (match.hasMatch())
        return {NameFault::ReservedByWindows, match.captured(1)};
    return {};
}

bool isPortableConfigurationName(const QString& name) {
    return checkConfigurationName(name).fault == NameFault::None;
}

namespace {

// A folder under PROJECTS whose name equals `name` but for letter case, hidden ones included:
// on a file system that ignores case the two would be one folder.
bool hasCaseTwin(const QString& projectsDir, const QString& name) {
    const QStringList entries =
        QDir(projectsDir).entryList(QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return std::any_of(entries.begin(), entries.end(), [&name](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
}

QString faultLine(const TextTable& texts, const NameCheck& check) {
    switch (check.fault) {
    case NameFault::LeadingDot:
        return texts[added::NameBeginsWithDot];
    case NameFault::ForbiddenCharacter:
        return texts[added::NameHoldsCharacter].arg(check.detail);
    case NameFault::TrailingDotOrBlank:
        return texts[added::NameEndsWithDotOrBlank];
    case NameFault::ReservedByWindows:
        return texts[added::NameReservedByWindows].arg(check.detail);
    case NameFault::None:
    case NameFault::Empty:
        break;
    }
    return {};
}

} // namespace

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

CreateOutcome checkNewConfigurationName(const UComon& state, const QString& name) {
    if (name.isEmpty())
        return CreateOutcome::EmptyName;
    // A name that is not one portable folder would create a folder elsewhere or one that other
    // machines cannot open; it is refused before anything touches the disk.
    if (!isPortableConfigurationName(name))
        return CreateOutcome::NotValid;
    const QString folder = joinPath(state.ProjectsDir, name);
    if (QFileInfo(folder).isDir() || hasCaseTwin(state.ProjectsDir, name))
        return CreateOutcome::AlreadyExists;
    return CreateOutcome::Created;
}

CreateOutcome createConfigurationFolder(const UComon& state, const QString& name) {
    const CreateOutcome check = checkNewConfigurationName(state, name);
    if (check != CreateOutcome::Created)
        return check;
    const QString folder = joinPath(state.ProjectsDir, name);
    if (!QDir().mkdir(folder))
        return CreateOutcome::NotValid;
    QDir().mkpath(joinPath(folder, QStringLiteral("bin")));
    return CreateOutcome::Created;
}

CreateOutcome createConfiguration(UComon& state, const QString& name) {
    const CreateOutcome outcome = createConfigurationFolder(state, name);
    if (outcome != CreateOutcome::Created)
        return outcome;
    const QString folder = joinPath(state.ProjectsDir, name);
    state.LastProjectName = name;
    state.ProjectDir = folder;
    Set_Files(state);
    return CreateOutcome::Created;
}

QString refusalMessage(const TextTable& texts, CreateOutcome outcome, const QString& name) {
    QString message = texts[textIndexOf(outcome)];
    if (outcome == CreateOutcome::NotValid) {
        const QString line = faultLine(texts, checkConfigurationName(name));
        if (!line.isEmpty())
            message += u'\n' + line;
    }
    return message;
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
