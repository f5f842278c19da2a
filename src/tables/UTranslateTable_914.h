#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class FlatButton;

// Edits the translate table of the active configuration (var.xml).
class TFTranslateTable_914 : public BandedDialog {
    Q_OBJECT
public:
    TFTranslateTable_914(AppContext& context, QWidget* parent);

    void Set_Lang() override;

private:
    AppContext& m_context;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
    FlatButton* m_Btn_DelRow;
    FlatButton* m_Btn_InsRow;
};

} // namespace zz
