#pragma once

#include "app/AppContext.h"
#include "widgets/BandedDialog.h"

class QLabel;
class QListWidget;

namespace zz {

class FlatButton;

// Lists the configurations under PROJECTS and lets the user choose one.
class TFOpenConf : public BandedDialog {
    Q_OBJECT
public:
    TFOpenConf(AppContext& context, QWidget* parent);

    void Set_Lang() override;
    void Load_Existing_Configuration();

    // The name offered as chosen; the main window reads it after OK. Kept between showings.
    QString Name_Conf;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ListBox1Click(int row);

    AppContext& m_context;
    QStringList m_names;
    QLabel* m_label;
    QListWidget* m_list;
    FlatButton* m_ok;
    FlatButton* m_cancel;
};

} // namespace zz
