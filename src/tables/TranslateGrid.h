#pragma once

#include "app/AppContext.h"
#include "tables/TableEdits.h"
#include "tables/TableGrid.h"

#include <QPointer>
#include <QVector>

class QAction;
class QMenu;
class QUndoStack;

namespace zz {

class TranslateTableModel;

// The translate grid as a spreadsheet: ranges, clipboard as tab-separated text, undo of every
// edit, several rows inserted or deleted at once, CSV in and out, and keys that keep the user
// in the grid. The view's model may be a proxy over the translate model; every index is mapped.
class TranslateGrid : public TableGrid {
    Q_OBJECT
public:
    TranslateGrid(const QString& objectName, AppContext& context, TranslateTableModel* source,
                  QWidget* parent);

    QUndoStack* undoStack() const { return m_undo; }
    // Tests give a chooser that needs no native dialog; the grid does not own it.
    void setFileChooser(FileChooser* chooser) { m_files = chooser; }

    // Forgets every undo step (a new showing of the table).
    void startAfresh();

    void copySelection();
    void cutSelection();
    void pasteClipboard();
    void clearSelection();
    // The selected rows, or the current row; single rows keep their classic questions.
    void insertRowsAtSelection();
    void deleteSelectedRows();
    void importCsv();
    void exportCsv();

    // Copy, Cut, Paste, Clear, Undo, Redo, Import CSV..., Export CSV..., in this order.
    QList<QAction*> editActions() const;
    void applyTexts();

    // The current cell in table terms, the row number 0 when there is none.
    TableCell currentCell() const;
    // Makes the cell of `row` (1 to 2000) and `column` current.
    void goToCell(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

protected slots:
    void commitData(QWidget* editor) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    QModelIndex toSource(const QModelIndex& viewIndex) const;
    QModelIndex toView(int row, int column) const;
    // The selected cells, or the current one when nothing is selected.
    QVector<TableCell> selectedCells() const;
    // The distinct rows of the selection in ascending order.
    QVector<int> selectedRows() const;
    void record(const TranslateTable& before, const TranslateTable& after, const QString& text);
    void change(const TranslateTable& after, const QString& text);
    void selectBlock(const CellBlock& block);
    void moveTab(bool next);
    void moveDown();
    const TextTable& texts() const;

    AppContext& m_context;
    TranslateTableModel* m_source;
    QUndoStack* m_undo;
    FileChooser* m_files = nullptr;
    // The refusal box takes the focus from the editor, which then commits again.
    bool m_refusingEdit = false;
    QPointer<QWidget> m_refusedEditor; // ended by the refusal, not by what the user pressed
    int m_refusals = 0;
    QAction* m_copy;
    QAction* m_cut;
    QAction* m_paste;
    QAction* m_clear;
    QAction* m_undoAction;
    QAction* m_redoAction;
    QAction* m_import;
    QAction* m_export;
};

} // namespace zz
