#include "params/ParameterChecks.h"

#include "support/QtPrinters.h"

#include <functional>
#include <gtest/gtest.h>

namespace zz {
namespace {

using V = GeneralParameters;
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct CheckCase {
    const char* name;
    std::function<void(GeneralParameters&)> change;
    QList<int> failures; // every failing check's text index, in check order
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }
};

class ParameterChecksTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ParameterChecksTest, FailingChecksInOrderAndTheFirstOne) {
    GeneralParameters values;
    GetParam().change(values);
    const QList<int>& expected = GetParam().failures;
    EXPECT_EQ(failingChecks(values), expected);
    if (expected.isEmpty())
        EXPECT_EQ(Controllo_Dati(values), std::nullopt);
    else
        EXPECT_EQ(Controllo_Dati(values), expected.front());
}

void setFrame(V& v, int dataBits, int stopBits, int parity) {
    v.dataBits = dataBits;
    v.stopBits = stopBits;
    v.parity = parity;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParameterChecksTest,
    ::testing::Values(CheckCase{"DefaultsPass", [](V&) {}, {}},
                      CheckCase{"EmptyIpAndMaskBytes",
                                [](V& v) {
                                    v.ipAddress.fill(QString());
                                    v.subnetMask.fill(QString());
                                },
                                {128, 129, 130, 131, 132, 133, 134, 135}},
                      CheckCase{"OutOfRangeBytes",
                                [](V& v) {
                                    v.ipAddress[1] = qs("256");
                                    v.ipAddress[2] = qs("-1");
                                    v.subnetMask[0] = qs("abc");
                                },
                                {129, 130, 132}},
                      CheckCase{"Mask3At256ComesBeforeLaterFailures",
                                [](V& v) {
                                    v.subnetMask[2] = qs("256");
                                    v.port = qs("70000");
                                    v.timeBetweenBytes = qs("101");
                                },
                                {134, 140, 326}},
                      CheckCase{"UnusedGatewayMayHoldAnything", [](V& v) { v.gateway.fill(qs("abc")); }, {}},
                      CheckCase{"UsedGatewayIsChecked",
                                [](V& v) {
                                    v.gatewayEnabled = true;
                                    v.gateway = {qs("abc"), qs(""), qs("255"), qs("256")};
                                },
                                {136, 137, 139}},
                      CheckCase{"AcceptedByteTexts",
                                [](V& v) {
                                    v.ipAddress = {qs("-0"), qs("+12"), qs(" 7"), qs("$FF")};
                                    v.subnetMask = {qs("0x0A"), qs("xff"), qs("0XFF"), qs("000255")};
                                },
                                {}},
                      CheckCase{"RefusedByteTexts",
                                [](V& v) {
                                    v.ipAddress = {qs("12 "), qs("1.5"), qs("0x100"), qs("$")};
                                },
                                {128, 129, 130, 131}},
                      CheckCase{"NoRelationBetweenBytes",
                                [](V& v) {
                                    v.ipAddress.fill(qs("0"));
                                    v.subnetMask = {qs("255"), qs("0"), qs("255"), qs("0")};
                                    v.gatewayEnabled = true;
                                    v.gateway = {qs("10"), qs("9"), qs("8"), qs("7")};
                                },
                                {}},
                      CheckCase{"HighestValuesPass",
                                [](V& v) {
                                    v.port = qs("65535");
                                    v.timeOut = qs("100000000");
                                    v.idleTime = qs("60000");
                                    v.timeBetweenBytes = qs("100");
                                },
                                {}},
                      CheckCase{"OneAboveTheHighestValues",
                                [](V& v) {
                                    v.port = qs("65536");
                                    v.timeOut = qs("100000001");
                                    v.idleTime = qs("60001");
                                    v.timeBetweenBytes = qs("101");
                                },
                                {140, 141, 142, 326}},
                      CheckCase{"NotNumbersCountAsMinusOne",
                                [](V& v) {
                                    v.port = qs("");
                                    v.timeOut = qs("1s");
                                    v.idleTime = qs("-1");
                                    v.timeBetweenBytes = qs("ten");
                                },
                                {140, 141, 142, 326}},
                      CheckCase{"EightDataTwoStopEven",
                                [](V& v) { setFrame(v, kEightDataBits, kTwoStopBits, kParityEven); },
                                {322}},
                      CheckCase{"EightDataTwoStopOdd",
                                [](V& v) { setFrame(v, kEightDataBits, kTwoStopBits, kParityOdd); },
                                {322}},
                      CheckCase{"SevenDataOneStopNone",
                                [](V& v) { setFrame(v, kSevenDataBits, kOneStopBit, kParityNone); },
                                {323}},
                      CheckCase{"FrameFailureComesBetweenIdleTimeAndTimeBetweenBytes",
                                [](V& v) {
                                    setFrame(v, kSevenDataBits, kOneStopBit, kParityNone);
                                    v.idleTime = qs("x");
                                    v.timeBetweenBytes = qs("x");
                                },
                                {142, 323, 326}},
                      CheckCase{"FrameWithoutParitySelectionMatchesNoRule",
                                [](V& v) { setFrame(v, kEightDataBits, kTwoStopBits, kNoSelection); },
                                {}},
                      CheckCase{"FrameWithoutDataBitsSelectionMatchesNoRule",
                                [](V& v) { setFrame(v, kNoSelection, kOneStopBit, kParityNone); },
                                {}},
                      CheckCase{"FrameWithoutStopBitsSelectionMatchesNoRule",
                                [](V& v) { setFrame(v, kSevenDataBits, kNoSelection, kParityNone); },
                                {}},
                      CheckCase{"FrameWithPositionsPastTheListsMatchesNoRule",
                                [](V& v) { setFrame(v, 5, 1, kParityEven); },
                                {}},
                      CheckCase{"HiddenValuesAreNotChecked",
                                [](V& v) {
                                    v.ssid = QString(100, u'x');
                                    v.password = QString(100, u'y');
                                    v.protectionType = 9;
                                    v.serialInterface = kNoSelection;
                                    v.baudRate = kNoSelection;
                                    v.operationMode = kNoSelection;
                                },
                                {}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

struct FrameCase {
    int dataBits;
    int stopBits;
    int parity;
};

// The accepted character frames: 8N1, 8O1, 8E1, 8N2, 7O1, 7E1, 7N2, 7O2, 7E2.
TEST(FieldTheFileCannotHoldTest, IsTheFirstInDialogOrderNamedByItsCaption) {
    const QString bell = QStringLiteral("a") + QChar(0x7);
    struct Case {
        const char* name;
        std::function<void(GeneralParameters&)> change;
        std::optional<int> caption;
    };
    const Case cases[] = {
        {"Defaults", [](V&) {}, std::nullopt},
        {"TabsLineBreaksAndAccentsAreHeld", [](V& v) { v.ssid = qs("a\tb\r\nc\u00e9"); }, std::nullopt},
        {"GatewayWhileOff", [&](V& v) { v.gateway[3] = bell; }, kGatewayCaption},
        {"HiddenPassword", [&](V& v) { v.password = bell; }, kPasswordCaption},
        {"LoneSurrogate", [](V& v) { v.timeBetweenBytes = QString(QChar(0xD800)); },
         kTimeBetweenBytesCaption},
        {"FirstInDialogOrder",
         [&](V& v) {
             v.timeOut = bell;
             v.subnetMask[0] = bell;
         },
         kSubnetMaskCaption},
    };
    for (const Case& c : cases) {
        V values;
        c.change(values);
        EXPECT_EQ(fieldTheFileCannotHold(values), c.caption) << c.name;
    }
}

TEST(ParameterChecksFrameTest, EveryAcceptedFramePasses) {
    const FrameCase accepted[] = {
        {kEightDataBits, kOneStopBit, kParityNone},  {kEightDataBits, kOneStopBit, kParityOdd},
        {kEightDataBits, kOneStopBit, kParityEven},  {kEightDataBits, kTwoStopBits, kParityNone},
        {kSevenDataBits, kOneStopBit, kParityOdd},   {kSevenDataBits, kOneStopBit, kParityEven},
        {kSevenDataBits, kTwoStopBits, kParityNone}, {kSevenDataBits, kTwoStopBits, kParityOdd},
        {kSevenDataBits, kTwoStopBits, kParityEven},
    };
    for (const FrameCase& f : accepted) {
        GeneralParameters values;
        setFrame(values, f.dataBits, f.stopBits, f.parity);
        EXPECT_EQ(Controllo_Dati(values), std::nullopt) << f.dataBits << f.stopBits << f.parity;
    }
}

struct ChainCase {
    const char* field;
    const char* next;
};

class ByteFieldChainTest : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ByteFieldChainTest, DotMovesToTheNextByteField) {
    EXPECT_EQ(nextByteField(QString::fromLatin1(GetParam().field)), QString::fromLatin1(GetParam().next));
}

INSTANTIATE_TEST_SUITE_P(Table, ByteFieldChainTest,
                         ::testing::Values(ChainCase{"E_ModbusTCPSlave_IP1", "E_ModbusTCPSlave_IP2"},
                                           ChainCase{"E_ModbusTCPSlave_IP3", "E_ModbusTCPSlave_IP4"},
                                           ChainCase{"E_ModbusTCPSlave_IP4", "E_ModbusTCPSlave_SM1"},
                                           ChainCase{"E_ModbusTCPSlave_SM2", "E_ModbusTCPSlave_SM3"},
                                           ChainCase{"E_ModbusTCPSlave_SM4", "E_ModbusTCPSlave_GAT1"},
                                           ChainCase{"E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4"},
                                           ChainCase{"E_ModbusTCPSlave_GAT4", ""},
                                           ChainCase{"E_ModbusTCPSlave_Port", ""},
                                           ChainCase{"e_modbustcpslave_ip1", ""}, ChainCase{"", ""}));

} // namespace
} // namespace zz
