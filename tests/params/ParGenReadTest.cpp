#include "common/Errors.h"
#include "lang/TextTable.h"
#include "params/ParGenFile.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace zz {
namespace {

// The values the dialog shows without a file, written out from the table of defaults.
GeneralParameters tableDefaults() {
    GeneralParameters v;
    v.operationMode = 0;
    v.ipAddress = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("10")};
    v.subnetMask = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("0")};
    v.gateway = {QStringLiteral("192"), QStringLiteral("168"), QStringLiteral("0"), QStringLiteral("1")};
    v.port = QStringLiteral("502");
    v.gatewayEnabled = v.udpPort = v.specialCommand = v.cancelFirstTwoBytes = false;
    v.noTcpFrameOnTimeout = v.fastStartUp = v.modbusFilter = false;
    v.ssid = QStringLiteral("ssid_name");
    v.password = QString();
    v.protectionType = 0;
    v.serialInterface = 1; // RS485
    v.baudRate = 7;        // 115200
    v.parity = 0;          // NONE
    v.dataBits = 0;        // 8
    v.timeOut = QStringLiteral("1000");
    v.stopBits = 0; // 1 stop bit
    v.idleTime = QStringLiteral("0");
    v.timeBetweenBytes = QStringLiteral("0");
    return v;
}

class ParGenFileFixture {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("ParGen.xml")); }
    QString write(const QByteArray& bytes) {
        test::writeFile(path(), bytes);
        return path();
    }
};

TEST(ParGenReadDefaultsTest, MissingFileGivesTheTableDefaults) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    EXPECT_EQ(readParGen(path), tableDefaults());
    const ParGenReading reading = readParGenForDialog(path);
    EXPECT_EQ(reading.values, tableDefaults());
    EXPECT_TRUE(reading.failure.isEmpty());
    EXPECT_FALSE(reading.keepBrokenFile);
}

