#include "image/ImageComposer.h"
#include "image/ImageTestSupport.h"

#include <gtest/gtest.h>

namespace zz {
namespace {

using test::bytesAt;
using test::le;

void putLe(QByteArray& bytes, int offset, int size, std::uint32_t value) {
    for (int i = 0; i < size; ++i)
        bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The header of an image made without any configuration file, laid out by hand.
QByteArray headerWithoutFiles() {
    QByteArray h(2048, '\0');
    putLe(h, 0, 4, 250000); // Fixed_Rate
    putLe(h, 12, 4, 9600);  // Serial_Baud_Rate
    putLe(h, 16, 2, 8);     // Serial_Data_Bits
    h[40] = char(192), h[41] = char(168), h[42] = char(2), h[43] = char(205);
    h[44] = char(255), h[45] = char(255), h[46] = char(255), h[47] = char(0);
    h[48] = char(255), h[49] = char(255), h[50] = char(255), h[51] = char(255);
    putLe(h, 52, 2, 10000);    // Update_Port
    putLe(h, 54, 2, 10001);    // TCP_Port
    putLe(h, 56, 2, 10001);    // TCP_Port_Copy
    putLe(h, 60, 4, 9600);     // Baud_Rate_Copy
    putLe(h, 64, 2, 8);        // Data_Bits_Copy
    putLe(h, 568, 4, 0x68800); // Table_Address
    // Byte sums: 250000 = 0x0003D090 -> 355; 9600 = 0x2580 -> 165 twice; 8 twice; address 567;
    // mask 765; gateway 1020; 10000 = 0x2710 -> 55; 10001 -> 56 twice; 0x68800 -> 142.
    putLe(h, 2044, 4, 355 + 330 + 16 + 567 + 765 + 1020 + 55 + 112 + 142);
    return h;
}

TEST(ComposeHeader, WithoutFilesHoldsTheInitialValuesAndChecksum3362) {
    const test::ConfigFolder folder;
    const QByteArray image = folder.compose();
    ASSERT_EQ(image.size(), 18432);
    EXPECT_EQ(image.left(2048), headerWithoutFiles());
    EXPECT_EQ(le(image, 2044, 4), 3362u);
    EXPECT_EQ(bytesAt(image, 2044), (std::array<int, 4>{0x22, 0x0D, 0x00, 0x00}));
    EXPECT_EQ(image.mid(2048), QByteArray(16384, '\0'));
}

TEST(ComposeHeader, EmptyGeneralParameterTakesTheComposerDefaults) {
    const test::ConfigFolder folder;
    folder.writeParGen("");
    const QByteArray image = folder.compose();
    EXPECT_EQ(bytesAt(image, 40), (std::array<int, 4>{192, 168, 2, 205}));
    EXPECT_EQ(bytesAt(image, 44), (std::array<int, 4>{255, 255, 255, 0}));
    EXPECT_EQ(bytesAt(image, 48), (std::array<int, 4>{255, 255, 255, 255}));
    const struct {
        const char* field;
        int offset;
        int size;
        std::uint32_t value;
    } expected[] = {
        {"TCP_Port", 54, 2, 502},
        {"TCP_Port_Copy", 56, 2, 502},
        {"Update_Port", 52, 2, 2007},
        {"Fixed_Port", 104, 2, 64223},
        {"Serial_Baud_Rate", 12, 4, 115200},
        {"Baud_Rate_Copy", 60, 4, 115200},
        {"Serial_Parity", 18, 2, 0},
        {"Serial_Data_Bits", 16, 2, 8},
        {"Serial_Stop_Bits", 20, 4, 0},
        {"Serial_Time_Out", 32, 4, 1000},
        {"Serial_Delay_From_Last_Byte", 36, 4, 0},
        {"Serial_Time_Between_Byte", 664, 4, 0},
        {"Option_Flags", 58, 2, 0x0004},
        {"Serial_Options", 97, 1, 0},
        {"Fixed_Rate", 0, 4, 250000},
        {"Table_Address", 568, 4, 0x68800},
    };
    for (const auto& e : expected)
        EXPECT_EQ(le(image, e.offset, e.size), e.value) << e.field;
    // 0xFADF at offset 104.
    EXPECT_EQ(static_cast<unsigned char>(image[104]), 0xDF);
    EXPECT_EQ(static_cast<unsigned char>(image[105]), 0xFA);
}

TEST(ComposeHeader, OneMoreTimeBetweenByteRaisesTheChecksumByOne) {
    const test::ConfigFolder folder;
    folder.writeParGen("<Time_Between_Byte>0</Time_Between_Byte>");
    const std::uint32_t before = le(folder.compose(), 2044, 4);
    folder.writeParGen("<Time_Between_Byte>1</Time_Between_Byte>");
    const QByteArray after = folder.compose();
    EXPECT_EQ(le(after, 664, 4), 1u);
    EXPECT_EQ(le(after, 2044, 4), before + 1);
}

// One setting of ParGen.xml and the number it gives a field (and its copy, where there is one).
struct NumberCase {
    const char* name;
    const char* children;
    int offset;
    int copyOffset; // -1: no copy
    int size;
    std::uint32_t value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeNumberField : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ComposeNumberField, StoresTheConvertedValue) {
    const NumberCase& c = GetParam();
    const test::ConfigFolder folder;
    folder.writeParGen(c.children);
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, c.offset, c.size), c.value);
    if (c.copyOffset >= 0) {
        EXPECT_EQ(le(image, c.copyOffset, c.size), c.value);
    }
}

constexpr int kBaud = 12, kBaudCopy = 60, kParity = 18, kParityCopy = 66, kDataBits = 16, kDataBitsCopy = 64,
              kStop = 20, kStopCopy = 68, kTimeOut = 32, kDelay = 36, kPort = 54, kPortCopy = 56, kFlags = 58,
              kSerialOptions = 97, kBetween = 664;

const NumberCase kNumberCases[] = {
    {"Baud16", "<BAUD>16</BAUD>", kBaud, kBaudCopy, 4, 9600},
    {"Baud259LowBitsAre3", "<BAUD>259</BAUD>", kBaud, kBaudCopy, 4, 9600},
    {"Baud264LowBitsAre8", "<BAUD>264</BAUD>", kBaud, kBaudCopy, 4, 230400},
    {"Baud7", "<BAUD>7</BAUD>", kBaud, kBaudCopy, 4, 115200},
    {"Baud0", "<BAUD>0</BAUD>", kBaud, kBaudCopy, 4, 1200},
    {"Baud15", "<BAUD>15</BAUD>", kBaud, kBaudCopy, 4, 12000000},
    {"BaudHex", "<BAUD>0x0A</BAUD>", kBaud, kBaudCopy, 4, 921600},
    {"BaudNotANumber", "<BAUD>abc</BAUD>", kBaud, kBaudCopy, 4, 115200},
    {"BaudMinusOne", "<BAUD>-1</BAUD>", kBaud, kBaudCopy, 4, 9600},
    {"Parity0", "<PARITY>0</PARITY>", kParity, kParityCopy, 2, 0},
    {"Parity1", "<PARITY>1</PARITY>", kParity, kParityCopy, 2, 0},
    {"Parity2", "<PARITY>2</PARITY>", kParity, kParityCopy, 2, 2},
    {"Parity3", "<PARITY>3</PARITY>", kParity, kParityCopy, 2, 1},
    {"Parity259LowBitsAre3", "<PARITY>259</PARITY>", kParity, kParityCopy, 2, 1},
    {"ParityNotANumber", "<PARITY>even</PARITY>", kParity, kParityCopy, 2, 0},
    {"DataBits1", "<DATABITS>1</DATABITS>", kDataBits, kDataBitsCopy, 2, 7},
    {"DataBits257", "<DATABITS>257</DATABITS>", kDataBits, kDataBitsCopy, 2, 7},
    {"DataBits2", "<DATABITS>2</DATABITS>", kDataBits, kDataBitsCopy, 2, 8},
    {"DataBits0", "<DATABITS>0</DATABITS>", kDataBits, kDataBitsCopy, 2, 8},
    {"StopEvenEight", "<PARITY>2</PARITY><DATABITS>0</DATABITS><StopBit_RS485>1</StopBit_RS485>", kStop,
     kStopCopy, 4, 0},
    {"StopEvenSeven", "<PARITY>2</PARITY><DATABITS>1</DATABITS><StopBit_RS485>1</StopBit_RS485>", kStop,
     kStopCopy, 4, 2},
    {"StopNoParity", "<PARITY>0</PARITY><StopBit_RS485>1</StopBit_RS485>", kStop, kStopCopy, 4, 2},
    {"StopOddEight", "<PARITY>3</PARITY><StopBit_RS485>1</StopBit_RS485>", kStop, kStopCopy, 4, 0},
    {"StopOtherValueKept", "<PARITY>0</PARITY><StopBit_RS485>5</StopBit_RS485>", kStop, kStopCopy, 4, 5},
    {"StopMinusOneKept", "<StopBit_RS485>-1</StopBit_RS485>", kStop, kStopCopy, 4, 0xFFFFFFFF},
    {"StopOtherValueWithParity", "<PARITY>2</PARITY><StopBit_RS485>3</StopBit_RS485>", kStop, kStopCopy, 4,
     0},
    {"StopNotANumber", "<StopBit_RS485>two</StopBit_RS485>", kStop, kStopCopy, 4, 0},
    {"TimeOut", "<TIME_OUT>250</TIME_OUT>", kTimeOut, -1, 4, 250},
    {"TimeOutHex", "<TIME_OUT>$10</TIME_OUT>", kTimeOut, -1, 4, 16},
    {"TimeOutNotANumber", "<TIME_OUT>soon</TIME_OUT>", kTimeOut, -1, 4, 1000},
    {"TimeBetweenByte", "<Time_Between_Byte>3</Time_Between_Byte>", kBetween, -1, 4, 3},
    {"DelayDisabled",
     "<Delay_From_Last_Byte>50</Delay_From_Last_Byte><Enable_Delay_From_Last_Byte>0"
     "</Enable_Delay_From_Last_Byte>",
     kDelay, -1, 4, 0},
    {"DelayEnabled",
     "<Delay_From_Last_Byte>50</Delay_From_Last_Byte><Enable_Delay_From_Last_Byte>1"
     "</Enable_Delay_From_Last_Byte>",
     kDelay, -1, 4, 50},
    {"DelayWithoutFlag", "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>", kDelay, -1, 4, 50},
    {"DelayFlagWithBlank",
     "<Delay_From_Last_Byte>50</Delay_From_Last_Byte><Enable_Delay_From_Last_Byte> 1"
     "</Enable_Delay_From_Last_Byte>",
     kDelay, -1, 4, 0},
    {"DelayNotANumber", "<Delay_From_Last_Byte>x</Delay_From_Last_Byte>", kDelay, -1, 4, 0},
    {"Port", "<TCP_PORT>10002</TCP_PORT>", kPort, kPortCopy, 2, 10002},
    {"PortLow16Bits", "<TCP_PORT>65537</TCP_PORT>", kPort, kPortCopy, 2, 1},
    {"PortNotANumber", "<TCP_PORT></TCP_PORT>", kPort, kPortCopy, 2, 502},
    {"FlagsNoFrame", "<NoFrame_RTU_Timeout>1</NoFrame_RTU_Timeout>", kFlags, -1, 2, 0x0000},
    {"FlagsNoFrameZero", "<NoFrame_RTU_Timeout>0</NoFrame_RTU_Timeout>", kFlags, -1, 2, 0x0004},
    {"FlagsModeAndUdp", "<MODE>1</MODE><UDP_Port>1</UDP_Port>", kFlags, -1, 2, 0x000E},
    {"FlagsAA55", "<Enable_AA55>1</Enable_AA55>", kFlags, -1, 2, 0x0014},
    {"FlagsCancel", "<Cancel_AA55>1</Cancel_AA55>", kFlags, -1, 2, 0x0024},
    {"FlagsAll",
     "<MODE>1</MODE><UDP_Port>1</UDP_Port><Enable_AA55>1</Enable_AA55><Cancel_AA55>1</Cancel_AA55>", kFlags,
     -1, 2, 0x003E},
    {"FlagsOnlyExactOne", "<MODE>01</MODE><UDP_Port> 1</UDP_Port><Enable_AA55>Y</Enable_AA55>", kFlags, -1, 2,
     0x0004},
    {"SerialRs232", "<SEL_SER>1</SEL_SER>", kSerialOptions, -1, 1, 0x01},
    {"SerialFilter", "<Modbus_Filter>1</Modbus_Filter>", kSerialOptions, -1, 1, 0x10},
    {"SerialBoth", "<SEL_SER>1</SEL_SER><Modbus_Filter>1</Modbus_Filter>", kSerialOptions, -1, 1, 0x11},
    {"SerialRs485", "<SEL_SER>0</SEL_SER><Modbus_Filter>2</Modbus_Filter>", kSerialOptions, -1, 1, 0x00},
};

INSTANTIATE_TEST_SUITE_P(Keys, ComposeNumberField, ::testing::ValuesIn(kNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AddressCase {
    const char* name;
    const char* children;
    int offset;
    std::array<int, 4> bytes;
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << c.name;
}

class ComposeAddressField : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ComposeAddressField, StoresTheBytesInReadingOrder) {
    const AddressCase& c = GetParam();
    const test::ConfigFolder folder;
    folder.writeParGen(c.children);
    EXPECT_EQ(bytesAt(folder.compose(), c.offset), c.bytes);
}

const AddressCase kAddressCases[] = {
    {"Address",
     "<TCP_IP1>10</TCP_IP1><TCP_IP2>0</TCP_IP2><TCP_IP3>0</TCP_IP3><TCP_IP4>7</TCP_IP4>",
     40,
     {10, 0, 0, 7}},
    {"AddressLowBitsAndDefaults", "<TCP_IP1>300</TCP_IP1><TCP_IP3>x</TCP_IP3>", 40, {44, 168, 2, 205}},
    {"Mask",
     "<TCP_SUB1>255</TCP_SUB1><TCP_SUB2>255</TCP_SUB2><TCP_SUB3>0</TCP_SUB3><TCP_SUB4>0</TCP_SUB4>",
     44,
     {255, 255, 0, 0}},
    {"GatewayEnabled",
     "<TCP_GAT1>10</TCP_GAT1><TCP_GAT2>0</TCP_GAT2><TCP_GAT3>0</TCP_GAT3><TCP_GAT4>1</TCP_GAT4>"
     "<EN_Gateway>1</EN_Gateway>",
     48,
     {10, 0, 0, 1}},
    {"GatewayEnabledHex", "<TCP_GAT1>10</TCP_GAT1><EN_Gateway>0x1</EN_Gateway>", 48, {10, 168, 2, 1}},
    {"GatewayEnabledDefaults", "<EN_Gateway>1</EN_Gateway>", 48, {192, 168, 2, 1}},
    {"GatewayOff", "<TCP_GAT1>10</TCP_GAT1><EN_Gateway>0</EN_Gateway>", 48, {255, 255, 255, 255}},
    {"GatewayNotANumber", "<TCP_GAT1>10</TCP_GAT1><EN_Gateway>yes</EN_Gateway>", 48, {255, 255, 255, 255}},
    {"GatewayMissingFlag", "<TCP_GAT1>10</TCP_GAT1>", 48, {255, 255, 255, 255}},
};

INSTANTIATE_TEST_SUITE_P(Keys, ComposeAddressField, ::testing::ValuesIn(kAddressCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComposeHeader, FindsGeneralParameterByNameAfterDeclarationAndComment) {
    const test::ConfigFolder folder;
    test::writeFile(folder.parGen(), "<?xml version=\"1.0\"?><!--x--><General_Parameter><BAUD>3</BAUD>"
                                     "</General_Parameter>");
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, 12, 4), 9600u);
    EXPECT_EQ(le(image, 52, 2), 2007u);
}

TEST(ComposeHeader, ExistingFileWithAnotherRootGivesDefaultsAndTheFixedPorts) {
    const test::ConfigFolder folder;
    test::writeFile(folder.parGen(), "<Parameters><BAUD>3</BAUD><TIME_OUT>5</TIME_OUT></Parameters>");
    const QByteArray image = folder.compose();
    EXPECT_EQ(le(image, 12, 4), 115200u);
    EXPECT_EQ(le(image, 32, 4), 1000u);
    EXPECT_EQ(le(image, 52, 2), 2007u);
    EXPECT_EQ(le(image, 104, 2), 64223u);
    EXPECT_EQ(le(image, 58, 2), 0x0004u);
}

// The checksum is the plain sum of the first 2044 bytes, whatever the configuration.
TEST(ComposeHeader, ChecksumIsTheByteSumOfTheRichestHeader) {
    const test::ConfigFolder folder;
    folder.writeParGen(
        "<MODE>1</MODE><TCP_IP1>255</TCP_IP1><TCP_IP2>255</TCP_IP2><TCP_IP3>255</TCP_IP3>"
        "<TCP_IP4>255</TCP_IP4><TCP_PORT>65535</TCP_PORT><BAUD>15</BAUD><TIME_OUT>-1</TIME_OUT>"
        "<Time_Between_Byte>-1</Time_Between_Byte><Delay_From_Last_Byte>-1</Delay_From_Last_Byte>"
        "<StopBit_RS485>-1</StopBit_RS485>");
    folder.writeEnableFunctions("<row FunNum=\"23\" Enabled=\"N\" Mnemonic=\"\"/>");
    const QByteArray image = folder.compose();
    std::uint32_t sum = 0;
    for (int i = 0; i < 2044; ++i)
        sum += static_cast<unsigned char>(image[i]);
    EXPECT_EQ(le(image, 2044, 4), sum);
    EXPECT_EQ(image[2047], '\0');
}

TEST(ComposeHeader, ReservedRangesStayZero) {
    const test::ConfigFolder folder;
    folder.writeParGen("<MODE>1</MODE><SEL_SER>1</SEL_SER><Modbus_Filter>1</Modbus_Filter><EN_Gateway>1"
                       "</EN_Gateway><StopBit_RS485>1</StopBit_RS485><Fast_Boot>1</Fast_Boot><SSID>n</SSID>");
    const QByteArray image = folder.compose();
    const std::pair<int, int> reserved[] = {{4, 12},    {24, 32},    {72, 97},     {98, 104},   {106, 564},
                                            {572, 660}, {668, 1912}, {1912, 2040}, {2040, 2044}};
    for (const auto& [from, to] : reserved)
        EXPECT_EQ(image.mid(from, to - from), QByteArray(to - from, '\0')) << "reserved " << from;
}

} // namespace
} // namespace zz
