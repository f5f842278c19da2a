#include "tables/EnabledFunctionsGrid.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/EnabledFunctionsModel.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaProperty>
#include <QUndoCommand>
#include <QUndoStack>
#include <functional>
#include <utility>

namespace zz {

namespace {

// Far more than a session of eleven rows needs; each step holds two small lists.
constexpr int kUndoLimit = 200;

QAction* makeAction(QObject* parent, const QString& objectName, const QList<QKeySequence>& keys) {
    auto* action = new QAction(parent);
    action->setObjectName(objectName);
    action->setShortcuts(keys);
    // The grid handles the keys itself; the menu only shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

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

bool isEditableCell(const QModelIndex& index) {
    const Qt::ItemFlags flags = index.flags();
    return flags.testFlag(Qt::ItemIsEditable) || flags.testFlag(Qt::ItemIsUserCheckable);
}

} // namespace

EnabledFunctionsGrid::EnabledFunctionsGrid(const QString& objectName, AppContext& context,
                                           EnabledFunctionsModel* source, QWidget* parent)
    : TableGrid(objectName, parent)
    , m_context(context)
    , m_source(source)
    , m_undo(new QUndoStack(this))
    , m_known(source->list()) {
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
    connect(m_copy, &QAction::triggered, this, &EnabledFunctionsGrid::copySelection);
    connect(m_cut, &QAction::triggered, this, &EnabledFunctionsGrid::cutSelection);
    connect(m_paste, &QAction::triggered, this, &EnabledFunctionsGrid::pasteClipboard);
    connect(m_clear, &QAction::triggered, this, &EnabledFunctionsGrid::clearSelection);
    connect(m_undoAction, &QAction::triggered, this, [this] {
        commitOpenEditor();
        m_undo->undo();
    });
    connect(m_redoAction, &QAction::triggered, this, [this] {
        commitOpenEditor();
        m_undo->redo();
    });
    m_undoAction->setEnabled(false);
    m_redoAction->setEnabled(false);
    connect(m_undo, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);

    connect(source, &QAbstractItemModel::dataChanged, this, &EnabledFunctionsGrid::noteModelChange);
    // A reload is a new start, not an edit.
    connect(source, &QAbstractItemModel::modelReset, this, [this] { m_known = m_source->list(); });
    applyTexts();
}

QList<QAction*> EnabledFunctionsGrid::editActions() const {
    return {m_copy, m_cut, m_paste, m_clear, m_undoAction, m_redoAction};
}

void EnabledFunctionsGrid::applyTexts() {
    const TextTable& t = texts();
    const int indices[] = {added::GridCopy,  added::GridCut,  added::GridPaste,
                           added::GridClear, added::GridUndo, added::GridRedo};
    const QList<QAction*> actions = editActions();
    for (qsizetype i = 0; i < actions.size(); ++i)
        actions[i]->setText(t[indices[i]]);
}

const TextTable& EnabledFunctionsGrid::texts() const {
    return m_context.state.Texts;
}

void EnabledFunctionsGrid::startAfresh() {
    m_undo->clear();
    m_known = m_source->list();
}

void EnabledFunctionsGrid::noteModelChange() {
    const EnabledFunctionList now = m_source->list();
    if (now == m_known)
        return;
    m_undo->push(new FunctionsEditCommand([this](const EnabledFunctionList& list) { showList(list); },
                                          m_known, now, QString(), true));
    m_known = now;
}

void EnabledFunctionsGrid::showList(const EnabledFunctionList& list) {
    // Known first, so that the change it makes is not taken for a new edit.
    m_known = list;
    m_source->replaceList(list);
}

void EnabledFunctionsGrid::change(const EnabledFunctionList& after, const QString& text) {
    m_undo->push(new FunctionsEditCommand([this](const EnabledFunctionList& list) { showList(list); },
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
    const QModelIndex topLeft = model()->index(block.firstRow - 1, block.firstColumn);
    const QModelIndex bottomRight = model()->index(block.lastRow - 1, block.lastColumn);
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
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
    EnabledFunctionList after = m_source->list();
    clearFunctionCells(after, selectedCells());
    if (!(after == m_source->list()))
        change(after, texts()[added::GridCut]);
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
        m_context.dialogs.showError(window(), *outcome.refusal);
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
    EnabledFunctionList after = m_source->list();
    clearFunctionCells(after, selectedCells());
    if (!(after == m_source->list()))
        change(after, texts()[added::GridClear]);
}

bool EnabledFunctionsGrid::finishOpenEdit() {
    const int refusedBefore = m_refusals;
    commitOpenEditor();
    return m_refusals == refusedBefore;
}

QModelIndex EnabledFunctionsGrid::indexOfEditor(const QWidget* editor) const {
    const QAbstractItemModel* shown = model();
    for (int row = 0; shown && row < shown->rowCount(); ++row) {
        for (int column = 0; column < shown->columnCount(); ++column) {
            const QModelIndex index = shown->index(row, column);
            if (indexWidget(index) == editor)
                return index;
        }
    }
    return {};
}

void EnabledFunctionsGrid::commitData(QWidget* editor) {
    // While the refusal box is up, the editor that lost the focus to it is committed once more.
    if (m_refusing || !editor)
        return;
    const QModelIndex index = indexOfEditor(editor);
    if (index.isValid()) {
        const QMetaProperty value = editor->metaObject()->userProperty();
        const QString text = value.isValid() ? value.read(editor).toString() : QString();
        if (const auto refusal = characterRefusal(text, index.row() + 1, index.column(), texts())) {
            refuseEdit(editor, index, *refusal);
            return;
        }
    }
    TableGrid::commitData(editor);
}

void EnabledFunctionsGrid::refuseEdit(QWidget* editor, const QModelIndex& index, const QString& message) {
    m_refusedEditor = editor;
    m_refusing = true;
    ++m_refusals;
    // The box runs its own event loop: the editor must outlive it, so neither its delegate
    // (on losing the focus) nor a queued close may end it meanwhile.
    editor->removeEventFilter(itemDelegateForIndex(index));
    m_context.dialogs.showError(window(), message);
    m_refusing = false;
    // Nothing is taken; the edit ends here, and the closes that follow are no-ops.
    if (m_refusedEditor)
        TableGrid::closeEditor(editor, QAbstractItemDelegate::NoHint);
    setFocus();
}

void EnabledFunctionsGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor && editor == m_refusedEditor) {
        // Closed by the refusal itself, once its box is gone; the cursor stays.
        if (!m_refusing && indexOfEditor(editor).isValid())
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

bool EnabledFunctionsGrid::focusNextPrevChild(bool next) {
    // Tab never leaves the grid: an accidental Tab, Enter would otherwise save and close.
    moveTab(next);
    return true;
}

void EnabledFunctionsGrid::moveTab(bool next) {
    const QAbstractItemModel* shown = model();
    if (!shown)
        return;
    const int rows = shown->rowCount();
    const int columns = shown->columnCount();
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() : -1;
    // The cells one can change, in reading order, wrapping at the ends of rows; the grid's
    // ends stop the move.
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
        if (!isColumnHidden(column) && isEditableCell(candidate)) {
            setCurrentIndex(candidate);
            scrollTo(candidate);
            return;
        }
    }
}

void EnabledFunctionsGrid::moveDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() + 1 >= model()->rowCount())
        return;
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    setCurrentIndex(below);
    scrollTo(below);
}

void EnabledFunctionsGrid::keyPressEvent(QKeyEvent* event) {
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
    // Enter in an open cell reaches the grid too; the editor's own close moves down then, once
    // its text is taken (or refused).
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier)
        return handled([this] {
            if (state() != QAbstractItemView::EditingState)
                moveDown();
        });
    // Ctrl+Tab and Ctrl+Shift+Tab are the way out of the grid to the buttons.
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (modifiers & Qt::ControlModifier)) {
        const bool next = key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
        return handled([this, next] { QWidget::focusNextPrevChild(next); });
    }
    TableGrid::keyPressEvent(event);
}

void EnabledFunctionsGrid::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Menu_Grid"));
    menu.addActions({m_copy, m_cut, m_paste, m_clear});
    menu.addSeparator();
    menu.addActions({m_undoAction, m_redoAction});
    menu.exec(event->globalPos());
}

} // namespace zz
