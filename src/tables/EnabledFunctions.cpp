#include "tables/EnabledFunctions.h"

#include "common/TextRules.h"
#include "common/Xml.h"
#include "tables/TableRoot.h"

#include <QFileInfo>
#include <algorithm>

namespace zz {

namespace {

constexpr const char* kRootName = "EnabledFunctions";
constexpr const char* kRowName = "row";
constexpr const char* kVersionComment = "SW_VERSION = 2.713";
constexpr const char* kFunNum = "FunNum";
constexpr const char* kEnabled = "Enabled";
constexpr const char* kMnemonic = "Mnemonic";

} // namespace

int EnabledFunctionList::positionOfCode(int code) {
    const auto it = std::find(kFunctionCodes.begin(), kFunctionCodes.end(), code);
    return it == kFunctionCodes.end() ? -1 : static_cast<int>(it - kFunctionCodes.begin());
}

void EnabledFunctionList::Compile_Row(int FunNum, const QString& En, const QString& Mne) {
    const int position = positionOfCode(FunNum);
    if (position < 0)
        return;
    at(position).enabled = En == QStringLiteral("Y") ? En : QStringLiteral("N");
    at(position).mnemonic = Mne;
}

EnabledFunctionsLoad readEnabledFunctionsFile(const QString& path) {
    EnabledFunctionsLoad load;
    load.report.file = path;
    if (!QFileInfo::exists(path))
        return load;

    pugi::xml_document doc;
    xml::load(doc, path);
    const pugi::xml_node root = tableRoot(doc, load.report);
    for (pugi::xml_node element = root.first_child(); element; element = element.next_sibling()) {
        if (element.type() != pugi::node_element)
            continue;
        ++load.report.rowsInFile;
        if (load.report.missing)
            continue;
        const std::optional<QString> funNum = xml::attribute(element, kFunNum);
        const std::optional<QString> enabled = xml::attribute(element, kEnabled);
        const std::optional<QString> mnemonic = xml::attribute(element, kMnemonic);
        const char* lacking = !funNum ? kFunNum : !enabled ? kEnabled : !mnemonic ? kMnemonic : nullptr;
        if (lacking) {
            load.report.missing = MissingAttribute{load.report.rowsInFile, QString::fromLatin1(lacking)};
            continue;
        }
        load.list.Compile_Row(wholeNumberOr(*funNum, 0), *enabled, *mnemonic);
    }
    return load;
}

void writeEnabledFunctionsFile(const EnabledFunctionList& list, const QString& path) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child(kRootName);
    xml::appendComment(doc, QString::fromLatin1(kVersionComment));
    for (int position = 0; position < kFunctionCount; ++position) {
        const FunctionEntry& entry = list.at(position);
        pugi::xml_node element = root.append_child(kRowName);
        xml::appendAttribute(element, kFunNum, QString::number(EnabledFunctionList::codeAt(position)));
        xml::appendAttribute(element, kEnabled,
                             entry.isEnabled() ? QStringLiteral("Y") : QStringLiteral("N"));
        xml::appendAttribute(element, kMnemonic, entry.mnemonic);
    }
    xml::save(doc, path);
}

} // namespace zz
