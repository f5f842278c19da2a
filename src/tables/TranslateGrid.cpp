#include "tables/TranslateGrid.h"

#include "app/AppContext.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "common/TextRules.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TableCsv.h"
#include "tables/TableEditCommand.h"
#include "tables/TableMessages.h"
#include "tables/TranslateTableModel.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaProperty>
#include <QUndoStack>
#include <algorithm>

namespace zz {

namespace {

// Enough to undo a working session; each step shares the rows it did not change.
constexpr int kUndoLimit = 200;

// As many failing rows as a message box shows on a small screen.
constexpr int kFailureLinesShown = 20;

const QString kCsvFilter = QStringLiteral("CSV (*.csv);;* (*)");

QAction* makeAction(QObject* parent, const QString& objectName, const QList<QKeySequence>& keys) {
    auto* action = new QAction(parent);
    action->setObjectName(objectName);
    action->setShortcuts(keys);
    // The grid handles the keys itself; the menu only shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

} // namespace

TranslateGrid::TranslateGrid(const QString& objectName, AppContext& context, TranslateTableModel* source,
                             QWidget* parent)
    : TableGrid(objectName, parent)
    , m_context(context)
    , m_source(source)
    , m_undo(new QUndoStack(this))
    , m_files(&context.fileChooser) {
    m_undo->setUndoLimit(kUndoLimit);
    setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_copy = makeAction(this, QStringLiteral("Act_Copy"), {QKeySequence::Copy});
    m_cut = makeAction(this, QStringLiteral("Act_Cut"), {QKeySequence::Cut});
    m_paste = makeAction(this, QStringLiteral("Act_Paste"), {QKeySequence::Paste});
    m_clear = makeAction(this, QStringLiteral("Act_Clear"), {QKeySequence(Qt::Key_Delete)});
    m_undoAction = makeAction(this, QStringLiteral("Act_Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction =
        makeAction(this, QStringLiteral("Act_Redo"),
                   {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_import = makeAction(this, QStringLiteral("Act_ImportCsv"), {});
    m_export = makeAction(this, QStringLiteral("Act_ExportCsv"), {});
    connect(m_copy, &QAction::triggered, this, &TranslateGrid::copySelection);
    connect(m_cut, &QAction::triggered, this, &TranslateGrid::cutSelection);
    connect(m_paste, &QAction::triggered, this, &TranslateGrid::pasteClipboard);
    connect(m_clear, &QAction::triggered, this, &TranslateGrid::clearSelection);
    connect(m_undoAction, &QAction::triggered, this, [this] {
        commitOpenEditor();
        m_undo->undo();
    });
    connect(m_redoAction, &QAction::triggered, this, [this] {
        commitOpenEditor();
        m_undo->redo();
    });
    connect(m_import, &QAction::triggered, this, &TranslateGrid::importCsv);
    connect(m_export, &QAction::triggered, this, &TranslateGrid::exportCsv);
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    connect(m_undo, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    applyTexts();
}

QList<QAction*> TranslateGrid::editActions() const {
    return {m_copy, m_cut, m_paste, m_clear, m_undoAction, m_redoAction, m_import, m_export};
}

void TranslateGrid::applyTexts() {
    const TextTable& t = texts();
    const int indices[] = {added::GridCopy, added::GridCut,  added::GridPaste,     added::GridClear,
                           added::GridUndo, added::GridRedo, added::GridImportCsv, added::GridExportCsv};
    const QList<QAction*> actions = editActions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setText(t[indices[i]]);
}

const TextTable& TranslateGrid::texts() const {
    return m_context.state.Texts;
}

void TranslateGrid::startAfresh() {
    m_undo->clear();
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
    m_undo->push(new TableEditCommand(m_source, before, after, text, true));
}

void TranslateGrid::change(const TranslateTable& after, const QString& text) {
    m_undo->push(new TableEditCommand(m_source, m_source->table(), after, text, false));
}

void TranslateGrid::selectBlock(const CellBlock& block) {
    const QModelIndex topLeft = toView(block.firstRow, block.firstColumn);
    const QModelIndex bottomRight = toView(block.lastRow, block.lastColumn);
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

void TranslateGrid::copySelection() {
    commitOpenEditor();
    const QVector<TableCell> cells = selectedCells();
    if (cells.isEmpty())
        return;
    // Several ranges are copied as the block that holds them all, as one rectangle.
    CellBlock block{cells.front().row, cells.front().row, cells.front().column, cells.front().column};
    for (const TableCell& cell : cells) {
        block.firstRow = std::min(block.firstRow, cell.row);
        block.lastRow = std::max(block.lastRow, cell.row);
        block.firstColumn = std::min(block.firstColumn, cell.column);
        block.lastColumn = std::max(block.lastColumn, cell.column);
    }
    QGuiApplication::clipboard()->setText(blockAsTabSeparated(m_source->table(), block));
}

void TranslateGrid::cutSelection() {
    copySelection();
    TranslateTable after = m_source->table();
    clearCells(after, selectedCells());
    if (!sameCells(after, m_source->table()))
        change(after, texts()[added::GridCut]);
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
        m_context.dialogs.showError(window(), *outcome.refusal);
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
    TranslateTable after = m_source->table();
    clearCells(after, selectedCells());
    if (!sameCells(after, m_source->table()))
        change(after, texts()[added::GridClear]);
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
        if (!m_context.dialogs.askYesNo(window(), question)) {
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
    if (m_context.dialogs.askYesNo(window(), question)) {
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
        m_context.dialogs.showError(window(), e.message());
        return;
    }
    if (!imported.passed()) {
        // The failing rows at once, each with its line; a long list ends in "and N more".
        const QStringList lines = imported.failureLines(QFileInfo(path).fileName());
        m_context.dialogs.showError(window(), atMostLines(lines, texts(), kFailureLinesShown).join(u'\n'));
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
        m_context.dialogs.showError(window(), e.message());
    }
}

void TranslateGrid::commitData(QWidget* editor) {
    // Qt commits an editor more than once (on Enter, on losing the focus); a refused one is done.
    if (m_refusingEdit || (editor && editor == m_refusedEditor))
        return;
    // A typed text the table file cannot hold never reaches the table.
    const QVariant typed = editor ? editor->metaObject()->userProperty().read(editor) : QVariant();
    if (typed.typeId() == QMetaType::QString && firstCharacterXmlCannotCarry(typed.toString()) >= 0) {
        // The editor covers its cell; the current cell may already have moved on.
        const QModelIndex shown = indexAt(editor->geometry().center());
        const QModelIndex cell = toSource(shown);
        m_refusedEditor = editor;
        m_refusingEdit = true;
        ++m_refusals;
        // The box runs its own event loop: the editor must outlive it, so neither its delegate
        // (on losing the focus) nor a queued close may end it meanwhile.
        editor->removeEventFilter(itemDelegateForIndex(shown));
        m_context.dialogs.showError(window(), texts()[added::CellCharacterNotSaved].arg(
                                                  QString::number(cell.row() + 1),
                                                  texts()[kTranslateFirstHeaderText + cell.column()]));
        m_refusingEdit = false;
        // Nothing is taken; the edit ends here and the cursor stays on the cell.
        if (m_refusedEditor)
            TableGrid::closeEditor(editor, QAbstractItemDelegate::NoHint);
        setFocus();
        return;
    }
    const TranslateTable before = m_source->table();
    TableGrid::commitData(editor);
    if (!sameCells(before, m_source->table()))
        record(before, m_source->table(), QString());
}

void TranslateGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor && editor == m_refusedEditor) {
        // Closed by the refusal itself once its box is gone; what the user pressed moves nowhere.
        if (!m_refusingEdit && indexWidget(indexAt(editor->geometry().center())) == editor)
            TableGrid::closeEditor(editor, QAbstractItemDelegate::NoHint);
        return;
    }
    // Enter can close the same editor twice; only the first close moves the cursor.
    if (!editor || indexWidget(currentIndex()) != editor) {
        TableGrid::closeEditor(editor, hint);
        return;
    }
    switch (hint) {
    case QAbstractItemDelegate::EditNextItem:
    case QAbstractItemDelegate::EditPreviousItem:
        // Tab in an open cell moves on as it does without an editor, without opening the next.
        TableGrid::closeEditor(editor, QAbstractItemDelegate::NoHint);
        moveTab(hint == QAbstractItemDelegate::EditNextItem);
        return;
    case QAbstractItemDelegate::SubmitModelCache:
        // Enter ends the edit and goes down, as in a spreadsheet.
        TableGrid::closeEditor(editor, hint);
        moveDown();
        return;
    default:
        TableGrid::closeEditor(editor, hint);
    }
}

bool TranslateGrid::focusNextPrevChild(bool next) {
    // Tab never leaves the grid: an accidental Tab, Enter would otherwise save and close.
    moveTab(next);
    return true;
}

void TranslateGrid::moveTab(bool next) {
    const QAbstractItemModel* shown = model();
    if (!shown)
        return;
    const int rows = shown->rowCount();
    const int columns = shown->columnCount();
    QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() : -1;
    // Cells in reading order, wrapping at the ends of rows; the grid's ends stop the move.
    for (int step = 0; step < columns + 1; ++step) {
        column += next ? 1 : -1;
        if (column >= columns) {
            if (row + 1 >= rows)
                return;
            column = 0;
            ++row;
        } else if (column < 0) {
            if (row == 0)
                return;
            column = columns - 1;
            --row;
        }
        const QModelIndex candidate = shown->index(row, column);
        if (!isColumnHidden(column) && (shown->flags(candidate) & Qt::ItemIsSelectable)) {
            setCurrentIndex(candidate);
            scrollTo(candidate);
            return;
        }
    }
}

void TranslateGrid::moveDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() + 1 >= model()->rowCount())
        return;
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    setCurrentIndex(below);
    scrollTo(below);
}

void TranslateGrid::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    auto handled = [event](auto&& action) {
        action();
        event->accept();
    };
    if (event->matches(QKeySequence::Copy))
        return handled([this] { copySelection(); });
    if (event->matches(QKeySequence::Cut))
        return handled([this] { cutSelection(); });
    if (event->matches(QKeySequence::Paste))
        return handled([this] { pasteClipboard(); });
    if (modifiers == Qt::ControlModifier && key == Qt::Key_Z)
        return handled([this] { m_undo->undo(); });
    if ((modifiers == Qt::ControlModifier && key == Qt::Key_Y) ||
        (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key == Qt::Key_Z))
        return handled([this] { m_undo->redo(); });
    if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && modifiers == Qt::NoModifier)
        return handled([this] { clearSelection(); });
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        // An open cell's text is taken first; a refused one keeps the cursor where it is.
        return handled([this] {
            const int refusedBefore = m_refusals;
            commitOpenEditor();
            if (m_refusals == refusedBefore)
                moveDown();
        });
    }
    // Ctrl+Tab and Ctrl+Shift+Tab are the way out of the grid to the buttons.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (modifiers & Qt::ControlModifier)) {
        const bool next = key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        return handled([this, next] { QWidget::focusNextPrevChild(next); });
    }
    TableGrid::keyPressEvent(event);
}

void TranslateGrid::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Menu_Grid"));
    menu.addActions({m_copy, m_cut, m_paste, m_clear});
    menu.addSeparator();
    menu.addActions({m_undoAction, m_redoAction});
    menu.addSeparator();
    menu.addActions({m_import, m_export});
    menu.exec(event->globalPos());
}

} // namespace zz
