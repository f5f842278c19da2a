#include "tables/TableDialog.h"

#include "lang/TextTable.h"
#include "tables/SpreadsheetGrid.h"
#include "tables/TableMessages.h"

#include <QCloseEvent>
#include <QKeyEvent>

namespace zz {

TableDialog::TableDialog(const QString& objectName, AppContext& context, QWidget* parent)
    : BandedDialog(objectName, context.state.SoftwareCode, parent)
    , m_tableContext(context) {}

void TableDialog::Btn_CancelClick() {
    if (mayDiscardEdits())
        reject();
}

bool TableDialog::mayDiscardEdits() {
    editedGrid()->commitOpenEditor();
    if (!hasEdits() || m_tableContext.dialogs.askYesNo(this, m_tableContext.state.Texts[kDiscardChangesText]))
        return true;
    editedGrid()->setFocus();
    return false;
}

void TableDialog::keyPressEvent(QKeyEvent* event) {
    // Escape is Cancel, question included.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Btn_CancelClick();
        return;
    }
    BandedDialog::keyPressEvent(event);
}

void TableDialog::closeEvent(QCloseEvent* event) {
    if (!mayDiscardEdits()) {
        event->ignore();
        return;
    }
    BandedDialog::closeEvent(event);
}

} // namespace zz
