#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class EnabledFunctionsModel;
class FlatButton;
class FunctionsInUseProxy;
class TableGrid;

// Edits which Modbus function codes the converter accepts (EnableFunctions.xml). Every showing
// reloads the file; only OK writes it.
class TFEnableFunctions : public BandedDialog {
    Q_OBJECT
public:
    TFEnableFunctions(AppContext& context, QWidget* parent);

    void Set_Lang() override;

    // Fills the grid from the file; problems are reported once the dialog is up.
    void FormShow();
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    EnabledFunctionsModel* m_model;
    FunctionsInUseProxy* m_inUse;
    TableGrid* m_sga;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
};

} // namespace zz
