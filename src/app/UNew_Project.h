#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

class QLabel;
class QLineEdit;

namespace zz {

class FlatButton;

// Asks for the name of a new configuration and creates its folder.
class TFNew_Project : public BandedDialog {
    Q_OBJECT
public:
    TFNew_Project(AppContext& context, QWidget* parent);

    void Set_Lang() override;
    void Btn_OKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QLabel* m_label;
    QLineEdit* m_name;
    FlatButton* m_ok;
    FlatButton* m_cancel;
};

} // namespace zz
