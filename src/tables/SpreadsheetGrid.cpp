#include "tables/SpreadsheetGrid.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaProperty>
#include <QUndoStack>

namespace zz {

namespace {

// Enough to undo a working session; each step holds what it changed.
constexpr int kUndoLimit = 200;

// Tab stops where the user can change something.
bool isTabStop(const QModelIndex& index) {
    return index.flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
}

} // namespace

SpreadsheetGrid::SpreadsheetGrid(const QString& objectName, AppContext& context, QWidget* parent)
    : TableGrid(objectName, parent)
    , m_context(context)
    , m_undo(new QUndoStack(this)) {
    m_undo->setUndoLimit(kUndoLimit);
    setSelectionMode(QAbstractItemView::ExtendedSelection);

    m_copy = makeAction(QStringLiteral("Act_Copy"), {QKeySequence::Copy});
    m_cut = makeAction(QStringLiteral("Act_Cut"), {QKeySequence::Cut});
    m_paste = makeAction(QStringLiteral("Act_Paste"), {QKeySequence::Paste});
    m_clear = makeAction(QStringLiteral("Act_Clear"), {QKeySequence(Qt::Key_Delete)});
    m_undoAction = makeAction(QStringLiteral("Act_Undo"), {QKeySequence(Qt::CTRL | Qt::Key_Z)});
    m_redoAction = makeAction(QStringLiteral("Act_Redo"), {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(m_copy, &QAction::triggered, this, [this] { copySelection(); });
    connect(m_cut, &QAction::triggered, this, [this] { cutSelection(); });
    connect(m_paste, &QAction::triggered, this, [this] { pasteClipboard(); });
    connect(m_clear, &QAction::triggered, this, [this] { clearSelection(); });
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
}

QAction* SpreadsheetGrid::makeAction(const QString& objectName, const QList<QKeySequence>& keys) {
    auto* action = new QAction(this);
    action->setObjectName(objectName);
    action->setShortcuts(keys);
    // The grid handles the keys itself; the menu only shows them.
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

QList<QAction*> SpreadsheetGrid::editActions() const {
    return {m_copy, m_cut, m_paste, m_clear, m_undoAction, m_redoAction};
}

void SpreadsheetGrid::applyTexts() {
    const TextTable& t = texts();
    const std::pair<QAction*, int> captions[] = {
        {m_copy, added::GridCopy},   {m_cut, added::GridCut},         {m_paste, added::GridPaste},
        {m_clear, added::GridClear}, {m_undoAction, added::GridUndo}, {m_redoAction, added::GridRedo}};
    for (const auto& [action, index] : captions)
        action->setText(t[index]);
}

const TextTable& SpreadsheetGrid::texts() const {
    return m_context.state.Texts;
}

bool SpreadsheetGrid::finishOpenEdit() {
    const int refusedBefore = m_refusals;
    commitOpenEditor();
    return m_refusals == refusedBefore;
}

void SpreadsheetGrid::selectViewBlock(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight), QItemSelectionModel::ClearAndSelect);
}

void SpreadsheetGrid::commitData(QWidget* editor) {
    // Qt commits an editor more than once (on Enter, on losing the focus, to the refusal box
    // too); a refused one is done with.
    if (m_refusing || !editor || editor == m_refusedEditor)
        return;
    // The editor covers its cell; the current cell may already have moved on.
    const QModelIndex cell = indexAt(editor->geometry().center());
    const QVariant typed = editor->metaObject()->userProperty().read(editor);
    if (cell.isValid() && typed.typeId() == QMetaType::QString) {
        if (const std::optional<QString> refusal = refusalOfTypedText(cell, typed.toString())) {
            refuseEdit(editor, cell, *refusal);
            return;
        }
    }
    takeEdit(editor);
}

void SpreadsheetGrid::refuseEdit(QWidget* editor, const QModelIndex& viewIndex, const QString& message) {
    m_refusedEditor = editor;
    m_refusing = true;
    ++m_refusals;
    // The box runs its own event loop: the editor must outlive it, so neither its delegate
    // (on losing the focus) nor a queued close may end it meanwhile.
    editor->removeEventFilter(itemDelegateForIndex(viewIndex));
    m_context.dialogs.showError(window(), message);
    m_refusing = false;
    // Nothing is taken; the edit ends here, the cursor stays, and the closes that follow are
    // no-ops.
    if (m_refusedEditor)
        TableGrid::closeEditor(editor, QAbstractItemDelegate::NoHint);
    setFocus();
}

void SpreadsheetGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor && editor == m_refusedEditor) {
        if (!m_refusing && indexWidget(indexAt(editor->geometry().center())) == editor)
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

bool SpreadsheetGrid::focusNextPrevChild(bool next) {
    // Tab never leaves the grid: an accidental Tab, Enter would otherwise save and close.
    moveTab(next);
    return true;
}

void SpreadsheetGrid::moveTab(bool next) {
    const QAbstractItemModel* shown = model();
    if (!shown)
        return;
    const int rows = shown->rowCount();
    const int columns = shown->columnCount();
    const QModelIndex current = currentIndex();
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
        if (!isColumnHidden(column) && isTabStop(candidate)) {
            setCurrentIndex(candidate);
            scrollTo(candidate);
            return;
        }
    }
}

void SpreadsheetGrid::moveDown() {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() + 1 >= model()->rowCount())
        return;
    const QModelIndex below = model()->index(current.row() + 1, current.column());
    setCurrentIndex(below);
    scrollTo(below);
}

void SpreadsheetGrid::keyPressEvent(QKeyEvent* event) {
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
    // Enter in an open cell reaches the grid too: the text is taken first, and a refused one
    // keeps the cursor where it is.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        return handled([this] {
            if (finishOpenEdit())
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

void SpreadsheetGrid::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Menu_Grid"));
    menu.addActions({m_copy, m_cut, m_paste, m_clear});
    menu.addSeparator();
    menu.addActions({m_undoAction, m_redoAction});
    const QList<QAction*> more = editActions().mid(6);
    if (!more.isEmpty()) {
        menu.addSeparator();
        menu.addActions(more);
    }
    menu.exec(event->globalPos());
}

} // namespace zz
