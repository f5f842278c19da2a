#include "screenshots/DemoWorkspace.h"

#include "app/Workspace.h"
#include "common/Errors.h"
#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "params/ParGenFile.h"
#include "tables/TranslateTable.h"
#include "tables/TranslateTableFile.h"

#include <QDir>

namespace zz::shots {

namespace {

TranslateRow row(const QString& dataType, int slaveIdTcp, int addressTcp, int slaveId, int address,
                 int nPoint, const QString& mnemonic) {
    TranslateRow r;
    r.cell(ColDataType) = dataType;
    r.cell(ColSlaveIdTcp) = QString::number(slaveIdTcp);
    r.cell(ColAddressTcp) = QString::number(addressTcp);
    r.cell(ColSlaveId) = QString::number(slaveId);
    r.cell(ColAddress) = QString::number(address);
    r.cell(ColNPoint) = QString::number(nPoint);
    r.cell(ColMnemonic) = mnemonic;
    return r;
}

void makeFolder(const QString& path) {
    if (!QDir().mkpath(path))
        throw FileError(path, QStringLiteral("the folder cannot be created"));
}

} // namespace

QStringList writeDemoConfigurations(const QString& workspace) {
    const QString projects = joinPath(workspace, QStringLiteral("PROJECTS"));
    const QString plant = joinPath(projects, kDemoConfiguration);
    // One configuration only: the Open Configuration list keeps the file system's order, which
    // differs between machines.
    makeFolder(joinPath(plant, QStringLiteral("bin")));

    GeneralParameters parameters;
    parameters.operationMode = kNatMode;
    writeParGen(parameters, joinPath(plant, kParGenFileName));

    const QStringList& types = dataTypeTexts();
    TranslateTable table;
    table.assign({
        row(types[2], 1, 0, 5, 100, 10, QStringLiteral("Boiler temperatures")),
        row(types[3], 1, 100, 6, 0, 8, QStringLiteral("Flow meters")),
        row(types[0], 2, 0, 7, 0, 16, QStringLiteral("Pump relays")),
        row(types[1], 2, 100, 7, 200, 32, QStringLiteral("Alarm inputs")),
    });
    writeTranslateTableFile(table, joinPath(plant, kTranslateTableFileName));

    QStringList problems;
    TextTable texts;
    texts.LoadDefaultTexts();
    for (const RowFailure& failure : table.allFailures())
        problems.append(failure.message(texts));
    return problems;
}

} // namespace zz::shots
