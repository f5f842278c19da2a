#include "common/Errors.h"
#include "common/Xml.h"
#include "lang/TextTable.h"
#include "params/ParGenFile.h"
#include "support/ParGenFixtures.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace zz {
namespace {

const char* const kElementOrder[] = {
    "MODE",
    "TCP_IP1",
    "TCP_IP2",
    "TCP_IP3",
    "TCP_IP4",
    "TCP_SUB1",
    "TCP_SUB2",
    "TCP_SUB3",
    "TCP_SUB4",
    "TCP_GAT1",
    "TCP_GAT2",
    "TCP_GAT3",
    "TCP_GAT4",
    "TCP_PORT",
    "EN_Gateway",
    "UDP_Port",
    "Enable_AA55",
    "Cancel_AA55",
    "NoFrame_RTU_Timeout",
    "Fast_Boot",
    "SSID",
    "Password",
    "Protection_Type",
    "SEL_SER",
    "BAUD",
    "PARITY",
    "DATABITS",
    "TIME_OUT",
    "StopBit_RS485",
    "Delay_From_Last_Byte",
    "Enable_Delay_From_Last_Byte",
    "Time_Between_Byte",
    "Modbus_Filter",
};

// The text of each element of the written file, by name.
std::map<std::string, QString> writtenElements(const QByteArray& bytes) {
    pugi::xml_document doc;
    xml::parse(doc, bytes, QStringLiteral("ParGen.xml"));
    std::map<std::string, QString> elements;
    for (pugi::xml_node child : doc.child("General_Parameter").children())
        elements[child.name()] = xml::text(child);
    return elements;
}

TEST(ParGenWriteTest, DefaultsAreWrittenByteForByte) {
    const QByteArray& expected = test::kDefaultParGenFile;
    EXPECT_EQ(parGenBytes(GeneralParameters{}), expected);

    // A missing file read and saved gives the same bytes.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    writeParGen(readParGen(path), path);
    EXPECT_EQ(test::readFile(path), expected);
}

TEST(ParGenWriteTest, The33ElementsInOrderEachWithOnlyItsTextThenTheComment) {
    GeneralParameters values;
    values.ssid = QStringLiteral("Caf\u00E9 <&> \"net\"");
    values.password = QStringLiteral("  ");
    const QByteArray bytes = parGenBytes(values);
    EXPECT_TRUE(bytes.contains("<SSID>Caf\xC3\xA9 &lt;&amp;&gt; \"net\"</SSID>")) << bytes.constData();
    EXPECT_FALSE(bytes.contains('\n'));

    pugi::xml_document doc;
    xml::parse(doc, bytes, QStringLiteral("ParGen.xml"));
    const pugi::xml_node root = doc.first_child();
    ASSERT_EQ(root.type(), pugi::node_element);
    EXPECT_STREQ(root.name(), "General_Parameter");
    EXPECT_FALSE(root.first_attribute());
    const pugi::xml_node comment = root.next_sibling();
    ASSERT_EQ(comment.type(), pugi::node_comment);
    EXPECT_STREQ(comment.value(), "SW_VERSION = 1.002");
    EXPECT_FALSE(comment.next_sibling());

    std::size_t i = 0;
    for (pugi::xml_node child : root.children()) {
        ASSERT_LT(i, std::size(kElementOrder));
        EXPECT_EQ(child.type(), pugi::node_element);
        EXPECT_STREQ(child.name(), kElementOrder[i]);
        EXPECT_FALSE(child.first_attribute()) << child.name();
        for (pugi::xml_node part : child.children())
            EXPECT_EQ(part.type(), pugi::node_pcdata) << child.name();
        ++i;
    }
    EXPECT_EQ(i, std::size(kElementOrder));
    EXPECT_EQ(xml::childText(root, "Password"), QStringLiteral("  "));
}

struct EncodingCase {
    const char* name;
    std::function<void(GeneralParameters&)> change;
    std::map<std::string, QString> expected; // element name -> written text
    friend void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.name; }
};

