#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace zz {

// A list position meaning "nothing selected".
inline constexpr int kNoSelection = -1;

// Positions of the fixed lists of the Set Communication dialog.
inline constexpr int kRoutingMode = 0;
inline constexpr int kNatMode = 1;
inline constexpr int kSerialRs232 = 0;
inline constexpr int kSerialRs485 = 1;
inline constexpr int kParityNone = 0;
inline constexpr int kParityOdd = 1;
inline constexpr int kParityEven = 2;
inline constexpr int kEightDataBits = 0;
inline constexpr int kSevenDataBits = 1;
inline constexpr int kOneStopBit = 0;
inline constexpr int kTwoStopBits = 1;
inline constexpr int kBaud115200 = 7;

// Items of the lists whose texts never change with the language.
inline const QStringList kBaudRateItems = {
    QStringLiteral("1200"),     QStringLiteral("2400"),    QStringLiteral("4800"),
    QStringLiteral("9600"),     QStringLiteral("19200"),   QStringLiteral("38400"),
    QStringLiteral("57600"),    QStringLiteral("115200"),  QStringLiteral("230400"),
    QStringLiteral("460800"),   QStringLiteral("921600"),  QStringLiteral("1000000"),
    QStringLiteral("1500000"),  QStringLiteral("3000000"), QStringLiteral("6000000"),
    QStringLiteral("12000000"),
};
inline const QStringList kParityItems = {QStringLiteral("NONE"), QStringLiteral("ODD"),
                                         QStringLiteral("EVEN")};
inline const QStringList kStopBitItems = {QStringLiteral("1"), QStringLiteral("2")};
inline const QStringList kDataBitItems = {QStringLiteral("8"), QStringLiteral("7")};
inline const QStringList kSerialInterfaceItems = {QStringLiteral("RS232"), QStringLiteral("RS485")};

// String-table indices of the items of the two translated lists, in list order.
inline constexpr std::array<int, 2> kOperationModeTextIndices = {92, 93};
inline constexpr std::array<int, 4> kProtectionTypeTextIndices = {248, 249, 250, 251};

// The general parameter set as the Set Communication dialog holds it: text fields exactly as
// typed, check boxes as flags, lists as positions (kNoSelection when nothing is selected).
// A position read from ParGen.xml is kept as it stands, even outside its list. The idle-time
// switch of the file is not held: it is derived from `idleTime` when writing.
struct GeneralParameters {
    int operationMode = kRoutingMode; // MODE, CB_OperationMode_OperationMode

    // TCP_IP1..4, TCP_SUB1..4, TCP_GAT1..4: E_ModbusTCPSlave_IP1..4, _SM1..4, _GAT1..4.
    std::array<QString, 4> ipAddress = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"),
                                        QStringLiteral("10")};
    std::array<QString, 4> subnetMask = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255"),
                                         QStringLiteral("0")};
    std::array<QString, 4> gateway = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"),
                                      QStringLiteral("1")};
    QString port = QStringLiteral("502"); // TCP_PORT, E_ModbusTCPSlave_Port

    bool gatewayEnabled = false;      // EN_Gateway, CB_ModbusTCPSlave_GAT
    bool udpPort = false;             // UDP_Port, CB_ModbusTCPSlave_EnUDP
    bool specialCommand = false;      // Enable_AA55, CB_ModbusTCPSlave_EnSpecialCmd
    bool cancelFirstTwoBytes = false; // Cancel_AA55, CB_ModbusTCPSlave_CancTwoByte
    bool noTcpFrameOnTimeout = false; // NoFrame_RTU_Timeout, CB_ModbusTCPSlave_NoTCPFrame
    bool fastStartUp = false;         // Fast_Boot, CB_ModbusTCPSlave_FastS

    // Hidden in the dialog; read and written back unchanged.
    QString ssid = QStringLiteral("ssid_name"); // SSID, E_ModbusTCPSlave_SSID
    QString password;                           // Password, E_ModbusTCPSlave_PWD
    int protectionType = 0;                     // Protection_Type, CB_ModbusTCPSlave_PWD_Type
    int serialInterface = kSerialRs485;         // SEL_SER, CB_Modbus_Master_Serial

    int baudRate = kBaud115200;                     // BAUD, CB_Modbus_Master_Baudrate
    int parity = kParityNone;                       // PARITY, CB_Modbus_Master_Parity
    int dataBits = kEightDataBits;                  // DATABITS, CB_Modbus_Master_DataBits
    QString timeOut = QStringLiteral("1000");       // TIME_OUT, E_Modbus_Master_TimeOut
    int stopBits = kOneStopBit;                     // StopBit_RS485, CB_Modbus_Master_RS485StopBits
    QString idleTime = QStringLiteral("0");         // Delay_From_Last_Byte, E_Modbus_Master_Communication
    QString timeBetweenBytes = QStringLiteral("0"); // Time_Between_Byte, E_Modbus_Master_Time_Between_Byte
    bool modbusFilter = false;                      // Modbus_Filter, CB_Modbus_Master_Filter

    friend bool operator==(const GeneralParameters&, const GeneralParameters&) = default;
};

} // namespace zz
