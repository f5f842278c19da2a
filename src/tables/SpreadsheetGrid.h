#pragma once

#include "app/AppContext.h"
#include "tables/TableGrid.h"

#include <QPointer>
#include <optional>

class QAction;
class QUndoStack;

namespace zz {

class TextTable;

// What the editable grids share, so that they behave alike: ranges, the clipboard actions and
// their keys, undo, a typed text the file cannot hold refused before it reaches the table, and
// keys that keep the user in the grid (Tab wraps from cell to cell, Enter goes down, Ctrl+Tab
// leaves). A subclass says what copying, cutting, pasting and clearing do to its table.
class SpreadsheetGrid : public TableGrid {
    Q_OBJECT
public:
    SpreadsheetGrid(const QString& objectName, AppContext& context, QWidget* parent);

    QUndoStack* undoStack() const { return m_undo; }

    virtual void copySelection() = 0;
    virtual void cutSelection() = 0;
    virtual void pasteClipboard() = 0;
    virtual void clearSelection() = 0;

    // Copy, Cut, Paste, Clear, Undo, Redo, then what a subclass adds, in this order.
    virtual QList<QAction*> editActions() const;
    virtual void applyTexts();

    // Ends an open cell edit; false when its text was refused, so the dialog must stay.
    bool finishOpenEdit();

protected:
    // Why the text typed into the cell at `viewIndex` is not taken, or nothing.
    virtual std::optional<QString> refusalOfTypedText(const QModelIndex& viewIndex,
                                                      const QString& text) const = 0;
    // Takes the text of an editor that passed into the table; an undo step must follow.
    virtual void takeEdit(QWidget* editor) { TableGrid::commitData(editor); }

    QAction* makeAction(const QString& objectName, const QList<QKeySequence>& keys);
    // Selects the cells from `topLeft` to `bottomRight` (view indexes), the first one current.
    void selectViewBlock(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void moveTab(bool next);
    void moveDown();
    AppContext& context() const { return m_context; }
    const TextTable& texts() const;

    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Shows why the text of `editor` is not taken and ends the edit without it.
    void refuseEdit(QWidget* editor, const QModelIndex& viewIndex, const QString& message);

    AppContext& m_context;
    QUndoStack* m_undo;
    bool m_refusing = false; // the refusal box is up
    QPointer<QWidget> m_refusedEditor;
    int m_refusals = 0; // texts refused so far
    QAction* m_copy;
    QAction* m_cut;
    QAction* m_paste;
    QAction* m_clear;
    QAction* m_undoAction;
    QAction* m_redoAction;
};

} // namespace zz
