#pragma once

#include "params/GeneralParameters.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace zz {

// String-table indices of the value checks' messages.
inline constexpr int kIpAddressByteText = 128;  // 128..131, one per byte
inline constexpr int kSubnetMaskByteText = 132; // 132..135
inline constexpr int kGatewayByteText = 136;    // 136..139
inline constexpr int kPortText = 140;
inline constexpr int kTimeOutText = 141;
inline constexpr int kIdleTimeText = 142;
inline constexpr int kEightDataBitsTwoStopBitsText = 322;
inline constexpr int kSevenDataBitsOneStopBitText = 323;
inline constexpr int kTimeBetweenBytesText = 326;

// The value check of the Set Communication dialog: nothing when every check passes, else the
// message index of the first check that fails. The hidden values are not looked at.
std::optional<int> Controllo_Dati(const GeneralParameters& values);

// The message index of every failing check, in check order.
QList<int> failingChecks(const GeneralParameters& values);

// String-table indices of the captions of the dialog's text fields.
inline constexpr int kIpAddressCaption = 99;
inline constexpr int kSubnetMaskCaption = 100;
inline constexpr int kGatewayCaption = 101;
inline constexpr int kPortCaption = 102;
inline constexpr int kSsidCaption = 245;
inline constexpr int kPasswordCaption = 246;
inline constexpr int kTimeOutCaption = 112;
inline constexpr int kIdleTimeCaption = 114;
inline constexpr int kTimeBetweenBytesCaption = 324;

// The caption index of the first text field, in the dialog's order, that holds a character
// ParGen.xml cannot hold; nothing when every value can be written. Unlike the value checks,
// this looks at the fields the checks skip too (the gateway while it is off, SSID, Password),
// since every value is written.
std::optional<int> fieldTheFileCannotHold(const GeneralParameters& values);

// The twelve byte fields in the order a typed dot moves through them: address, mask, gateway.
inline constexpr std::array<const char*, 12> kByteFieldChain = {
    "E_ModbusTCPSlave_IP1",  "E_ModbusTCPSlave_IP2",  "E_ModbusTCPSlave_IP3",  "E_ModbusTCPSlave_IP4",
    "E_ModbusTCPSlave_SM1",  "E_ModbusTCPSlave_SM2",  "E_ModbusTCPSlave_SM3",  "E_ModbusTCPSlave_SM4",
    "E_ModbusTCPSlave_GAT1", "E_ModbusTCPSlave_GAT2", "E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4",
};

// The object name of the byte field after `objectName` in the chain; empty for the last one
// and for a name that is not in the chain.
QString nextByteField(QStringView objectName);

} // namespace zz
