#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class FlatButton;

// Finds the device with a ping and starts the external updater.
class TFBootTCP : public BandedDialog {
    Q_OBJECT
public:
    TFBootTCP(AppContext& context, QWidget* parent);

    void Set_Lang() override;

private:
    AppContext& m_context;
    FlatButton* m_Btn_Cancel;
    FlatButton* m_Btn_Update;
    FlatButton* m_Btn_Next;
};

} // namespace zz
