#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class FlatButton;

// Edits which Modbus function codes the converter accepts (EnableFunctions.xml).
class TFEnableFunctions : public BandedDialog {
    Q_OBJECT
public:
    TFEnableFunctions(AppContext& context, QWidget* parent);

    void Set_Lang() override;

private:
    AppContext& m_context;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
};

} // namespace zz
