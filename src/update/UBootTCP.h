#pragma once

#include "app/AppContext.h"
#include "update/JobFile.h"
#include "widgets/BandedDialog.h"

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QStackedWidget;

namespace zz {

class FlatButton;
class PingCheck;

// Finds the device with a ping and starts the external updater. The address page comes first;
// a successful check leads to the options page, from which there is no way back.
class TFBootTCP : public BandedDialog {
    Q_OBJECT
public:
    TFBootTCP(AppContext& context, QWidget* parent);
    ~TFBootTCP() override;

    void Set_Lang() override;

    void FormShow();
    void LbButton1Click(); // Btn_Ping: the device check
    void LbButton2Click(); // Btn_Next: to the options page once the device answered
    void LbButton4Click(); // Btn_Update: job file, then the updater

    bool onOptionsPage() const;
    // A device check is under way.
    bool isChecking() const;

    // True only after a check that found the device at the address the edits hold.
    bool Esegui_Ping = false;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAddressPage();
    void buildOptionsPage();
    void setKeyboardOrder();
    void showAddressPage();
    void showOptionsPage();
    void pingFinished(PingOutcome outcome);
    void addressEdited();
    void showPingResult(const QString& text, const QColor& color);
    QString typedAddress() const;
    JobRequest jobRequest() const;
    void runUpdaterShowingProgress();
    void updateButtonFollowsOperations();
    void showUpdaterEnded(std::chrono::milliseconds after);

    AppContext& m_context;
    PingCheck* makePingCheck();
    PingCheck* m_ping;
    // The address of the check under way, as typed when it started.
    QString m_checkedAddress;

    QStackedWidget* m_pages;
    QWidget* m_addressPage;
    QWidget* m_optionsPage;

    QLabel* m_L_IP_Address;
    std::array<QLineEdit*, 4> m_E_IP{};
    std::array<QLabel*, 3> m_dots{};
    QLabel* m_L_Ping;
    FlatButton* m_Btn_Ping;
    QLabel* m_LPing;

    QLabel* m_L_Options;
    QCheckBox* m_CB_Firmware;
    QCheckBox* m_CB_Read_Firm;
    QCheckBox* m_CB_Conf;
    QCheckBox* m_CB_Read_Conf;
    QLabel* m_L_UpdaterEnded;

    FlatButton* m_Btn_Cancel;
    FlatButton* m_Btn_Update;
    FlatButton* m_Btn_Next;
};

} // namespace zz
