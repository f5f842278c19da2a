#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableAnalysis.h"
#include "tables/TranslateTable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zz;

// A full table as engineers build them: four types, several slaves, mostly distinct blocks with
// some overlaps, overflows and an invalid cell now and then.
TranslateTable fullTable() {
    TranslateTable table;
    for (int i = 0; i < kTranslateRowCount; ++i) {
        TranslateRow row;
        row.cell(ColDataType) = dataTypeTexts()[i % 4];
        row.cell(ColSlaveIdTcp) = QString::number(1 + i % 7);
        row.cell(ColAddressTcp) = QString::number((i * 37) % 65500);
        row.cell(ColSlaveId) = QString::number(1 + i % 13);
        row.cell(ColAddress) = i % 97 == 0 ? QStringLiteral("x") : QString::number((i * 53) % 65535);
        row.cell(ColNPoint) = QString::number(1 + i % 100);
        table.setRow(i + 1, row);
    }
    return table;
}

void BM_AnalyseFullTable(benchmark::State& state) {
    TextTable texts;
    texts.LoadDefaultTexts();
    const TranslateTable table = fullTable();
    EnabledFunctionList functions;
    functions.Compile_Row(2, QStringLiteral("N"), {});
    qsizetype findings = 0;
    for (auto _ : state) {
        const QVector<Finding> result = analyseConfiguration(table, functions, kNatMode, texts);
        findings = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_AnalyseFullTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
