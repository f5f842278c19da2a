#include "TableFixtures.h"
#include "lang/TextTable.h"
#include "tables/TableCsv.h"
#include "tables/TableEditCommand.h"
#include "tables/TableEdits.h"
#include "tables/TranslateTableFile.h"
#include "tables/TranslateTableModel.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>

namespace {

using namespace zz;
using zz::bench::fullTable;

const TextTable& english() {
    static const TextTable texts = [] {
        TextTable t;
        t.LoadDefaultTexts();
        return t;
    }();
    return texts;
}

QString fullBlock() {
    return blockAsTabSeparated(fullTable(), CellBlock{1, kTranslateRowCount, ColDataType, ColMnemonic});
}

// A model shown in a table view of dialog size, painted once.
struct ShownModel {
    ShownModel() {
        view.setModel(&model);
        view.resize(800, 500);
        view.show();
        QApplication::processEvents();
    }
    TranslateTableModel model;
    QTableView view;
};

// Paste of 2000 x 7 cells into a shown grid, painted.
void BM_PasteFullBlockShown(benchmark::State& state) {
    ShownModel shown;
    TranslateTableModel& model = shown.model;
    QTableView& view = shown.view;
    const QString text = fullBlock();
    for (auto _ : state) {
        const PasteOutcome outcome =
            pasteTabSeparated(model.table(), text, TableCell{1, ColDataType}, english());
        model.replaceTable(outcome.table);
        view.viewport()->repaint();
        state.PauseTiming();
        model.replaceTable(TranslateTable());
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteFullBlockShown)->Unit(benchmark::kMillisecond);

void BM_CsvImport(benchmark::State& state) {
    const QByteArray csv = translateTableToCsv(fullTable());
    for (auto _ : state) {
        const CsvImport imported = translateTableFromCsv(csv, english());
        benchmark::DoNotOptimize(imported.rows.data());
    }
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State& state) {
    const TranslateTable table = fullTable();
    for (auto _ : state) {
        const QByteArray csv = translateTableToCsv(table);
        benchmark::DoNotOptimize(csv.data());
    }
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

// Undo of a 2000-row paste into a shown grid, painted.
void BM_UndoFullPaste(benchmark::State& state) {
    ShownModel shown;
    TranslateTableModel& model = shown.model;
    QTableView& view = shown.view;
    const TranslateTable pasted = fullTable();
    QUndoStack stack;
    for (auto _ : state) {
        state.PauseTiming();
        stack.push(new TableEditCommand(&model, model.table(), pasted, QString(), false));
        state.ResumeTiming();
        stack.undo();
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_UndoFullPaste)->Unit(benchmark::kMillisecond);

// Opening a 2000-row var.xml: reading it into the model and painting the grid.
void BM_OpenFullFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("var.xml"));
    writeTranslateTableFile(fullTable(), path);
    ShownModel shown;
    TranslateTableModel& model = shown.model;
    QTableView& view = shown.view;
    for (auto _ : state) {
        model.loadFile(path);
        view.viewport()->repaint();
    }
}
BENCHMARK(BM_OpenFullFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
