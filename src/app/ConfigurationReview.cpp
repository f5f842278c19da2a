#include "app/ConfigurationReview.h"

#include "app/Configurations.h"
#include "app/Workspace.h"
#include "common/Errors.h"
#include "common/Xml.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "params/ParGenFile.h"
#include "params/ParameterChecks.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableAnalysis.h"
#include "tables/TableChecks.h"
#include "tables/TranslateTable.h"
#include "tables/TranslateTableFile.h"

#include <QFileInfo>
#include <optional>

namespace zz {

namespace {

void appendFailures(QVector<ConfigurationEntry>& out, const QString& file,
                    const QVector<FileFailure>& failures) {
    for (const FileFailure& f : failures)
        out.append({file, f.kind, f.rows, f.message});
}

// The dialog's loading also stops at a row without Mnemonic, which the image does not need
// and the file check therefore leaves alone.
QVector<FileFailure> enabledFunctionsLoadFailures(const QString& path) {
    const EnabledFunctionsLoad load = readEnabledFunctionsFile(path);
    if (!load.report.missing || load.report.missing->attribute != QStringLiteral("Mnemonic"))
        return {};
    const int row = load.report.missing->row;
    return {{QStringLiteral("missing-attribute"),
             {row},
             englishTexts()[added::CheckRowLacksAttribute].arg(QString::number(row),
                                                               load.report.missing->attribute)}};
}

} // namespace

QString ConfigurationEntry::line(bool warning) const {
    return file + (warning ? QStringLiteral(": Warning: ") : QStringLiteral(": ")) + message;
}

QVector<ConfigurationEntry> parGenFailures(const QString& configDir) {
    const QString path = joinPath(configDir, kParGenFileName);
    GeneralParameters values;
    QVector<ConfigurationEntry> entries;
    if (QFileInfo::exists(path)) {
        pugi::xml_document doc;
        xml::load(doc, path);
        values = parametersFromDocument(doc);
        // The image takes the element found by name; those are the values worth checking.
        if (beginsWithoutItsElement(doc)) {
            entries.append({kParGenFileName,
                            QStringLiteral("root-not-first"),
                            {},
                            englishTexts()[added::CheckParGenRootNotFirst]});
            values = parametersFromElement(xml::topLevelElement(doc, "General_Parameter"));
        }
    }
    for (int index : failingChecks(values))
        entries.append({kParGenFileName, QStringLiteral("invalid"), {}, englishTexts()[index]});
    return entries;
}

ConfigurationReview reviewConfiguration(const QString& configDir, const TextTable& texts) {
    ConfigurationReview review;

    // The operation mode counts only when the parameter file is there and passes its checks.
    std::optional<int> mode;
    try {
        const QVector<ConfigurationEntry> failures = parGenFailures(configDir);
        review.failures += failures;
        const QString parGenFile = joinPath(configDir, kParGenFileName);
        if (failures.isEmpty() && QFileInfo::exists(parGenFile))
            mode = readTranslateTableFlag(parGenFile) ? kNatMode : kRoutingMode;
    } catch (const Error& e) {
        review.unreadable.append(e.message());
    }

    std::optional<TranslateTable> table;
    try {
        const TranslateTableLoad load = readTranslateTableFile(joinPath(configDir, kTranslateTableFileName));
        table.emplace();
        table->assign(load.rows);
        appendFailures(review.failures, kTranslateTableFileName,
                       translateTableRowFailures(*table) + translateTableFileFailures(load, *table));
    } catch (const Error& e) {
        review.unreadable.append(e.message());
    }

    EnabledFunctionList functions;
    try {
        appendFailures(review.failures, kEnabledFunctionsFileName, enabledFunctionsFailures(configDir));
        const QString path = joinPath(configDir, kEnabledFunctionsFileName);
        appendFailures(review.failures, kEnabledFunctionsFileName, enabledFunctionsLoadFailures(path));
        functions = readEnabledFunctionsFile(path).list;
    } catch (const Error& e) {
        review.unreadable.append(e.message());
    }

    if (table) {
        // A mode that is not settled is never NAT or Routing, which leaves out the table-wide findings.
        for (const Finding& finding : analyseConfiguration(*table, functions, mode.value_or(-1), texts)) {
            if (finding.kind != FindingKind::Invalid)
                review.warnings.append(
                    {kTranslateTableFileName, findingKindName(finding.kind), finding.rows, finding.message});
        }
    }
    return review;
}

QStringList updateProblemLines(const ConfigurationReview& review) {
    QStringList lines;
    for (const ConfigurationEntry& failure : review.failures)
        lines.append(failure.line(false));
    for (const ConfigurationEntry& warning : review.warnings) {
        if (warning.kind == findingKindName(FindingKind::Overlap) ||
            warning.kind == findingKindName(FindingKind::AddressOverflow) ||
            warning.kind == findingKindName(FindingKind::FunctionDisabled))
            lines.append(warning.line(true));
    }
    return lines;
}

QString updateQuestionText(const QStringList& lines, const TextTable& texts, int shown) {
    QStringList parts{texts[added::AnalysisUpdateProblems]};
    parts += atMostLines(lines, texts, shown);
    parts.append(QString());
    parts.append(texts[added::AnalysisWriteAnyway]);
    return parts.join(QLatin1Char('\n'));
}

} // namespace zz
