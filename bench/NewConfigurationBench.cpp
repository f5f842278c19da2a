#include "app/ConfigurationFromBankFile.h"
#include "app/UComon.h"
#include "app/Workspace.h"
#include "image/ImageComposer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace zz;

void writeText(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
}

// The bank file of a full configuration: NAT mode, a function off and 2000 rows.
QString writeFullBankFile(const QTemporaryDir& dir) {
    const QString source = dir.filePath(QStringLiteral("source"));
    QDir().mkpath(source);
    writeText(
        source + QStringLiteral("/ParGen.xml"),
        "<General_Parameter><MODE>1</MODE><BAUD>4</BAUD><EN_Gateway>1</EN_Gateway></General_Parameter>");
    writeText(source + QStringLiteral("/EnableFunctions.xml"),
              R"(<EnabledFunctions><row FunNum="16" Enabled="N" Mnemonic=""/></EnabledFunctions>)");
    QByteArray rows = "<TCP_TO_RTU>";
    for (int i = 0; i < 2000; ++i)
        rows += QStringLiteral(R"(<row DATA_TYPE="3" TCP_ADD_DEV="%1" TCP_ADDRESS="%2" RTU_ADD_DEV="%1" )"
                               R"(RTU_ADDRESS="%2" N_POINT="10" MNEMONIC="Block %2"/>)")
                    .arg(1 + i % 247)
                    .arg(i * 10)
                    .toUtf8();
    writeText(source + QStringLiteral("/var.xml"), rows + "</TCP_TO_RTU>");
    const QByteArray image = image::Compose_Image({source + QStringLiteral("/ParGen.xml"),
                                                   source + QStringLiteral("/EnableFunctions.xml"),
                                                   source + QStringLiteral("/var.xml")});
    const QString bankFile = dir.filePath(QStringLiteral("bank_k.bin"));
    writeText(bankFile, image);
    return bankFile;
}

// What OK does with a bank file: read and check it, create the folder and write its files.
void BM_NewConfigurationFromFullBankFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString bankFile = writeFullBankFile(dir);
    UComon shared;
    runWorkspaceStartUp(shared, dir.filePath(QStringLiteral("workspace")));
    const QString folder = joinPath(shared.ProjectsDir, QStringLiteral("Plant"));
    for (auto _ : state) {
        const image::RestoreAnalysis analysis = analyseBankFile(bankFile);
        if (!analysis.configuration ||
            createConfigurationFromImage(shared, QStringLiteral("Plant"), *analysis.configuration) !=
                CreateOutcome::Created) {
            state.SkipWithError("the bank file was not restored");
            break;
        }
        state.PauseTiming();
        QDir(folder).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewConfigurationFromFullBankFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
