#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

class QLabel;
class QLineEdit;

namespace zz {

class FlatButton;

// Asks for the name of a new configuration and creates its folder; given a bank file, the new
// configuration holds the files that give that image back.
class TFNew_Project : public BandedDialog {
    Q_OBJECT
public:
    TFNew_Project(AppContext& context, QWidget* parent);

    void Set_Lang() override;
    void Btn_OKClick();
    void Btn_BrowseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Creates the configuration from the bank file; false when the dialog is to stay open.
    bool createFromBankFile(const QString& name, const QString& bankFile);

    AppContext& m_context;
    QLabel* m_label;
    QLineEdit* m_name;
    QLabel* m_bankLabel;
    QLineEdit* m_bankFile;
    FlatButton* m_browse;
    FlatButton* m_ok;
    FlatButton* m_cancel;
};

} // namespace zz
