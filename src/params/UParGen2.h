#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class FlatButton;

// Edits the communication parameters of the active configuration (ParGen.xml).
class TFParGen2 : public BandedDialog {
    Q_OBJECT
public:
    TFParGen2(AppContext& context, QWidget* parent);

    void Set_Lang() override;

private:
    AppContext& m_context;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
};

} // namespace zz
