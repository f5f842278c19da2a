#pragma once

#include "tables/EnabledFunctions.h"
#include "tables/FunctionGridEdits.h"
#include "tables/SpreadsheetGrid.h"

#include <QVector>

namespace zz {

class EnabledFunctionsModel;

// The Enabled Functions grid with the conventions of the translate grid: ranges, the clipboard
// as tab-separated text, undo of every change and keys that keep the user in the grid. The
// view's model is the functions model or an identity proxy over it.
class EnabledFunctionsGrid : public SpreadsheetGrid {
    Q_OBJECT
public:
    EnabledFunctionsGrid(const QString& objectName, AppContext& context, EnabledFunctionsModel* source,
                         QWidget* parent);

    // Forgets every undo step; the list the model holds now is where undoing stops.
    void startAfresh();

    void copySelection() override;
    void cutSelection() override;
    void pasteClipboard() override;
    void clearSelection() override;

protected:
    std::optional<QString> refusalOfTypedText(const QModelIndex& viewIndex,
                                              const QString& text) const override;

private:
    // Every change of the list that no undo step made becomes one (typing, ticking).
    void noteModelChange();
    void showList(const EnabledFunctionList& list);
    void change(const EnabledFunctionList& after, const QString& text);
    // The cells of every selected range, labels included, or the current cell.
    QVector<FunctionCell> selectedCells() const;
    FunctionCell currentCell() const;
    void selectBlock(const FunctionBlock& block);
    // Empties the selected cells as one undo step named `undoText`.
    void clearSelected(const QString& undoText);

    EnabledFunctionsModel* m_source;
    EnabledFunctionList m_known; // the list as the last undo step left it
};

} // namespace zz
