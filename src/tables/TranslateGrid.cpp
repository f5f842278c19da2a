#include "tables/TranslateGrid.h"

#include "app/AppContext.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TableCsv.h"
#include "tables/TableEditCommand.h"
#include "tables/TableMessages.h"
#include "tables/TranslateTableModel.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUndoStack>
#include <algorithm>

namespace zz {

namespace {

// As many failing rows as a message box shows on a small screen.
constexpr int kFailureLinesShown = 20;

const QString kCsvFilter = QStringLiteral("CSV (*.csv);;* (*)");

} // namespace

TranslateGrid::TranslateGrid(const QString& objectName, AppContext& context, TranslateTableModel* source,
                             QWidget* parent)
    : SpreadsheetGrid(objectName, context, parent)
    , m_source(source)
    , m_files(&context.fileChooser) {
    m_import = makeAction(QStringLiteral("Act_ImportCsv"), {});
    m_export = makeAction(QStringLiteral("Act_ExportCsv"), {});
    connect(m_import, &QAction::triggered, this, &TranslateGrid::importCsv);
    connect(m_export, &QAction::triggered, this, &TranslateGrid::exportCsv);
    applyTexts();
}

QList<QAction*> TranslateGrid::editActions() const {
    return SpreadsheetGrid::editActions() + QList<QAction*>{m_import, m_export};
}

void TranslateGrid::applyTexts() {
    SpreadsheetGrid::applyTexts();
    m_import->setText(texts()[added::GridImportCsv]);
    m_export->setText(texts()[added::GridExportCsv]);
}

void TranslateGrid::startAfresh() {
    undoStack()->clear();
}

QModelIndex TranslateGrid::toSource(const QModelIndex& viewIndex) const {
    QModelIndex index = viewIndex;
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        index = proxy->mapToSource(index);
    return index;
}

QModelIndex TranslateGrid::toView(int row, int column) const {
    QVector<const QAbstractProxyModel*> proxies;
    for (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(model()); proxy;
         proxy = qobject_cast<const QAbstractProxyModel*>(proxy->sourceModel()))
        proxies.prepend(proxy);
    QModelIndex index = m_source->index(row - 1, column);
    for (const QAbstractProxyModel* proxy : proxies)
        index = proxy->mapFromSource(index);
    return index;
}

TableCell TranslateGrid::currentCell() const {
    const QModelIndex index = toSource(currentIndex());
    if (!index.isValid())
        return {};
    return TableCell{index.row() + 1, index.column()};
}

void TranslateGrid::goToCell(int row, int column) {
    const QModelIndex cell = toView(row, column);
    if (!cell.isValid())
        return;
    setCurrentIndex(cell);
    scrollTo(cell);
    setFocus();
}

QVector<TableCell> TranslateGrid::selectedCells() const {
    QVector<TableCell> cells;
    const QModelIndexList selected =
        selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    for (const QModelIndex& index : selected) {
        const QModelIndex source = toSource(index);
        if (source.isValid() && source.column() >= ColDataType)
            cells.append(TableCell{source.row() + 1, source.column()});
    }
    if (cells.isEmpty()) {
        const TableCell current = currentCell();
        if (current.row > 0 && current.column >= ColDataType)
            cells.append(current);
    }
    return cells;
}

QVector<int> TranslateGrid::selectedRows() const {
    QVector<int> rows;
    for (const TableCell& cell : selectedCells())
        rows.append(cell.row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TranslateGrid::record(const TranslateTable& before, const TranslateTable& after, const QString& text) {
    undoStack()->push(new TableEditCommand(m_source, before, after, text, true));
}

void TranslateGrid::change(const TranslateTable& after, const QString& text) {
    undoStack()->push(new TableEditCommand(m_source, m_source->table(), after, text, false));
}

void TranslateGrid::selectBlock(const CellBlock& block) {
    selectViewBlock(toView(block.firstRow, block.firstColumn), toView(block.lastRow, block.lastColumn));
}

void TranslateGrid::copySelection() {
    commitOpenEditor();
    const QVector<TableCell> cells = selectedCells();
    if (cells.isEmpty())
        return;
    // Several ranges are copied as the block that holds them all, as one rectangle.
    QGuiApplication::clipboard()->setText(blockAsTabSeparated(m_source->table(), blockAround(cells)));
}

void TranslateGrid::cutSelection() {
    copySelection();
    clearSelected(texts()[added::GridCut]);
}

void TranslateGrid::pasteClipboard() {
    commitOpenEditor();
    const QVector<TableCell> selection = selectedCells();
    // A block goes to the top left corner of the selection, however it was selected.
    const CellBlock selected = blockAround(selection);
    const TableCell at =
        selection.isEmpty() ? TableCell{} : TableCell{selected.firstRow, selected.firstColumn};
    if (at.row == 0)
        return;
    const PasteOutcome outcome =
        pasteOntoSelection(m_source->table(), QGuiApplication::clipboard()->text(), at, selection, texts());
    if (outcome.refusal) {
        context().dialogs.showError(window(), *outcome.refusal);
        return;
    }
    if (outcome.block.rows() <= 0)
        return;
    if (!sameCells(outcome.table, m_source->table()))
        change(outcome.table, texts()[added::GridPaste]);
    if (!outcome.filledSelection)
        selectBlock(outcome.block);
}

void TranslateGrid::clearSelection() {
    commitOpenEditor();
    clearSelected(texts()[added::GridClear]);
}

void TranslateGrid::clearSelected(const QString& undoText) {
    TranslateTable after = m_source->table();
    clearCells(after, selectedCells());
    if (!sameCells(after, m_source->table()))
        change(after, undoText);
}

void TranslateGrid::insertRowsAtSelection() {
    commitOpenEditor();
    const QVector<int> rows = selectedRows();
    const int first = rows.size() > 1 ? rows.front() : currentRowNumber();
    const int count = rows.size() > 1 ? static_cast<int>(rows.size()) : 1;
    if (first == 0)
        return;
    // Inserting pushes the last rows out of the grid: ask before losing data.
    if (const int lost = rowsLostByInserting(m_source->table(), count); lost > 0) {
        const QString question =
            count == 1 ? insertLosesLastRowQuestion(texts()) : insertLosesRowsQuestion(texts(), lost, count);
        if (!context().dialogs.askYesNo(window(), question)) {
            setFocus();
            return;
        }
    }
    TranslateTable after = m_source->table();
    insertRows(after, first, count);
    change(after, texts()[kTranslateCaptionText + 5]);
    setFocus();
}

void TranslateGrid::deleteSelectedRows() {
    commitOpenEditor();
    QVector<int> rows = selectedRows();
    if (rows.size() <= 1)
        rows = {currentRowNumber()};
    if (rows.front() == 0)
        return;
    const QString question = rows.size() == 1 ? deleteRowQuestion(texts(), rows.front())
                                              : deleteRowsQuestion(texts(), int(rows.size()));
    if (context().dialogs.askYesNo(window(), question)) {
        TranslateTable after = m_source->table();
        deleteRows(after, rows);
        if (!sameCells(after, m_source->table()))
            change(after, texts()[kTranslateCaptionText + 4]);
    }
    setFocus();
}

void TranslateGrid::importCsv() {
    commitOpenEditor();
    const QString path =
        m_files->chooseFileToOpen(window(), texts()[added::GridImportCsv], QString(), kCsvFilter);
    if (path.isEmpty())
        return;
    CsvImport imported;
    try {
        imported = translateTableFromCsv(readWholeFile(path), texts());
    } catch (const Error& e) {
        context().dialogs.showError(window(), e.message());
        return;
    }
    if (!imported.passed()) {
        // The failing rows at once, each with its line; a long list ends in "and N more".
        const QStringList lines = imported.failureLines(QFileInfo(path).fileName());
        context().dialogs.showError(window(), atMostLines(lines, texts(), kFailureLinesShown).join(u'\n'));
        return;
    }
    TranslateTable after;
    after.assign(imported.rows);
    if (!sameCells(after, m_source->table()))
        change(after, texts()[added::GridImportCsv]);
    goToCell(1, ColDataType);
}

void TranslateGrid::exportCsv() {
    commitOpenEditor();
    const QString path =
        m_files->chooseFileToSave(window(), texts()[added::GridExportCsv], QString(), kCsvFilter);
    if (path.isEmpty())
        return;
    try {
        writeFileAtomically(path, translateTableToCsv(m_source->table()));
    } catch (const Error& e) {
        context().dialogs.showError(window(), e.message());
    }
}

std::optional<QString> TranslateGrid::refusalOfTypedText(const QModelIndex& viewIndex,
                                                         const QString& text) const {
    // A typed text the table file cannot hold never reaches the table.
    const QModelIndex cell = toSource(viewIndex);
    return cellCharacterRefusal(text, cell.row() + 1, cell.column(), texts());
}

void TranslateGrid::takeEdit(QWidget* editor) {
    const TranslateTable before = m_source->table();
    SpreadsheetGrid::takeEdit(editor);
    if (!sameCells(before, m_source->table()))
        record(before, m_source->table(), QString());
}

} // namespace zz
