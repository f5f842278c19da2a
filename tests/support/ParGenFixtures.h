#pragma once

#include <QByteArray>

namespace zz::test {

// ParGen.xml as written for the default values: the 33 elements in order, then the comment.
inline const QByteArray kDefaultParGenFile =
    "<General_Parameter><MODE>0</MODE><TCP_IP1>192</TCP_IP1><TCP_IP2>168</TCP_IP2><TCP_IP3>0</TCP_IP3>"
    "<TCP_IP4>10</TCP_IP4><TCP_SUB1>255</TCP_SUB1><TCP_SUB2>255</TCP_SUB2><TCP_SUB3>255</TCP_SUB3>"
    "<TCP_SUB4>0</TCP_SUB4><TCP_GAT1>192</TCP_GAT1><TCP_GAT2>168</TCP_GAT2><TCP_GAT3>0</TCP_GAT3>"
    "<TCP_GAT4>1</TCP_GAT4><TCP_PORT>502</TCP_PORT><EN_Gateway>0</EN_Gateway><UDP_Port>0</UDP_Port>"
    "<Enable_AA55>0</Enable_AA55><Cancel_AA55>0</Cancel_AA55><NoFrame_RTU_Timeout>0</NoFrame_RTU_Timeout>"
    "<Fast_Boot>0</Fast_Boot><SSID>ssid_name</SSID><Password/><Protection_Type>0</Protection_Type>"
    "<SEL_SER>0</SEL_SER><BAUD>7</BAUD><PARITY>0</PARITY><DATABITS>0</DATABITS><TIME_OUT>1000</TIME_OUT>"
    "<StopBit_RS485>0</StopBit_RS485><Delay_From_Last_Byte>0</Delay_From_Last_Byte>"
    "<Enable_Delay_From_Last_Byte>0</Enable_Delay_From_Last_Byte><Time_Between_Byte>0</Time_Between_Byte>"
    "<Modbus_Filter>0</Modbus_Filter></General_Parameter><!--SW_VERSION = 1.002-->";

} // namespace zz::test
