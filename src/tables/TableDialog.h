#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class SpreadsheetGrid;

// A dialog that edits a table in a grid: Cancel, the close box and Escape ask before unsaved
// edits are discarded, and close at once when nothing changed since the showing.
class TableDialog : public BandedDialog {
    Q_OBJECT
public:
    TableDialog(const QString& objectName, AppContext& context, QWidget* parent);

    void Btn_CancelClick();

protected:
    // The grid the user edits, and whether its table differs from what the showing loaded.
    virtual SpreadsheetGrid* editedGrid() const = 0;
    virtual bool hasEdits() const = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // True when nothing was edited since the showing, or the user agrees to lose the edits.
    bool mayDiscardEdits();

    AppContext& m_tableContext;
};

} // namespace zz
