#include "app/SettingsFile.h"

#include "app/Workspace.h"
#include "common/FileIo.h"
#include "common/Xml.h"

#include <QFileInfo>

namespace zz {

namespace {

// The leaf's text under root/group, each looked up by name on its own.
std::optional<QString> leafText(pugi::xml_node root, const char* group, const char* leaf) {
    const pugi::xml_node groupNode = xml::childElement(root, group);
    if (!groupNode)
        return std::nullopt;
    return xml::childText(groupNode, leaf);
}

QString flagText(bool flag) {
    return flag ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString settingsFilePath(const UComon& state) {
    return joinPath(state.AppDir, kSettingsFileName);
}

void setDefaultSettings(UComon& state) {
    state.LastProjectName.clear();
    state.ProjectDir.clear();
    state.LastIpAddress = kDefaultIpAddress;
    state.LanguageName = kDefaultLanguage;
    state.EnableInternet = false;
    state.EnableUpdateCheck = false;
}

void readSettings(UComon& state, const QString& path) {
    pugi::xml_document doc;
    xml::load(doc, path);
    const pugi::xml_node root = xml::firstTopLevelNode(doc);

    state.LastProjectName = leafText(root, "lastproj", "projectname").value_or(QString());
    state.LastIpAddress = leafText(root, "lastipadd", "ipaddress").value_or(kDefaultIpAddress);
    state.LanguageName = leafText(root, "lastlang", "language").value_or(kDefaultLanguage);
    // A flag is set only by the exact text "1".
    state.EnableInternet = leafText(root, "lastinternet", "enable_internet") == QStringLiteral("1");
    state.EnableUpdateCheck = leafText(root, "lastinternet", "enable_update") == QStringLiteral("1");
}

void Save_Setting(UComon& state) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Conf_Settings");
    xml::appendTextElement(root.append_child("lastproj"), "projectname", state.LastProjectName);
    xml::appendTextElement(root.append_child("lastipadd"), "ipaddress", state.LastIpAddress);
    xml::appendTextElement(root.append_child("lastlang"), "language", state.LanguageName);
    pugi::xml_node internet = root.append_child("lastinternet");
    xml::appendTextElement(internet, "enable_internet", flagText(state.EnableInternet));
    xml::appendTextElement(internet, "enable_update", flagText(state.EnableUpdateCheck));

    const QString path = settingsFilePath(state);
    if (state.KeepBrokenSettingsOnSave && QFileInfo::exists(path)) {
        keepBrokenCopy(path);
        state.KeepBrokenSettingsOnSave = false;
    }
    xml::save(doc, path);
}

} // namespace zz
