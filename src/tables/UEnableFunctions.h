#pragma once

#include "app/AppContext.h"
#include "tables/EnabledFunctions.h"
#include "tables/TableDialog.h"

namespace zz {

class EnabledFunctionsGrid;
class EnabledFunctionsModel;
class FlatButton;
class FunctionsInUseProxy;

// Edits which Modbus function codes the converter accepts (EnableFunctions.xml). Every showing
// reloads the file; only OK writes it.
class TFEnableFunctions : public TableDialog {
    Q_OBJECT
public:
    TFEnableFunctions(AppContext& context, QWidget* parent);

    void Set_Lang() override;

    // Fills the grid from the file; problems are reported once the dialog is up.
    void FormShow();
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;
    SpreadsheetGrid* editedGrid() const override;
    bool hasEdits() const override;

private:
    AppContext& m_context;
    EnabledFunctionsModel* m_model;
    FunctionsInUseProxy* m_inUse;
    EnabledFunctionsGrid* m_sga;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
    EnabledFunctionList m_shownList; // as loaded: what Cancel would go back to
};

} // namespace zz