class ParGenEncodingTest : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(ParGenEncodingTest, ValuesAreEncodedAsTheFileHoldsThem) {
    GeneralParameters values;
    GetParam().change(values);
    const std::map<std::string, QString> written = writtenElements(parGenBytes(values));
    for (const auto& [element, text] : GetParam().expected) {
        ASSERT_TRUE(written.count(element)) << element;
        EXPECT_EQ(written.at(element), text) << element;
    }
}

using V = GeneralParameters;
using S = std::map<std::string, QString>;
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParGenEncodingTest,
    ::testing::Values(
        EncodingCase{"TextFieldsAsTheyStand",
                     [](V& v) {
                         v.ipAddress[0] = qs("0x0A");
                         v.subnetMask[2] = qs(" 7");
                         v.gateway[3] = qs("abc");
                         v.port = qs("+12");
                         v.timeOut = qs("");
                     },
                     S{{"TCP_IP1", qs("0x0A")},
                       {"TCP_SUB3", qs(" 7")},
                       {"TCP_GAT4", qs("abc")},
                       {"TCP_PORT", qs("+12")},
                       {"TIME_OUT", qs("")}}},
        EncodingCase{"CheckBoxesAsOneAndZero",
                     [](V& v) {
                         v.gatewayEnabled = v.udpPort = v.specialCommand = v.cancelFirstTwoBytes = true;
                         v.noTcpFrameOnTimeout = v.fastStartUp = v.modbusFilter = true;
                     },
                     S{{"EN_Gateway", qs("1")},
                       {"UDP_Port", qs("1")},
                       {"Enable_AA55", qs("1")},
                       {"Cancel_AA55", qs("1")},
                       {"NoFrame_RTU_Timeout", qs("1")},
                       {"Fast_Boot", qs("1")},
                       {"Modbus_Filter", qs("1")}}},
        EncodingCase{"NatMode", [](V& v) { v.operationMode = 1; }, S{{"MODE", qs("1")}}},
        EncodingCase{
            "ListsWithoutSelection",
            [](V& v) { v.operationMode = v.protectionType = v.baudRate = v.dataBits = v.stopBits = -1; },
            S{{"MODE", qs("-1")},
              {"Protection_Type", qs("-1")},
              {"BAUD", qs("-1")},
              {"DATABITS", qs("-1")},
              {"StopBit_RS485", qs("-1")}}},
        EncodingCase{"PositionsPastTheirListsAreNoSelection",
                     [](V& v) {
                         v.operationMode = 2;
                         v.protectionType = 4;
                         v.baudRate = 16;
                         v.dataBits = 2;
                         v.stopBits = 2;
                     },
                     S{{"MODE", qs("-1")},
                       {"Protection_Type", qs("-1")},
                       {"BAUD", qs("-1")},
                       {"DATABITS", qs("-1")},
                       {"StopBit_RS485", qs("-1")}}},
        EncodingCase{"LastPositionsOfTheLists",
                     [](V& v) {
                         v.protectionType = 3;
                         v.baudRate = 15;
                         v.dataBits = 1;
                         v.stopBits = 1;
                     },
                     S{{"Protection_Type", qs("3")},
                       {"BAUD", qs("15")},
                       {"DATABITS", qs("1")},
                       {"StopBit_RS485", qs("1")}}},
        EncodingCase{"ParityOdd", [](V& v) { v.parity = 1; }, S{{"PARITY", qs("3")}}},
        EncodingCase{"ParityEven", [](V& v) { v.parity = 2; }, S{{"PARITY", qs("2")}}},
        EncodingCase{"ParityWithoutSelection", [](V& v) { v.parity = -1; }, S{{"PARITY", qs("0")}}},
        EncodingCase{"ParityPastTheList", [](V& v) { v.parity = 3; }, S{{"PARITY", qs("0")}}},
        EncodingCase{"SerialRs232", [](V& v) { v.serialInterface = 0; }, S{{"SEL_SER", qs("1")}}},
        EncodingCase{"SerialWithoutSelection", [](V& v) { v.serialInterface = -1; }, S{{"SEL_SER", qs("1")}}},
        EncodingCase{"IdleTimeOne", [](V& v) { v.idleTime = qs("1"); },
                     S{{"Delay_From_Last_Byte", qs("1")}, {"Enable_Delay_From_Last_Byte", qs("1")}}},
        EncodingCase{"IdleTimeHex", [](V& v) { v.idleTime = qs("0x0A"); },
                     S{{"Delay_From_Last_Byte", qs("0x0A")}, {"Enable_Delay_From_Last_Byte", qs("1")}}},
        EncodingCase{"IdleTimeNegative", [](V& v) { v.idleTime = qs("-5"); },
                     S{{"Delay_From_Last_Byte", qs("-5")}, {"Enable_Delay_From_Last_Byte", qs("0")}}},
        EncodingCase{"IdleTimeNotANumber", [](V& v) { v.idleTime = qs("5 ms"); },
                     S{{"Delay_From_Last_Byte", qs("5 ms")}, {"Enable_Delay_From_Last_Byte", qs("0")}}},
        EncodingCase{"IdleTimeEmpty", [](V& v) { v.idleTime = qs(""); },
                     S{{"Delay_From_Last_Byte", qs("")}, {"Enable_Delay_From_Last_Byte", qs("0")}}}),
    [](const ::testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    const char* elements;                    // what the file holds
    std::map<std::string, QString> expected; // what the next save writes
    friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }
};

class ParGenRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

// Open and save: what the dialog reads is what it writes back.
TEST_P(ParGenRoundTripTest, OpenAndSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    test::writeFile(path, QByteArray("<General_Parameter>") + GetParam().elements + "</General_Parameter>");
    writeParGen(readParGen(path), path);
    const std::map<std::string, QString> written = writtenElements(test::readFile(path));
    EXPECT_EQ(written.size(), std::size(kElementOrder));
    for (const auto& [element, text] : GetParam().expected) {
        ASSERT_TRUE(written.count(element)) << element;
        EXPECT_EQ(written.at(element), text) << element;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParGenRoundTripTest,
    ::testing::Values(
        RoundTripCase{"PartialFileGetsAll33", "<TCP_PORT>600</TCP_PORT>",
                      S{{"TCP_PORT", qs("600")},
                        {"SSID", qs("ssid_name")},
                        {"Password", qs("")},
                        {"SEL_SER", qs("0")}}},
        RoundTripCase{"ModeTwoSavedAsZero", "<MODE>2</MODE>", S{{"MODE", qs("0")}}},
        RoundTripCase{"ParityOneSavedAsZero", "<PARITY>1</PARITY>", S{{"PARITY", qs("0")}}},
        RoundTripCase{"ParityThreeStays", "<PARITY>3</PARITY>", S{{"PARITY", qs("3")}}},
        RoundTripCase{"SerialSevenSavedAsOne", "<SEL_SER>7</SEL_SER>", S{{"SEL_SER", qs("1")}}},
        RoundTripCase{"SerialZeroStays", "<SEL_SER>0</SEL_SER>", S{{"SEL_SER", qs("0")}}},
        RoundTripCase{"SerialOneStays", "<SEL_SER>1</SEL_SER>", S{{"SEL_SER", qs("1")}}},
        RoundTripCase{"BaudPastTheListSavedAsNoSelection", "<BAUD>20</BAUD>", S{{"BAUD", qs("-1")}}},
        RoundTripCase{"BaudNotANumberSavedAs115200", "<BAUD>abc</BAUD>", S{{"BAUD", qs("7")}}},
        RoundTripCase{"CheckBoxYesSavedAsZero", "<UDP_Port>yes</UDP_Port><Fast_Boot>2</Fast_Boot>",
                      S{{"UDP_Port", qs("0")}, {"Fast_Boot", qs("0")}}},
        RoundTripCase{"IdleTimeSwitchedOff",
                      "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                      "<Enable_Delay_From_Last_Byte>0</Enable_Delay_From_Last_Byte>",
                      S{{"Delay_From_Last_Byte", qs("0")}, {"Enable_Delay_From_Last_Byte", qs("0")}}},
        RoundTripCase{"IdleTimeSwitchedOn",
                      "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                      "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>",
                      S{{"Delay_From_Last_Byte", qs("50")}, {"Enable_Delay_From_Last_Byte", qs("1")}}},
        RoundTripCase{"IdleTimeWithoutSwitch", "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>",
                      S{{"Delay_From_Last_Byte", qs("50")}, {"Enable_Delay_From_Last_Byte", qs("1")}}},
        RoundTripCase{"IpByteOutOfRangeStays", "<TCP_IP1>300</TCP_IP1>", S{{"TCP_IP1", qs("300")}}},
        RoundTripCase{"HiddenWirelessValuesSurvive",
                      "<SSID> Caf\xC3\xA9 &amp; co </SSID><Password>  p&lt;w  </Password>"
                      "<Protection_Type>2</Protection_Type>",
                      S{{"SSID", qs(" Caf\xC3\xA9 & co ")},
                        {"Password", qs("  p<w  ")},
                        {"Protection_Type", qs("2")}}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST(ParGenRoundTripTest, EveryProtectionTypeSurvives) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    for (const char* type : {"0", "1", "2", "3"}) {
        test::writeFile(path, QByteArray("<General_Parameter><Protection_Type>") + type +
                                  "</Protection_Type></General_Parameter>");
        writeParGen(readParGen(path), path);
        EXPECT_EQ(writtenElements(test::readFile(path)).at("Protection_Type"), qs(type));
    }
}

TEST(ParGenRoundTripTest, WrittenValuesReadBackEqual) {
    GeneralParameters values;
    values.operationMode = 1;
    values.ipAddress = {qs("10"), qs("$0A"), qs(" 3"), qs("-0")};
    values.gateway[1] = qs("letters");
    values.port = qs("0x1F6");
    values.gatewayEnabled = values.cancelFirstTwoBytes = values.modbusFilter = true;
    values.ssid = qs("");
    values.password = qs(" x ");
    values.protectionType = 1;
    values.serialInterface = 0;
    values.baudRate = 15;
    values.parity = 1;
    values.dataBits = 1;
    values.stopBits = 1;
    values.timeOut = qs("99");
    values.idleTime = qs("60000");
    values.timeBetweenBytes = qs("100");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ParGen.xml"));
    writeParGen(values, path);
    EXPECT_EQ(readParGen(path), values);
}

class ParGenSaveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("ParGen.xml")); }
    QString badPath() const { return path() + QStringLiteral(".bad"); }
};

