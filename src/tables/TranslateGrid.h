#pragma once

#include "tables/SpreadsheetGrid.h"
#include "tables/TableEdits.h"

#include <QVector>

class QAction;

namespace zz {

class TranslateTableModel;

// The translate grid as a spreadsheet: ranges, clipboard as tab-separated text, undo of every
// edit, several rows inserted or deleted at once, CSV in and out, and keys that keep the user
// in the grid. The view's model may be a proxy over the translate model; every index is mapped.
class TranslateGrid : public SpreadsheetGrid {
    Q_OBJECT
public:
    TranslateGrid(const QString& objectName, AppContext& context, TranslateTableModel* source,
                  QWidget* parent);

    // Tests give a chooser that needs no native dialog; the grid does not own it.
    void setFileChooser(FileChooser* chooser) { m_files = chooser; }

    // Forgets every undo step (a new showing of the table).
    void startAfresh();

    void copySelection() override;
    void cutSelection() override;
    void pasteClipboard() override;
    void clearSelection() override;
    // The selected rows, or the current row; single rows keep their classic questions.
    void insertRowsAtSelection();
    void deleteSelectedRows();
    void importCsv();
    void exportCsv();

    // Copy, Cut, Paste, Clear, Undo, Redo, Import CSV..., Export CSV..., in this order.
    QList<QAction*> editActions() const override;
    void applyTexts() override;

    // The current cell in table terms, the row number 0 when there is none.
    TableCell currentCell() const;
    // Makes the cell of `row` (1 to 2000) and `column` current.
    void goToCell(int row, int column);

protected:
    std::optional<QString> refusalOfTypedText(const QModelIndex& viewIndex,
                                              const QString& text) const override;
    void takeEdit(QWidget* editor) override;

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
    // Empties the selected cells as one undo step named `undoText`.
    void clearSelected(const QString& undoText);

    TranslateTableModel* m_source;
    FileChooser* m_files = nullptr;
    QAction* m_import;
    QAction* m_export;
};

} // namespace zz
