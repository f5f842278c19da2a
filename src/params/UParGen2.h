#pragma once

#include "app/AppContext.h"
#include "params/GeneralParameters.h"
#include "widgets/BandedDialog.h"

#include <array>
#include <span>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zz {

class CategoryPanel;
class CategoryPanelGroup;
class FlatButton;

// Edits the communication parameters of the active configuration (ParGen.xml) in three
// collapsible sections: operation mode, Modbus TCP slave, Modbus master. Every showing reads
// the file again; OK checks the values and writes the file, Cancel asks before dropping edits.
class TFParGen2 : public BandedDialog {
    Q_OBJECT
public:
    TFParGen2(AppContext& context, QWidget* parent);

    void Set_Lang() override;

    // True once the user has changed a field since the dialog was last shown.
    bool isChanged() const { return Is_Change; }
    // The parameter set as the controls hold it now.
    GeneralParameters currentValues() const;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void Order_TAB_Panels();
    void Move_GroupBoxs();
    void Btn_OKClick();
    void Btn_CancelClick();
    void On_Change();
    void On_Click();
    bool Controllo_Dati();
    // The dot filter of the byte fields; true when the key must not reach the field.
    bool KeyPress(QLineEdit* field, const QString& typed);

    void buildOperationModeSection();
    void buildModbusTcpSlaveSection();
    void buildModbusMasterSection();
    void setTabOrders();
    void showValues(const GeneralParameters& values);
    void refillTranslatedList(QComboBox* list, std::span<const int> textIndices);

    QLineEdit* addEdit(QWidget* parent, const char* objectName);
    QCheckBox* addCheckBox(QWidget* parent, const char* objectName);
    QComboBox* addList(QWidget* parent, const char* objectName);
    QLabel* addLabel(QWidget* parent, const char* objectName);

    AppContext& m_context;
    bool Is_Change = false;
    bool m_keepBrokenFile = false; // the file read at showing was not well-formed

    FlatButton* m_Btn_OK;
    FlatButton* m_Btn_Cancel;
    CategoryPanelGroup* m_CPG = nullptr;
    CategoryPanel* m_CP_Operation_Mode_914 = nullptr;
    CategoryPanel* m_CP_Modbus_TCP_Slave = nullptr;
    CategoryPanel* m_CP_Modbus_Master = nullptr;

    QLabel* m_L_OperationMode_OperationMode = nullptr;
    QComboBox* m_CB_OperationMode_OperationMode = nullptr;

    QLabel* m_L_ModbusTCPSlave_IP = nullptr;
    QLabel* m_L_ModbusTCPSlave_SM = nullptr;
    QLabel* m_L_ModbusTCPSlave_Port = nullptr;
    std::array<QLineEdit*, 4> m_E_ModbusTCPSlave_IP{};
    std::array<QLineEdit*, 4> m_E_ModbusTCPSlave_SM{};
    std::array<QLineEdit*, 4> m_E_ModbusTCPSlave_GAT{};
    QLineEdit* m_E_ModbusTCPSlave_Port = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_GAT = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_EnUDP = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_EnSpecialCmd = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_CancTwoByte = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_NoTCPFrame = nullptr;
    QCheckBox* m_CB_ModbusTCPSlave_FastS = nullptr;
    QLabel* m_L_ModbusTCPSlave_SSID = nullptr;
    QLineEdit* m_E_ModbusTCPSlave_SSID = nullptr;
    QLabel* m_L_ModbusTCPSlave_PWD = nullptr;
    QLineEdit* m_E_ModbusTCPSlave_PWD = nullptr;
    QLabel* m_L_ModbusTCPSlave_PWD_Type = nullptr;
    QComboBox* m_CB_ModbusTCPSlave_PWD_Type = nullptr;

    QLabel* m_L_Modbus_Master_Baudrate = nullptr;
    QComboBox* m_CB_Modbus_Master_Baudrate = nullptr;
    QLabel* m_L_Modbus_Master_Parity = nullptr;
    QComboBox* m_CB_Modbus_Master_Parity = nullptr;
    QLabel* m_L_Modbus_Master_RS485StopBits = nullptr;
    QComboBox* m_CB_Modbus_Master_RS485StopBits = nullptr;
    QLabel* m_L_Modbus_Master_DataBits = nullptr;
    QComboBox* m_CB_Modbus_Master_DataBits = nullptr;
    QLabel* m_L_Modbus_Master_TimeOut = nullptr;
    QLineEdit* m_E_Modbus_Master_TimeOut = nullptr;
    QLabel* m_L_Modbus_Master_Communication = nullptr;
    QLineEdit* m_E_Modbus_Master_Communication = nullptr;
    QLabel* m_L_Modbus_Master_Time_Between_Byte = nullptr;
    QLineEdit* m_E_Modbus_Master_Time_Between_Byte = nullptr;
    QCheckBox* m_CB_Modbus_Master_Filter = nullptr;
    QLabel* m_L_Modbus_Master_Serial = nullptr;
    QComboBox* m_CB_Modbus_Master_Serial = nullptr;
};

} // namespace zz
