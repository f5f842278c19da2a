#include "tables/TableChecks.h"

#include "app/Workspace.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableRoot.h"
#include "tables/TranslateTableFile.h"

#include <QFileInfo>

namespace zz {

namespace {

const TextTable& englishTexts() {
    static const TextTable texts = [] {
        TextTable table;
        table.LoadDefaultTexts();
        return table;
    }();
    return texts;
}

QString lacksAttribute(const TextTable& texts, int row, const QString& attribute) {
    return texts[added::CheckRowLacksAttribute].arg(QString::number(row), attribute);
}

} // namespace

QStringList checkTranslateTableFile(const QString& configDir) {
    const TextTable& texts = englishTexts();
    const TranslateTableLoad load = readTranslateTableFile(joinPath(configDir, kTranslateTableFileName));
    TranslateTable table;
    table.assign(load.rows);

    const QString prefix = kTranslateTableFileName + QStringLiteral(": ");
    QStringList lines;
    for (const RowFailure& failure : table.allFailures())
        lines.append(prefix + failure.message(texts));
    if (const int beyond = table.rowsHoldingDataBeyondTable(); beyond > 0)
        lines.append(prefix + texts[added::CheckRowsBeyondTable].arg(QString::number(table.length() + 1),
                                                                     QString::number(beyond)));
    if (load.report.rootNotFirst)
        lines.append(prefix + texts[added::CheckRootNotFirst]);
    if (load.report.missing)
        lines.append(prefix +
                     lacksAttribute(texts, load.report.missing->row, load.report.missing->attribute));
    else if (load.report.tooManyRows())
        lines.append(prefix + texts[added::CheckTooManyRows].arg(QString::number(load.report.rowsInFile),
                                                                 QString::number(load.report.rowLimit)));
    return lines;
}

QStringList checkEnabledFunctionsFile(const QString& configDir) {
    const TextTable& texts = englishTexts();
    const QString path = joinPath(configDir, kEnabledFunctionsFileName);
    if (!QFileInfo::exists(path))
        return {};
    pugi::xml_document doc;
    xml::load(doc, path);

    const QString prefix = kEnabledFunctionsFileName + QStringLiteral(": ");
    QStringList lines;
    TableLoadReport report;
    const pugi::xml_node root = tableRoot(doc, report);
    if (report.rootNotFirst)
        lines.append(prefix + texts[added::CheckRootNotFirst]);
    int row = 0;
    for (pugi::xml_node element : root.children()) {
        if (element.type() != pugi::node_element)
            continue;
        ++row;
        for (const char* name : {"FunNum", "Enabled"}) {
            if (!xml::attribute(element, name))
                lines.append(prefix + lacksAttribute(texts, row, QString::fromLatin1(name)));
        }
    }
    return lines;
}

} // namespace zz
