#pragma once

#include "app/AppContext.h"
#include "tables/TableDialog.h"
#include "tables/TranslateTable.h"

namespace zz {

class FlatButton;
class TableFindingsProxy;
class TranslateGrid;
class TranslateTableModel;

// Edits the translate table of the active configuration (var.xml). Every showing reloads the
// file; only OK writes it.
class TFTranslateTable_914 : public TableDialog {
    Q_OBJECT
public:
    TFTranslateTable_914(AppContext& context, QWidget* parent);

    void Set_Lang() override;

    // Rebuilds the grid from the file; problems are reported once the dialog is up.
    void FormShow();
    void Btn_OKClick();
    void Btn_DelRowClick();
    void Btn_InsRowClick();

protected:
    void showEvent(QShowEvent* event) override;
    SpreadsheetGrid* editedGrid() const override;
    bool hasEdits() const override;

private:
    void setInitialColumnWidths();
    void goToCell(int rowNumber, int column);

    AppContext& m_context;
    TranslateTableModel* m_model;
    TableFindingsProxy* m_findings;
    TranslateGrid* m_sga;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
    FlatButton* m_Btn_DelRow;
    FlatButton* m_Btn_InsRow;
    FlatButton* m_Btn_ImportCsv;
    FlatButton* m_Btn_ExportCsv;
    TranslateTable m_shownTable; // as loaded: what Cancel would go back to
};

} // namespace zz
