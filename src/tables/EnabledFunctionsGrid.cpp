#include "tables/EnabledFunctionsGrid.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/EnabledFunctionsModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>
#include <utility>

namespace zz {

namespace {

// One undo step: the whole list before and after it.
class FunctionsEditCommand : public QUndoCommand {
public:
    using Apply = std::function<void(const EnabledFunctionList&)>;

    // `applied`: the model already holds `after`, so the first redo has nothing to do.
    FunctionsEditCommand(Apply apply, EnabledFunctionList before, EnabledFunctionList after,
                         const QString& text, bool applied)
        : QUndoCommand(text)
        , m_apply(std::move(apply))
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_skipRedo(applied) {}

    void undo() override { m_apply(m_before); }
    void redo() override {
        if (m_skipRedo) {
            m_skipRedo = false;
            return;
        }
        m_apply(m_after);
    }

private:
    Apply m_apply;
    EnabledFunctionList m_before;
    EnabledFunctionList m_after;
    bool m_skipRedo;
};

} // namespace

EnabledFunctionsGrid::EnabledFunctionsGrid(const QString& objectName, AppContext& context,
                                           EnabledFunctionsModel* source, QWidget* parent)
    : SpreadsheetGrid(objectName, context, parent)
    , m_source(source)
    , m_known(source->list()) {
    connect(source, &QAbstractItemModel::dataChanged, this, &EnabledFunctionsGrid::noteModelChange);
    // A reload is a new start, not an edit.
    connect(source, &QAbstractItemModel::modelReset, this, [this] { m_known = m_source->list(); });
    applyTexts();
}

void EnabledFunctionsGrid::startAfresh() {
    undoStack()->clear();
    m_known = m_source->list();
}

void EnabledFunctionsGrid::noteModelChange() {
    const EnabledFunctionList now = m_source->list();
    if (now == m_known)
        return;
    undoStack()->push(new FunctionsEditCommand([this](const EnabledFunctionList& list) { showList(list); },
                                               m_known, now, QString(), true));
    m_known = now;
}

void EnabledFunctionsGrid::showList(const EnabledFunctionList& list) {
    // Known first, so that the change it makes is not taken for a new edit.
    m_known = list;
    m_source->replaceList(list);
}

void EnabledFunctionsGrid::change(const EnabledFunctionList& after, const QString& text) {
    undoStack()->push(new FunctionsEditCommand([this](const EnabledFunctionList& list) { showList(list); },
                                               m_source->list(), after, text, false));
}

FunctionCell EnabledFunctionsGrid::currentCell() const {
    const QModelIndex index = currentIndex();
    return index.isValid() ? FunctionCell{index.row() + 1, index.column()} : FunctionCell{};
}

QVector<FunctionCell> EnabledFunctionsGrid::selectedCells() const {
    QVector<FunctionCell> cells;
    // The ranges, not the selected indexes: those leave out the labels, which are copied too.
    const QItemSelection selection = selectionModel() ? selectionModel()->selection() : QItemSelection();
    for (const QItemSelectionRange& range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            for (int column = range.left(); column <= range.right(); ++column) {
                const FunctionCell cell{row + 1, column};
                if (!cells.contains(cell))
                    cells.append(cell);
            }
        }
    }
    if (cells.isEmpty() && currentIndex().isValid())
        cells.append(currentCell());
    return cells;
}

void EnabledFunctionsGrid::selectBlock(const FunctionBlock& block) {
    selectViewBlock(model()->index(block.firstRow - 1, block.firstColumn),
                    model()->index(block.lastRow - 1, block.lastColumn));
}

void EnabledFunctionsGrid::copySelection() {
    commitOpenEditor();
    const QVector<FunctionCell> cells = selectedCells();
    if (cells.isEmpty())
        return;
    // Several ranges are copied as the block that holds them all.
    QGuiApplication::clipboard()->setText(
        functionBlockAsTabSeparated(m_source->list(), blockAround(cells), texts()));
}

void EnabledFunctionsGrid::cutSelection() {
    copySelection();
    clearSelected(texts()[added::GridCut]);
}

void EnabledFunctionsGrid::pasteClipboard() {
    commitOpenEditor();
    const QVector<FunctionCell> selection = selectedCells();
    // A block goes to the top left corner of the selection, however it was selected.
    const FunctionBlock selected = blockAround(selection);
    const FunctionCell at =
        selection.isEmpty() ? FunctionCell{} : FunctionCell{selected.firstRow, selected.firstColumn};
    if (at.row == 0)
        return;
    const FunctionPasteOutcome outcome =
        pasteIntoFunctions(m_source->list(), QGuiApplication::clipboard()->text(), at, selection, texts());
    if (outcome.refusal) {
        context().dialogs.showError(window(), *outcome.refusal);
        setFocus();
        return;
    }
    if (!outcome.covered)
        return;
    if (!(outcome.list == m_source->list()))
        change(outcome.list, texts()[added::GridPaste]);
    selectBlock(outcome.block);
}

void EnabledFunctionsGrid::clearSelection() {
    commitOpenEditor();
    clearSelected(texts()[added::GridClear]);
}

void EnabledFunctionsGrid::clearSelected(const QString& undoText) {
    EnabledFunctionList after = m_source->list();
    clearFunctionCells(after, selectedCells());
    if (!(after == m_source->list()))
        change(after, undoText);
}

std::optional<QString> EnabledFunctionsGrid::refusalOfTypedText(const QModelIndex& viewIndex,
                                                                const QString& text) const {
    return characterRefusal(text, viewIndex.row() + 1, viewIndex.column(), texts());
}

} // namespace zz