struct ReadCase {
    const char* name;
    const char* elements; // the content of the parameter element
    std::function<void(GeneralParameters&)> expectedChange;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ParGenReadTest : public ::testing::TestWithParam<ReadCase>, protected ParGenFileFixture {};

TEST_P(ParGenReadTest, EachElementIsReadOnItsOwnWithItsRule) {
    const ReadCase& c = GetParam();
    write(QByteArray("<General_Parameter>") + c.elements + "</General_Parameter><!--SW_VERSION = 1.002-->");
    GeneralParameters expected = tableDefaults();
    c.expectedChange(expected);
    EXPECT_EQ(readParGen(path()), expected);
}

using V = GeneralParameters;

INSTANTIATE_TEST_SUITE_P(
    Table, ParGenReadTest,
    ::testing::Values(
        ReadCase{"EmptyParameterElement", "",
                 [](V&) {
                 }},
        ReadCase{
            "EveryElementSet",
            "<MODE>1</MODE><TCP_IP1>10</TCP_IP1><TCP_IP2>1</TCP_IP2><TCP_IP3>2</TCP_IP3><TCP_IP4>3</TCP_IP4>"
            "<TCP_SUB1>255</TCP_SUB1><TCP_SUB2>255</TCP_SUB2><TCP_SUB3>0</TCP_SUB3><TCP_SUB4>0</TCP_SUB4>"
            "<TCP_GAT1>10</TCP_GAT1><TCP_GAT2>1</TCP_GAT2><TCP_GAT3>0</TCP_GAT3><TCP_GAT4>254</TCP_GAT4>"
            "<TCP_PORT>503</TCP_PORT><EN_Gateway>1</EN_Gateway><UDP_Port>1</UDP_Port>"
            "<Enable_AA55>1</Enable_AA55><Cancel_AA55>1</Cancel_AA55>"
            "<NoFrame_RTU_Timeout>1</NoFrame_RTU_Timeout><Fast_Boot>1</Fast_Boot><SSID>net</SSID>"
            "<Password>pw</Password><Protection_Type>3</Protection_Type><SEL_SER>1</SEL_SER>"
            "<BAUD>3</BAUD><PARITY>2</PARITY><DATABITS>1</DATABITS><TIME_OUT>250</TIME_OUT>"
            "<StopBit_RS485>1</StopBit_RS485><Delay_From_Last_Byte>20</Delay_From_Last_Byte>"
            "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>"
            "<Time_Between_Byte>5</Time_Between_Byte><Modbus_Filter>1</Modbus_Filter>",
            [](V& v) {
                v.operationMode = 1;
                v.ipAddress = {QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("3")};
                v.subnetMask = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("0"),
                                QStringLiteral("0")};
                v.gateway = {QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("0"),
                             QStringLiteral("254")};
                v.port = QStringLiteral("503");
                v.gatewayEnabled = v.udpPort = v.specialCommand = v.cancelFirstTwoBytes = true;
                v.noTcpFrameOnTimeout = v.fastStartUp = v.modbusFilter = true;
                v.ssid = QStringLiteral("net");
                v.password = QStringLiteral("pw");
                v.protectionType = 3;
                v.serialInterface = 0; // RS232
                v.baudRate = 3;
                v.parity = 2; // EVEN
                v.dataBits = 1;
                v.timeOut = QStringLiteral("250");
                v.stopBits = 1;
                v.idleTime = QStringLiteral("20");
                v.timeBetweenBytes = QStringLiteral("5");
            }},
        ReadCase{"SomeElementsOnly", "<TCP_IP4>77</TCP_IP4><BAUD>0</BAUD>",
                 [](V& v) {
                     v.ipAddress[3] = QStringLiteral("77");
                     v.baudRate = 0;
                 }},
        ReadCase{"OrderAndUnknownElementsDoNotMatter", "<Other>9</Other><BAUD>2</BAUD><MODE>1</MODE>",
                 [](V& v) {
                     v.baudRate = 2;
                     v.operationMode = 1;
                 }},
        ReadCase{"FirstOfTwoSameElementsCounts", "<TCP_PORT>1</TCP_PORT><TCP_PORT>2</TCP_PORT>",
                 [](V& v) {
                     v.port = QStringLiteral("1");
                 }},
        ReadCase{"ElementsDeeperDownAreNotSeen", "<Group><MODE>1</MODE></Group>",
                 [](V&) {
                 }},
        ReadCase{"TextFieldsAreTakenUncheckedAndUnchanged",
                 "<TCP_IP1>300</TCP_IP1><TCP_IP2> 7 </TCP_IP2><TCP_IP3>abc</TCP_IP3><TCP_IP4>0x0A</TCP_IP4>"
                 "<TCP_PORT></TCP_PORT><TIME_OUT>&lt;a&amp;b&gt;</TIME_OUT><Time_Between_Byte/>",
                 [](V& v) {
                     v.ipAddress = {QStringLiteral("300"), QStringLiteral(" 7 "), QStringLiteral("abc"),
                                    QStringLiteral("0x0A")};
                     v.port = QString();
                     v.timeOut = QStringLiteral("<a&b>");
                     v.timeBetweenBytes = QString();
                 }},
        ReadCase{"BlankPasswordAndSsidKeepTheirBlanks", "<SSID> my net </SSID><Password>   </Password>",
                 [](V& v) {
                     v.ssid = QStringLiteral(" my net ");
                     v.password = QStringLiteral("   ");
                 }},
        ReadCase{"ElementWithAttributeStillGivesItsText", "<TCP_PORT unit=\"x\">600</TCP_PORT>",
                 [](V& v) {
                     v.port = QStringLiteral("600");
                 }},
        ReadCase{"ModeTwoIsRoutingMode", "<MODE>2</MODE>",
                 [](V&) {
                 }},
        ReadCase{"ModeNotANumberIsRoutingMode", "<MODE>NAT</MODE>",
                 [](V&) {
                 }},
        ReadCase{"ModeOneAsWholeNumberWithBlankOrHex", "<MODE> 0x1</MODE>",
                 [](V& v) {
                     v.operationMode = 1;
                 }},
        ReadCase{"CheckBoxesOnlyForTheNumberOne",
                 "<EN_Gateway>yes</EN_Gateway><UDP_Port>2</UDP_Port><Enable_AA55>$1</Enable_AA55>"
                 "<Cancel_AA55> +1</Cancel_AA55><NoFrame_RTU_Timeout>1 </NoFrame_RTU_Timeout>"
                 "<Fast_Boot>-1</Fast_Boot><Modbus_Filter>0</Modbus_Filter>",
                 [](V& v) {
                     v.specialCommand = true;
                     v.cancelFirstTwoBytes = true;
                 }},
        ReadCase{"SerialZeroIsRs485", "<SEL_SER>0</SEL_SER>",
                 [](V& v) {
                     v.serialInterface = 1;
                 }},
        ReadCase{"SerialOtherNumberIsRs232", "<SEL_SER>7</SEL_SER>",
                 [](V& v) {
                     v.serialInterface = 0;
                 }},
        ReadCase{"SerialNegativeIsRs232", "<SEL_SER>-1</SEL_SER>",
                 [](V& v) {
                     v.serialInterface = 0;
                 }},
        ReadCase{"SerialNotANumberIsTheDefaultRs485", "<SEL_SER>RS232</SEL_SER>",
                 [](V&) {
                 }},
        ReadCase{"ParityThreeIsOdd", "<PARITY>3</PARITY>",
                 [](V& v) {
                     v.parity = 1;
                 }},
        ReadCase{"ParityTwoIsEven", "<PARITY>2</PARITY>",
                 [](V& v) {
                     v.parity = 2;
                 }},
        ReadCase{"ParityOneIsNone", "<PARITY>1</PARITY>",
                 [](V&) {
                 }},
        ReadCase{"ParityNotANumberIsNone", "<PARITY>EVEN</PARITY>",
                 [](V&) {
                 }},
        ReadCase{"BaudNotANumberIs115200", "<BAUD>abc</BAUD>",
                 [](V&) {
                 }},
        ReadCase{"PositionsOutsideTheirListsAreKept",
                 "<BAUD>20</BAUD><DATABITS>5</DATABITS><Protection_Type>-2</Protection_Type>"
                 "<StopBit_RS485>9</StopBit_RS485>",
                 [](V& v) {
                     v.baudRate = 20;
                     v.dataBits = 5;
                     v.protectionType = -2;
                     v.stopBits = 9;
                 }},
        ReadCase{"PositionsNotANumberGiveTheirDefaults",
                 "<BAUD></BAUD><DATABITS>7</DATABITS><Protection_Type>WPA</Protection_Type>"
                 "<StopBit_RS485>two</StopBit_RS485>",
                 [](V& v) {
                     v.dataBits = 7;
                 }},
        ReadCase{"IdleTimeSwitchedOffShowsZero",
                 "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                 "<Enable_Delay_From_Last_Byte>0</Enable_Delay_From_Last_Byte>",
                 [](V&) {
                 }},
        ReadCase{"IdleTimeSwitchedOffBeforeTheTimeElementStillShowsZero",
                 "<Enable_Delay_From_Last_Byte> 0x0</Enable_Delay_From_Last_Byte>"
                 "<Delay_From_Last_Byte>abc</Delay_From_Last_Byte>",
                 [](V&) {
                 }},
        ReadCase{"IdleTimeSwitchedOn",
                 "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                 "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>",
                 [](V& v) {
                     v.idleTime = QStringLiteral("50");
                 }},
        ReadCase{"IdleTimeWithoutSwitch", "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>",
                 [](V& v) {
                     v.idleTime = QStringLiteral("50");
                 }},
        ReadCase{"IdleTimeSwitchNotANumberLeavesTheTime",
                 "<Delay_From_Last_Byte>x50</Delay_From_Last_Byte>"
                 "<Enable_Delay_From_Last_Byte>no</Enable_Delay_From_Last_Byte>",
                 [](V& v) {
                     v.idleTime = QStringLiteral("x50");
                 }}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct DocumentCase {
    const char* name;
    const char* file;
    int expectedMode;
    friend void PrintTo(const DocumentCase& c, std::ostream* os) { *os << c.name; }
};

class ParGenRootTest : public ::testing::TestWithParam<DocumentCase>, protected ParGenFileFixture {};

// The first top-level node is the parameter element whatever its name, and only that node.
TEST_P(ParGenRootTest, FirstTopLevelNodeIsTheParameterElement) {
    const DocumentCase& c = GetParam();
    write(c.file);
    GeneralParameters expected = tableDefaults();
    expected.operationMode = c.expectedMode;
    EXPECT_EQ(readParGen(path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParGenRootTest,
    ::testing::Values(
        DocumentCase{"AnyRootName", "<Parameters><MODE>1</MODE></Parameters>", 1},
        DocumentCase{"Utf8ByteOrderMarkIsNoNode",
                     "\xEF\xBB\xBF<General_Parameter><MODE>1</MODE></General_Parameter>", 1},
        DocumentCase{"DeclarationFirst",
                     "<?xml version=\"1.0\"?><General_Parameter><MODE>1</MODE></General_Parameter>", 0},
        DocumentCase{"CommentFirst", "<!--x--><General_Parameter><MODE>1</MODE></General_Parameter>", 0}),
    [](const ::testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.name); });

class ParGenBrokenFileTest : public ::testing::Test, protected ParGenFileFixture {};

TEST_F(ParGenBrokenFileTest, NotWellFormedThrowsNamingFileAndLine) {
    write("<General_Parameter>\n<MODE>1</MODE>\n<TCP_PORT>502</TCP_POR>\n</General_Parameter>");
    try {
        readParGen(path());
        FAIL() << "no error";
    } catch (const XmlParseError& e) {
        EXPECT_EQ(e.file(), path());
        EXPECT_EQ(e.line(), 3);
    }
}

TEST_F(ParGenBrokenFileTest, DialogGetsDefaultsAndKeepsTheBrokenFileOnSave) {
    write("<General_Parameter>\n<MODE>1</MOD>\n</General_Parameter>");
    const ParGenReading reading = readParGenForDialog(path());
    EXPECT_EQ(reading.values, tableDefaults());
    EXPECT_TRUE(reading.keepBrokenFile);
    EXPECT_TRUE(reading.failure.contains(QStringLiteral("ParGen.xml"))) << reading.failure.toStdString();
    EXPECT_TRUE(reading.failure.contains(QStringLiteral("line 2"))) << reading.failure.toStdString();

    TextTable english;
    english.LoadDefaultTexts();
    const QString box = readFailureText(english, reading);
    EXPECT_TRUE(box.contains(QStringLiteral(".bad"))) << box.toStdString();
    EXPECT_TRUE(box.endsWith(reading.failure)) << box.toStdString();
}

TEST_F(ParGenBrokenFileTest, ValuesBehindADeclarationOrCommentAreNotReplacedUnnoticed) {
    for (const char* lead : {"<?xml version=\"1.0\"?>", "<!-- edited by hand -->"}) {
        write(QByteArray(lead) + "<General_Parameter><TCP_PORT>600</TCP_PORT></General_Parameter>");
        const ParGenReading reading = readParGenForDialog(path());
        EXPECT_EQ(reading.values, tableDefaults()) << lead; // the dialog shows the defaults
        EXPECT_TRUE(reading.rootNotFirst) << lead;
        EXPECT_TRUE(reading.keepBrokenFile) << lead;
        TextTable english;
        english.LoadDefaultTexts();
        const QString box = readFailureText(english, reading);
        EXPECT_TRUE(box.startsWith(QStringLiteral("The communication parameters file does not begin")))
            << lead;
        EXPECT_TRUE(box.contains(QStringLiteral("ParGen.xml"))) << box.toStdString();
    }
    write("<General_Parameter><TCP_PORT>600</TCP_PORT></General_Parameter><!--SW_VERSION = 1.002-->");
    const ParGenReading plain = readParGenForDialog(path());
    EXPECT_FALSE(plain.rootNotFirst);
    EXPECT_FALSE(plain.keepBrokenFile);
    EXPECT_TRUE(plain.failure.isEmpty());
    EXPECT_EQ(plain.values.port, QStringLiteral("600"));
}

TEST_F(ParGenBrokenFileTest, EmptyFileIsNotWellFormed) {
    write("");
    EXPECT_THROW(readParGen(path()), XmlParseError);
    EXPECT_TRUE(readParGenForDialog(path()).keepBrokenFile);
}

TEST_F(ParGenBrokenFileTest, UnreadableFileGivesDefaultsWithoutKeepingACopy) {
    // A folder in the file's place cannot be read as a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ParGen.xml")));
    EXPECT_THROW(readParGen(path()), FileError);
    const ParGenReading reading = readParGenForDialog(path());
    EXPECT_EQ(reading.values, tableDefaults());
    EXPECT_FALSE(reading.keepBrokenFile);
    EXPECT_TRUE(reading.failure.contains(QStringLiteral("ParGen.xml")));

    TextTable english;
    english.LoadDefaultTexts();
    const QString box = readFailureText(english, reading);
    EXPECT_FALSE(box.contains(QStringLiteral(".bad"))) << box.toStdString();
    EXPECT_TRUE(box.endsWith(reading.failure));
}

} // namespace
} // namespace zz
