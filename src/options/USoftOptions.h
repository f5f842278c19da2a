#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

namespace zz {

class FlatButton;

// The language and the internet options.
class TFSoftOptions : public BandedDialog {
    Q_OBJECT
public:
    TFSoftOptions(AppContext& context, QWidget* parent);

    void Set_Lang() override;

private:
    AppContext& m_context;
    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
};

} // namespace zz