TEST_F(ParGenSaveTest, BrokenFileIsKeptBesideTheNewOne) {
    const QByteArray broken = "<General_Parameter><MODE>1</MOD";
    test::writeFile(path(), broken);
    const ParGenReading reading = readParGenForDialog(path());
    ASSERT_TRUE(reading.keepBrokenFile);
    writeParGen(reading.values, path(), reading.keepBrokenFile);
    EXPECT_EQ(test::readFile(badPath()), broken);
    EXPECT_EQ(test::readFile(path()), parGenBytes(GeneralParameters{}));
}

TEST_F(ParGenSaveTest, NoCopyWithoutAFileOrWithoutTheRequest) {
    writeParGen(GeneralParameters{}, path(), true);
    EXPECT_FALSE(QFileInfo::exists(badPath()));
    writeParGen(GeneralParameters{}, path(), false);
    EXPECT_FALSE(QFileInfo::exists(badPath()));
}

TEST_F(ParGenSaveTest, FailedCopyLeavesTheBrokenFileAndReportsTheFailure) {
    const QByteArray broken = "<General_Parameter>";
    test::writeFile(path(), broken);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ParGen.xml.bad")));
    EXPECT_THROW(writeParGen(GeneralParameters{}, path(), true), FileError);
    EXPECT_EQ(test::readFile(path()), broken);
}

TEST_F(ParGenSaveTest, FolderThatDoesNotExistIsAnErrorNamingTheFile) {
    const QString missing = dir.filePath(QStringLiteral("gone/ParGen.xml"));
    try {
        writeParGen(GeneralParameters{}, missing);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.file(), missing);
        TextTable english;
        english.LoadDefaultTexts();
        const QString box = saveFailureText(english, e.message());
        EXPECT_TRUE(box.contains(QStringLiteral("could not be saved"))) << box.toStdString();
        EXPECT_TRUE(box.contains(QStringLiteral("gone"))) << box.toStdString();
    }
}

} // namespace
} // namespace zz
