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

QString lacksAttribute(const TextTable& texts, int row, const QString& attribute) {
    return texts[added::CheckRowLacksAttribute].arg(QString::number(row), attribute);
}

} // namespace

QVector<FileFailure> translateTableRowFailures(const TranslateTable& table) {
    const TextTable& texts = englishTexts();
    QVector<FileFailure> failures;
    for (const RowFailure& failure : table.allFailures())
        failures.append({QStringLiteral("invalid"), {failure.row}, failure.message(texts)});
    return failures;
}

QVector<FileFailure> translateTableFileFailures(const TranslateTableLoad& load, const TranslateTable& table) {
    const TextTable& texts = englishTexts();
    QVector<FileFailure> failures;
    if (const int beyond = table.rowsHoldingDataBeyondTable(); beyond > 0)
        failures.append({QStringLiteral("rows-beyond-table"),
                         {},
                         texts[added::CheckRowsBeyondTable].arg(QString::number(table.length() + 1),
                                                                QString::number(beyond))});
    if (load.report.rootNotFirst)
        failures.append({QStringLiteral("root-not-first"), {}, texts[added::CheckRootNotFirst]});
    if (load.report.missing)
        failures.append({QStringLiteral("missing-attribute"),
                         {load.report.missing->row},
                         lacksAttribute(texts, load.report.missing->row, load.report.missing->attribute)});
    else if (load.report.tooManyRows())
        failures.append({QStringLiteral("too-many-rows"),
                         {},
                         texts[added::CheckTooManyRows].arg(QString::number(load.report.rowsInFile),
                                                            QString::number(load.report.rowLimit))});
    return failures;
}

QVector<FileFailure> enabledFunctionsFailures(const QString& configDir) {
    const TextTable& texts = englishTexts();
    const QString path = joinPath(configDir, kEnabledFunctionsFileName);
    if (!QFileInfo::exists(path))
        return {};
    pugi::xml_document doc;
    xml::load(doc, path);

    QVector<FileFailure> failures;
    TableLoadReport report;
    const pugi::xml_node root = tableRoot(doc, report);
    if (report.rootNotFirst)
        failures.append({QStringLiteral("root-not-first"), {}, texts[added::CheckRootNotFirst]});
    int row = 0;
    for (pugi::xml_node element : root.children()) {
        if (element.type() != pugi::node_element)
            continue;
        ++row;
        for (const char* name : {"FunNum", "Enabled"}) {
            if (!xml::attribute(element, name))
                failures.append({QStringLiteral("missing-attribute"),
                                 {row},
                                 lacksAttribute(texts, row, QString::fromLatin1(name))});
        }
    }
    return failures;
}

namespace {

QStringList linesOf(const QString& fileName, const QVector<FileFailure>& failures) {
    QStringList lines;
    for (const FileFailure& failure : failures)
        lines.append(fileName + QStringLiteral(": ") + failure.message);
    return lines;
}

} // namespace

QStringList checkTranslateTableFile(const QString& configDir) {
    const TranslateTableLoad load = readTranslateTableFile(joinPath(configDir, kTranslateTableFileName));
    TranslateTable table;
    table.assign(load.rows);
    return linesOf(kTranslateTableFileName,
                   translateTableRowFailures(table) + translateTableFileFailures(load, table));
}

QStringList checkEnabledFunctionsFile(const QString& configDir) {
    return linesOf(kEnabledFunctionsFileName, enabledFunctionsFailures(configDir));
}

} // namespace zz
