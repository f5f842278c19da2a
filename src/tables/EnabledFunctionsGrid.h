#pragma once

#include "app/AppContext.h"
#include "tables/EnabledFunctions.h"
#include "tables/FunctionGridEdits.h"
#include "tables/TableGrid.h"

#include <QPointer>
#include <QVector>

class QAction;
class QUndoStack;

namespace zz {

class EnabledFunctionsModel;

// The Enabled Functions grid with the conventions of the translate grid: ranges, the clipboard
// as tab-separated text, undo of every change and keys that keep the user in the grid. The
// view's model is the functions model or an identity proxy over it.
class EnabledFunctionsGrid : public TableGrid {
    Q_OBJECT
public:
    EnabledFunctionsGrid(const QString& objectName, AppContext& context, EnabledFunctionsModel* source,
                         QWidget* parent);

    QUndoStack* undoStack() const { return m_undo; }

    // Forgets every undo step; the list the model holds now is where undoing stops.
    void startAfresh();

    void copySelection();
    void cutSelection();
    void pasteClipboard();
    void clearSelection();

    // Copy, Cut, Paste, Clear, Undo, Redo, in this order.
    QList<QAction*> editActions() const;
    void applyTexts();

    // Ends an open cell edit; false when its text was refused, so the dialog must stay.
    bool finishOpenEdit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // Every change of the list that no undo step made becomes one (typing, ticking).
    void noteModelChange();
    void showList(const EnabledFunctionList& list);
    // Shows why the text of `editor` is not taken and ends the edit without it.
    void refuseEdit(QWidget* editor, const QModelIndex& index, const QString& message);
    void change(const EnabledFunctionList& after, const QString& text);
    // The cells of every selected range, labels included, or the current cell.
    QVector<FunctionCell> selectedCells() const;
    FunctionCell currentCell() const;
    QModelIndex indexOfEditor(const QWidget* editor) const;
    void selectBlock(const FunctionBlock& block);
    void moveTab(bool next);
    void moveDown();
    const TextTable& texts() const;

    AppContext& m_context;
    EnabledFunctionsModel* m_source;
    QUndoStack* m_undo;
    EnabledFunctionList m_known; // the list as the last undo step left it
    bool m_refusing = false;     // the refusal box is up
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
