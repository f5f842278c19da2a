#include "lang/TextTable.h"
#include "params/GeneralParameters.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableAnalysis.h"
#include "tables/TableFindingMarks.h"
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

// What the Translate Table dialog does after an edit: the analysis and the marks of its cells.
void BM_AnalyseAndMarkFullTable(benchmark::State& state) {
    TextTable texts;
    texts.LoadDefaultTexts();
    const TranslateTable table = fullTable();
    EnabledFunctionList functions;
    functions.Compile_Row(2, QStringLiteral("N"), {});
    qsizetype stops = 0;
    for (auto _ : state) {
        const FindingMarks marks(analyseConfiguration(table, functions, kNatMode, texts));
        stops = marks.stops().size();
        benchmark::DoNotOptimize(marks.findings().data());
    }
    state.counters["stops"] = static_cast<double>(stops);
}
BENCHMARK(BM_AnalyseAndMarkFullTable)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
