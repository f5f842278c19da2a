#include "WheelEvents.h"
#include "app/UZevazerazueFirmWare.h"
#include "app/Workspace.h"
#include "common/Xml.h"
#include "params/UParGen2.h"
#include "support/GuiFakes.h"
#include "support/ParGenFixtures.h"
#include "support/TestFiles.h"
#include "widgets/CategoryPanel.h"
#include "widgets/CategoryPanelGroup.h"
#include "widgets/FlatButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace zz {
namespace {

const QByteArray& kDefaultFile = test::kDefaultParGenFile;

// The text of each element of a parameter file, by name.
std::map<std::string, QString> elementsOf(const QByteArray& bytes) {
    pugi::xml_document doc;
    xml::parse(doc, bytes, QStringLiteral("ParGen.xml"));
    std::map<std::string, QString> elements;
    for (pugi::xml_node child : doc.child("General_Parameter").children())
        elements[child.name()] = xml::text(child);
    return elements;
}

class ParGenDialogTest : public ::testing::Test {
public:
    test::GuiWorld world;
    std::unique_ptr<TFParGen2> dialog;
    QString file;

    void SetUp() override {
        runWorkspaceStartUp(world.state, world.dir.path());
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant/bin")));
        activateConfiguration(world.state, QStringLiteral("Plant"));
        file = world.state.ParGenFile;
        ASSERT_FALSE(file.isEmpty());
        dialog = std::make_unique<TFParGen2>(world.context, nullptr);
    }

    // Shows the dialog as the main window does, and lets a deferred error box through.
    void open() {
        dialog->show();
        QCoreApplication::processEvents();
    }
    template <typename T = QWidget> T* control(const char* name) const {
        T* widget = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    QString labelText(const char* name) const { return control<QLabel>(name)->text(); }
    QString listText(const char* name) const { return control<QComboBox>(name)->currentText(); }
    int listPosition(const char* name) const { return control<QComboBox>(name)->currentIndex(); }
    bool checked(const char* name) const { return control<QCheckBox>(name)->isChecked(); }
    void type(const char* name, const QString& value) {
        QLineEdit* edit = control<QLineEdit>(name);
        edit->selectAll();
        if (value.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, value);
    }
    void select(const char* name, int position) { control<QComboBox>(name)->setCurrentIndex(position); }
    // Near the left end, where a check box that spans its row has its box and text.
    void click(const char* name) {
        QWidget* widget = control<QWidget>(name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    QString heading(const char* panel) const { return control<CategoryPanel>(panel)->caption(); }
    QByteArray saved() const { return test::readFile(file); }
};

TEST_F(ParGenDialogTest, ShowsTheDefaultsWithoutAFileAndOkWritesThem) {
    open();
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Set Communication"));
    EXPECT_EQ(labelText("L_SW_Code"), QStringLiteral("KT883"));
    EXPECT_EQ(labelText("L_SW_Desc"), QStringLiteral("Set Communication Setting"));
    EXPECT_EQ(control<FlatButton>("Btn_OK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(control<FlatButton>("Btn_Cancel")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(heading("CP_Operation_Mode_914"), QStringLiteral("1. Operation Mode"));
    EXPECT_EQ(heading("CP_Modbus_TCP_Slave"), QStringLiteral("2. Modbus TCP Slave"));
    EXPECT_EQ(heading("CP_Modbus_Master"), QStringLiteral("3. Modbus Master"));

    EXPECT_EQ(listText("CB_OperationMode_OperationMode"), QStringLiteral("Routing Mode"));
    const QStringList bytes = {
        text("E_ModbusTCPSlave_IP1"),  text("E_ModbusTCPSlave_IP2"),  text("E_ModbusTCPSlave_IP3"),
        text("E_ModbusTCPSlave_IP4"),  text("E_ModbusTCPSlave_SM1"),  text("E_ModbusTCPSlave_SM2"),
        text("E_ModbusTCPSlave_SM3"),  text("E_ModbusTCPSlave_SM4"),  text("E_ModbusTCPSlave_GAT1"),
        text("E_ModbusTCPSlave_GAT2"), text("E_ModbusTCPSlave_GAT3"), text("E_ModbusTCPSlave_GAT4")};
    EXPECT_EQ(bytes.join(QLatin1Char(' ')), QStringLiteral("192 168 0 10 255 255 255 0 192 168 0 1"));
    EXPECT_EQ(text("E_ModbusTCPSlave_Port"), QStringLiteral("502"));
    for (const char* box :
         {"CB_ModbusTCPSlave_GAT", "CB_ModbusTCPSlave_EnUDP", "CB_ModbusTCPSlave_EnSpecialCmd",
          "CB_ModbusTCPSlave_CancTwoByte", "CB_ModbusTCPSlave_NoTCPFrame", "CB_ModbusTCPSlave_FastS",
          "CB_Modbus_Master_Filter"})
        EXPECT_FALSE(checked(box)) << box;
    EXPECT_EQ(listText("CB_Modbus_Master_Baudrate"), QStringLiteral("115200"));
    EXPECT_EQ(listText("CB_Modbus_Master_Parity"), QStringLiteral("NONE"));
    EXPECT_EQ(listText("CB_Modbus_Master_DataBits"), QStringLiteral("8"));
    EXPECT_EQ(listText("CB_Modbus_Master_RS485StopBits"), QStringLiteral("1"));
    EXPECT_EQ(text("E_Modbus_Master_TimeOut"), QStringLiteral("1000"));
    EXPECT_EQ(text("E_Modbus_Master_Communication"), QStringLiteral("0"));
    EXPECT_EQ(text("E_Modbus_Master_Time_Between_Byte"), QStringLiteral("0"));
    EXPECT_FALSE(dialog->isChanged());

    click("Btn_OK");
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(saved(), kDefaultFile);
}

TEST_F(ParGenDialogTest, ShowsTheLabelsOfEveryRowAndHidesTheWirelessAndSerialRows) {
    open();
    const std::pair<const char*, const char*> texts[] = {
        {"L_OperationMode_OperationMode", "Operation Mode"},
        {"L_ModbusTCPSlave_IP", "IP ADDRESS"},
        {"L_ModbusTCPSlave_SM", "SUBNET Mask"},
        {"L_ModbusTCPSlave_Port", "Port"},
        {"L_Modbus_Master_Baudrate", "Baudrate"},
        {"L_Modbus_Master_Parity", "Parity"},
        {"L_Modbus_Master_RS485StopBits", "Stop Bits"},
        {"L_Modbus_Master_DataBits", "Data Bits"},
        {"L_Modbus_Master_TimeOut", "TimeOut (ms)"},
        {"L_Modbus_Master_Communication", "Communication Idle Time (ms)"},
        {"L_Modbus_Master_Time_Between_Byte", "Time Between Bytes (ms)"},
        {"L_ModbusTCPSlave_SSID", "SSID"},
        {"L_ModbusTCPSlave_PWD", "Password"},
        {"L_ModbusTCPSlave_PWD_Type", "Type"},
        {"L_Modbus_Master_Serial", "Serial"},
    };
    for (const auto& [name, expected] : texts)
        EXPECT_EQ(labelText(name), QString::fromUtf8(expected)) << name;
    const std::pair<const char*, const char*> boxes[] = {
        {"CB_ModbusTCPSlave_GAT", "GATEWAY"},
        {"CB_ModbusTCPSlave_EnUDP", "Enable UDP Port"},
        {"CB_ModbusTCPSlave_EnSpecialCmd", "Enable Special Command"},
        {"CB_ModbusTCPSlave_CancTwoByte", "Cancel the First Two Bytes"},
        {"CB_ModbusTCPSlave_NoTCPFrame", "No TCP Frame on RTU TimeOut"},
        {"CB_ModbusTCPSlave_FastS", "Fast StartUp (only 100Mbps)"},
        {"CB_Modbus_Master_Filter", "Modbus Filter"},
    };
    for (const auto& [name, expected] : boxes) {
        EXPECT_EQ(control<QCheckBox>(name)->text(), QString::fromUtf8(expected)) << name;
        EXPECT_TRUE(control<QCheckBox>(name)->isVisible()) << name;
    }
    for (const char* hidden :
         {"L_ModbusTCPSlave_SSID", "E_ModbusTCPSlave_SSID", "L_ModbusTCPSlave_PWD", "E_ModbusTCPSlave_PWD",
          "L_ModbusTCPSlave_PWD_Type", "CB_ModbusTCPSlave_PWD_Type", "L_Modbus_Master_Serial",
          "CB_Modbus_Master_Serial"})
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;

    EXPECT_EQ(control<QComboBox>("CB_Modbus_Master_Baudrate")->count(), 16);
    EXPECT_EQ(control<QComboBox>("CB_Modbus_Master_Baudrate")->itemText(15), QStringLiteral("12000000"));
    EXPECT_FALSE(control<QComboBox>("CB_Modbus_Master_Baudrate")->isEditable());
    const auto items = [this](const char* name) {
        QStringList all;
        for (int i = 0; i < control<QComboBox>(name)->count(); ++i)
            all.append(control<QComboBox>(name)->itemText(i));
        return all.join(QLatin1Char(','));
    };
    EXPECT_EQ(items("CB_OperationMode_OperationMode"), QStringLiteral("Routing Mode,NAT Mode"));
    EXPECT_EQ(items("CB_ModbusTCPSlave_PWD_Type"), QStringLiteral("Unsecured,WEP,WPA,WPA2"));
    EXPECT_EQ(items("CB_Modbus_Master_Parity"), QStringLiteral("NONE,ODD,EVEN"));
    EXPECT_EQ(items("CB_Modbus_Master_RS485StopBits"), QStringLiteral("1,2"));
    EXPECT_EQ(items("CB_Modbus_Master_DataBits"), QStringLiteral("8,7"));
    EXPECT_EQ(items("CB_Modbus_Master_Serial"), QStringLiteral("RS232,RS485"));

    // "Cancel the First Two Bytes" is drawn as a sub-option of the box above it.
    const auto left = [this](const char* name) {
        return control(name)->mapTo(dialog.get(), QPoint(0, 0)).x();
    };
    EXPECT_GT(left("CB_ModbusTCPSlave_CancTwoByte"), left("CB_ModbusTCPSlave_EnSpecialCmd"));
    EXPECT_EQ(left("CB_ModbusTCPSlave_NoTCPFrame"), left("CB_ModbusTCPSlave_EnSpecialCmd"));
}

TEST_F(ParGenDialogTest, TabGoesThroughTheSectionsInTheirOrder) {
    open();
    const QStringList expected = {
        "CP_Operation_Mode_914_Heading",
        "CB_OperationMode_OperationMode",
        "CP_Modbus_TCP_Slave_Heading",
        "E_ModbusTCPSlave_IP1",
        "E_ModbusTCPSlave_IP2",
        "E_ModbusTCPSlave_IP3",
        "E_ModbusTCPSlave_IP4",
        "E_ModbusTCPSlave_SM1",
        "E_ModbusTCPSlave_SM2",
        "E_ModbusTCPSlave_SM3",
        "E_ModbusTCPSlave_SM4",
        "CB_ModbusTCPSlave_GAT",
        "E_ModbusTCPSlave_GAT1",
        "E_ModbusTCPSlave_GAT2",
        "E_ModbusTCPSlave_GAT3",
        "E_ModbusTCPSlave_GAT4",
        "E_ModbusTCPSlave_Port",
        "CB_ModbusTCPSlave_EnUDP",
        "CB_ModbusTCPSlave_EnSpecialCmd",
        "CB_ModbusTCPSlave_CancTwoByte",
        "CB_ModbusTCPSlave_NoTCPFrame",
        "CB_ModbusTCPSlave_FastS",
        "CP_Modbus_Master_Heading",
        "CB_Modbus_Master_Baudrate",
        "CB_Modbus_Master_Parity",
        "E_Modbus_Master_TimeOut",
        "CB_Modbus_Master_RS485StopBits",
        "E_Modbus_Master_Communication",
        "CB_Modbus_Master_DataBits",
        "E_Modbus_Master_Time_Between_Byte",
        "CB_Modbus_Master_Filter",
        "Btn_OK",
        "Btn_Cancel",
    };
    // The focus chain, keeping only what Tab can reach.
    QStringList chain;
    QWidget* start = control("CP_Operation_Mode_914_Heading");
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            chain.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != start && chain.size() < expected.size());
    EXPECT_EQ(chain, expected);
}

TEST_F(ParGenDialogTest, ShowsEveryValueOfTheFileAndWritesThemBack) {
    test::writeFile(file,
                    "<General_Parameter><MODE>1</MODE><TCP_IP1>10</TCP_IP1><TCP_IP2>0x0A</TCP_IP2>"
                    "<TCP_IP3>3</TCP_IP3><TCP_IP4>4</TCP_IP4><TCP_SUB1>255</TCP_SUB1><TCP_SUB2>254</TCP_SUB2>"
                    "<TCP_SUB3>253</TCP_SUB3><TCP_SUB4>252</TCP_SUB4><TCP_GAT1>10</TCP_GAT1>"
                    "<TCP_GAT2>abc</TCP_GAT2><TCP_GAT3>30</TCP_GAT3><TCP_GAT4>40</TCP_GAT4>"
                    "<TCP_PORT>5020</TCP_PORT><EN_Gateway>0</EN_Gateway><UDP_Port>1</UDP_Port>"
                    "<Enable_AA55>1</Enable_AA55><Cancel_AA55>1</Cancel_AA55>"
                    "<NoFrame_RTU_Timeout>1</NoFrame_RTU_Timeout><Fast_Boot>1</Fast_Boot>"
                    "<SSID>plant</SSID><Password>secret</Password><Protection_Type>2</Protection_Type>"
                    "<SEL_SER>1</SEL_SER><BAUD>20</BAUD><PARITY>3</PARITY><DATABITS>1</DATABITS>"
                    "<TIME_OUT>250</TIME_OUT><StopBit_RS485>1</StopBit_RS485>"
                    "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                    "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>"
                    "<Time_Between_Byte>7</Time_Between_Byte><Modbus_Filter>1</Modbus_Filter>"
                    "</General_Parameter>");
    open();
    EXPECT_EQ(listText("CB_OperationMode_OperationMode"), QStringLiteral("NAT Mode"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP2"), QStringLiteral("0x0A"));
    EXPECT_EQ(text("E_ModbusTCPSlave_SM4"), QStringLiteral("252"));
    EXPECT_EQ(text("E_ModbusTCPSlave_GAT2"), QStringLiteral("abc"));
    EXPECT_EQ(text("E_ModbusTCPSlave_Port"), QStringLiteral("5020"));
    EXPECT_FALSE(checked("CB_ModbusTCPSlave_GAT"));
    EXPECT_TRUE(checked("CB_ModbusTCPSlave_CancTwoByte"));
    EXPECT_TRUE(checked("CB_Modbus_Master_Filter"));
    EXPECT_EQ(listPosition("CB_Modbus_Master_Baudrate"), -1);
    EXPECT_EQ(listText("CB_Modbus_Master_Parity"), QStringLiteral("ODD"));
    EXPECT_EQ(listText("CB_Modbus_Master_DataBits"), QStringLiteral("7"));
    EXPECT_EQ(listText("CB_Modbus_Master_RS485StopBits"), QStringLiteral("2"));
    EXPECT_EQ(text("E_Modbus_Master_TimeOut"), QStringLiteral("250"));
    EXPECT_EQ(text("E_Modbus_Master_Communication"), QStringLiteral("50"));
    EXPECT_EQ(text("E_Modbus_Master_Time_Between_Byte"), QStringLiteral("7"));
    EXPECT_EQ(listText("CB_ModbusTCPSlave_PWD_Type"), QStringLiteral("WPA"));
    EXPECT_EQ(listText("CB_Modbus_Master_Serial"), QStringLiteral("RS232"));
    EXPECT_FALSE(dialog->isChanged());

    click("Btn_OK");
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_EQ(
        saved(),
        QByteArray("<General_Parameter><MODE>1</MODE><TCP_IP1>10</TCP_IP1><TCP_IP2>0x0A</TCP_IP2>"
                   "<TCP_IP3>3</TCP_IP3><TCP_IP4>4</TCP_IP4><TCP_SUB1>255</TCP_SUB1><TCP_SUB2>254</TCP_SUB2>"
                   "<TCP_SUB3>253</TCP_SUB3><TCP_SUB4>252</TCP_SUB4><TCP_GAT1>10</TCP_GAT1>"
                   "<TCP_GAT2>abc</TCP_GAT2><TCP_GAT3>30</TCP_GAT3><TCP_GAT4>40</TCP_GAT4>"
                   "<TCP_PORT>5020</TCP_PORT><EN_Gateway>0</EN_Gateway><UDP_Port>1</UDP_Port>"
                   "<Enable_AA55>1</Enable_AA55><Cancel_AA55>1</Cancel_AA55>"
                   "<NoFrame_RTU_Timeout>1</NoFrame_RTU_Timeout><Fast_Boot>1</Fast_Boot>"
                   "<SSID>plant</SSID><Password>secret</Password><Protection_Type>2</Protection_Type>"
                   "<SEL_SER>1</SEL_SER><BAUD>-1</BAUD><PARITY>3</PARITY><DATABITS>1</DATABITS>"
                   "<TIME_OUT>250</TIME_OUT><StopBit_RS485>1</StopBit_RS485>"
                   "<Delay_From_Last_Byte>50</Delay_From_Last_Byte>"
                   "<Enable_Delay_From_Last_Byte>1</Enable_Delay_From_Last_Byte>"
                   "<Time_Between_Byte>7</Time_Between_Byte><Modbus_Filter>1</Modbus_Filter>"
                   "</General_Parameter><!--SW_VERSION = 1.002-->"));
}

struct Refusal {
    const char* name;
    std::function<void(ParGenDialogTest&)> edit;
    int textIndex;
    friend void PrintTo(const Refusal& v, std::ostream* os) { *os << v.name; }
};

class ParGenRefusalTest : public ParGenDialogTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ParGenRefusalTest, ShowsTheFirstFailingCheckAndKeepsTheDialogOpen) {
    open();
    GetParam().edit(*this);
    const GeneralParameters typed = dialog->currentValues();
    click("Btn_OK");
    EXPECT_EQ(world.dialogs.errors, QStringList{world.state.Texts[GetParam().textIndex]});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(dialog->currentValues(), typed);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ParGenRefusalTest,
    ::testing::Values(
        Refusal{"Port65536", [](ParGenDialogTest& t) { t.type("E_ModbusTCPSlave_Port", "65536"); }, 140},
        Refusal{"Mask3Is256BeforeABadPort",
                [](ParGenDialogTest& t) {
                    t.type("E_ModbusTCPSlave_SM3", "256");
                    t.type("E_ModbusTCPSlave_Port", "-1");
                },
                134},
        Refusal{"EmptyIp1", [](ParGenDialogTest& t) { t.type("E_ModbusTCPSlave_IP1", ""); }, 128},
        Refusal{"GatewayByteWithTheBoxChecked",
                [](ParGenDialogTest& t) {
                    t.click("CB_ModbusTCPSlave_GAT");
                    t.type("E_ModbusTCPSlave_GAT4", "x");
                },
                139},
        Refusal{"TimeOut", [](ParGenDialogTest& t) { t.type("E_Modbus_Master_TimeOut", "100000001"); }, 141},
        Refusal{"IdleTime", [](ParGenDialogTest& t) { t.type("E_Modbus_Master_Communication", "60001"); },
                142},
        Refusal{"EightDataBitsTwoStopBitsEven",
                [](ParGenDialogTest& t) {
                    t.select("CB_Modbus_Master_RS485StopBits", 1);
                    t.select("CB_Modbus_Master_Parity", 2);
                },
                322},
        Refusal{"SevenDataBitsOneStopBitNone",
                [](ParGenDialogTest& t) { t.select("CB_Modbus_Master_DataBits", 1); }, 323},
        Refusal{"TimeBetweenBytes",
                [](ParGenDialogTest& t) { t.type("E_Modbus_Master_Time_Between_Byte", "101"); }, 326}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParGenDialogTest, GatewayLettersPassWhileTheBoxIsUnchecked) {
    open();
    for (const char* name :
         {"E_ModbusTCPSlave_GAT1", "E_ModbusTCPSlave_GAT2", "E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4"})
        type(name, QStringLiteral("abc"));
    click("Btn_OK");
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
    EXPECT_EQ(elementsOf(saved())["TCP_GAT3"], QStringLiteral("abc"));
}

TEST_F(ParGenDialogTest, AGatewayCharacterTheFileCannotHoldIsRefusedNamingTheFieldAndNothingIsWritten) {
    open();
    control<QLineEdit>("E_ModbusTCPSlave_GAT2")->setText(QStringLiteral("1") + QChar(0x7));
    click("Btn_OK");
    EXPECT_EQ(
        world.dialogs.errors,
        QStringList{QStringLiteral(
            "GATEWAY: the text holds a character that the communication parameters file cannot hold.")});
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(dialog->isVisible());

    control<QLineEdit>("E_ModbusTCPSlave_GAT2")->setText(QStringLiteral("1"));
    click("Btn_OK");
    EXPECT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_EQ(elementsOf(saved())["TCP_GAT2"], QStringLiteral("1"));
}

TEST_F(ParGenDialogTest, EnterInAFieldIsOkWithEveryCheck) {
    open();
    EXPECT_TRUE(control<FlatButton>("Btn_OK")->isDefault());
    EXPECT_FALSE(control<FlatButton>("Btn_Cancel")->isDefault());
    type("E_ModbusTCPSlave_Port", QStringLiteral("65536"));
    QTest::keyClick(control<QLineEdit>("E_ModbusTCPSlave_Port"), Qt::Key_Return);
    EXPECT_EQ(world.dialogs.errors,
              QStringList{QStringLiteral("Error  Modbus TCP Slave!! PORT must be between 0 and 65535")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFileInfo::exists(file));

    type("E_ModbusTCPSlave_Port", QStringLiteral("503"));
    QTest::keyClick(control<QLineEdit>("E_Modbus_Master_TimeOut"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(elementsOf(saved())["TCP_PORT"], QStringLiteral("503"));
}

TEST_F(ParGenDialogTest, AnInvalidPortIsRefusedThenTheCorrectedValueIsSaved) {
    open();
    type("E_ModbusTCPSlave_IP4", QStringLiteral("77"));
    type("E_ModbusTCPSlave_Port", QStringLiteral("65536"));
    select("CB_OperationMode_OperationMode", 1);
    click("Btn_OK");
    EXPECT_EQ(world.dialogs.errors,
              QStringList{QStringLiteral("Error  Modbus TCP Slave!! PORT must be between 0 and 65535")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(QFileInfo::exists(file));

    type("E_ModbusTCPSlave_Port", QStringLiteral("65535"));
    click("Btn_OK");
    EXPECT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    auto elements = elementsOf(saved());
    EXPECT_EQ(elements.size(), 33u);
    EXPECT_EQ(elements["TCP_PORT"], QStringLiteral("65535"));
    EXPECT_EQ(elements["TCP_IP4"], QStringLiteral("77"));
    EXPECT_EQ(elements["MODE"], QStringLiteral("1"));
}

TEST_F(ParGenDialogTest, CancelWithoutChangesClosesWithoutAQuestion) {
    test::writeFile(file, "<General_Parameter><TCP_IP1>10</TCP_IP1></General_Parameter>");
    open();
    click("Btn_Cancel");
    EXPECT_TRUE(world.dialogs.questions.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(saved(), QByteArray("<General_Parameter><TCP_IP1>10</TCP_IP1></General_Parameter>"));
}

TEST_F(ParGenDialogTest, CancelAfterAnEditAsksAndNoKeepsTheEdits) {
    const QByteArray original = "<General_Parameter><TCP_IP1>10</TCP_IP1></General_Parameter>";
    test::writeFile(file, original);
    open();
    type("E_ModbusTCPSlave_IP1", QStringLiteral("11"));
    world.dialogs.answers = {false};
    click("Btn_Cancel");
    EXPECT_EQ(world.dialogs.questions,
              QStringList{QStringLiteral("Do you want to exit without saving changes?")});
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("11"));

    world.dialogs.answers = {true};
    click("Btn_Cancel");
    EXPECT_EQ(world.dialogs.questions.size(), 2);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(saved(), original);

    // The next showing reads the file again.
    open();
    EXPECT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("10"));
    EXPECT_FALSE(dialog->isChanged());
    click("Btn_Cancel");
    EXPECT_EQ(world.dialogs.questions.size(), 2);
}

struct Edit {
    const char* name;
    std::function<void(ParGenDialogTest&)> change;
    std::function<void(ParGenDialogTest&)> changeBack;
    friend void PrintTo(const Edit& v, std::ostream* os) { *os << v.name; }
};

class ParGenEditTest : public ParGenDialogTest, public ::testing::WithParamInterface<Edit> {};

TEST_P(ParGenEditTest, AChangeChangedBackStillAsks) {
    open();
    GetParam().change(*this);
    EXPECT_TRUE(dialog->isChanged());
    GetParam().changeBack(*this);
    EXPECT_TRUE(dialog->isChanged());
    EXPECT_EQ(dialog->currentValues(), GeneralParameters{});
    click("Btn_Cancel");
    EXPECT_EQ(world.dialogs.questions.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ParGenEditTest,
    ::testing::Values(Edit{"Field", [](ParGenDialogTest& t) { t.type("E_Modbus_Master_TimeOut", "5"); },
                           [](ParGenDialogTest& t) {
                               t.type("E_Modbus_Master_TimeOut", "1000");
                           }},
                      Edit{"List", [](ParGenDialogTest& t) { t.select("CB_Modbus_Master_Baudrate", 3); },
                           [](ParGenDialogTest& t) {
                               t.select("CB_Modbus_Master_Baudrate", 7);
                           }},
                      Edit{"CheckBox", [](ParGenDialogTest& t) { t.click("CB_ModbusTCPSlave_FastS"); },
                           [](ParGenDialogTest& t) {
                               t.click("CB_ModbusTCPSlave_FastS");
                           }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParGenDialogTest, TheCloseBoxLeavesWithoutAQuestionAndWritesNothing) {
    open();
    type("E_ModbusTCPSlave_IP1", QStringLiteral("11"));
    dialog->close();
    EXPECT_TRUE(world.dialogs.questions.isEmpty());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(ParGenDialogTest, EscapeAsksLikeCancelAfterAnEdit) {
    open();
    type("E_ModbusTCPSlave_IP1", QStringLiteral("11"));
    QTest::keyClick(control("E_ModbusTCPSlave_Port"), Qt::Key_Escape);
    EXPECT_EQ(world.dialogs.questions.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
}

class DotKeyTest : public ParGenDialogTest {
protected:
    void SetUp() override {
        ParGenDialogTest::SetUp();
        open();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    void typeDotIn(const char* name) {
        control(name)->setFocus();
        ASSERT_TRUE(test::waitUntil([&] { return control(name)->hasFocus(); }));
        QTest::keyClick(control(name), '.');
    }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }
};

struct DotMove {
    const char* from;
    const char* to;
    friend void PrintTo(const DotMove& v, std::ostream* os) { *os << v.from; }
};

class DotChainTest : public DotKeyTest, public ::testing::WithParamInterface<DotMove> {};

TEST_P(DotChainTest, MovesToTheNextByteAndInsertsNothing) {
    const QString before = text(GetParam().from);
    typeDotIn(GetParam().from);
    EXPECT_EQ(focused(), QString::fromLatin1(GetParam().to));
    EXPECT_EQ(text(GetParam().from), before);
}

INSTANTIATE_TEST_SUITE_P(Chain, DotChainTest,
                         ::testing::Values(DotMove{"E_ModbusTCPSlave_IP1", "E_ModbusTCPSlave_IP2"},
                                           DotMove{"E_ModbusTCPSlave_IP4", "E_ModbusTCPSlave_SM1"},
                                           DotMove{"E_ModbusTCPSlave_SM2", "E_ModbusTCPSlave_SM3"},
                                           DotMove{"E_ModbusTCPSlave_SM4", "E_ModbusTCPSlave_GAT1"},
                                           DotMove{"E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4"},
                                           // The chain ends at the last gateway byte.
                                           DotMove{"E_ModbusTCPSlave_GAT4", "E_ModbusTCPSlave_GAT4"}),
                         [](const auto& info) { return std::string(info.param.from).substr(17); });

TEST_F(DotKeyTest, OpensWithTheFocusOnTheOperationMode) {
    EXPECT_EQ(focused(), QStringLiteral("CB_OperationMode_OperationMode"));
}

TEST_F(DotKeyTest, ADottedAddressFillsTheFourBytes) {
    control<QLineEdit>("E_ModbusTCPSlave_IP1")->selectAll();
    control("E_ModbusTCPSlave_IP1")->setFocus();
    ASSERT_TRUE(test::waitUntil([&] { return control("E_ModbusTCPSlave_IP1")->hasFocus(); }));
    for (const QChar c : QStringLiteral("10.1.20.3.255.255.0.0"))
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    EXPECT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("10"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP2"), QStringLiteral("1"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP3"), QStringLiteral("20"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP4"), QStringLiteral("3"));
    EXPECT_EQ(text("E_ModbusTCPSlave_SM3"), QStringLiteral("0"));
    EXPECT_EQ(text("E_ModbusTCPSlave_SM4"), QStringLiteral("0"));
    EXPECT_EQ(focused(), QStringLiteral("E_ModbusTCPSlave_SM4"));
}

TEST_F(DotKeyTest, ADotIsDroppedWhenTheNextByteCannotTakeTheFocus) {
    control("E_ModbusTCPSlave_IP2")->setEnabled(false);
    typeDotIn("E_ModbusTCPSlave_IP1");
    EXPECT_EQ(focused(), QStringLiteral("E_ModbusTCPSlave_IP1"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("192"));
}

TEST_F(DotKeyTest, OtherFieldsTakeTheDotAndByteFieldsTakeAnyOtherCharacter) {
    type("E_ModbusTCPSlave_Port", QStringLiteral("5.5"));
    type("E_Modbus_Master_TimeOut", QStringLiteral("1.5"));
    type("E_ModbusTCPSlave_IP3", QStringLiteral("-a+1234"));
    EXPECT_EQ(text("E_ModbusTCPSlave_Port"), QStringLiteral("5.5"));
    EXPECT_EQ(text("E_Modbus_Master_TimeOut"), QStringLiteral("1.5"));
    EXPECT_EQ(text("E_ModbusTCPSlave_IP3"), QStringLiteral("-a+1234"));
}

TEST_F(ParGenDialogTest, TheWheelScrollsTheSectionsOnlyWithThePointerOverThem) {
    test::WheelLinesGuard guard(3);
    open();
    dialog->resize(dialog->width(), 320);
    QCoreApplication::processEvents();
    auto* group = control<CategoryPanelGroup>("CPG");
    QScrollBar* bar = group->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 3 * bar->singleStep());
    bar->setValue(0);

    test::turnWheelAt(dialog.get(), test::centreIn(dialog.get(), group->viewport()), -120);
    EXPECT_EQ(bar->value(), 3 * bar->singleStep());
    test::turnWheelAt(dialog.get(), test::centreIn(dialog.get(), control("P_Title")), -120);
    test::turnWheelAt(dialog.get(), test::centreIn(dialog.get(), control("P_Button")), -120);
    EXPECT_EQ(bar->value(), 3 * bar->singleStep());

    // The next showing starts at the top, where the focus is.
    click("Btn_Cancel");
    open();
    EXPECT_EQ(bar->value(), 0);
}

struct HiddenValues {
    const char* name;
    QString ssid;
    QString password;
    QString protectionType;
    QString serial;
    friend void PrintTo(const HiddenValues& v, std::ostream* os) { *os << v.name; }
};

class HiddenValuesTest : public ParGenDialogTest, public ::testing::WithParamInterface<HiddenValues> {};

TEST_P(HiddenValuesTest, SurviveAnOpenAndSave) {
    const HiddenValues& v = GetParam();
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("General_Parameter");
    xml::appendTextElement(root, "SSID", v.ssid);
    xml::appendTextElement(root, "Password", v.password);
    xml::appendTextElement(root, "Protection_Type", v.protectionType);
    xml::appendTextElement(root, "SEL_SER", v.serial);
    test::writeFile(file, xml::toBytes(doc));
    open();
    click("Btn_OK");
    ASSERT_TRUE(world.dialogs.errors.isEmpty());
    auto elements = elementsOf(saved());
    EXPECT_EQ(elements["SSID"], v.ssid);
    EXPECT_EQ(elements["Password"], v.password);
    EXPECT_EQ(elements["Protection_Type"], v.protectionType);
    EXPECT_EQ(elements["SEL_SER"], v.serial);
}

INSTANTIATE_TEST_SUITE_P(
    Values, HiddenValuesTest,
    ::testing::Values(HiddenValues{"Plain", "ssid_name", "", "0", "0"},
                      HiddenValues{"Blanks", "Plant net", "  two words  ", "3", "1"},
                      HiddenValues{"MarkupAndAccents", "Caf\u00e9 <5G>", "a&b\"c'd<e>", "1", "0"},
                      HiddenValues{"LineBreakAndTab", "a\nb\tc", "x\ny", "1", "0"},
                      // Longer than the device takes, and longer than any edit's usual limit.
                      HiddenValues{"Long", QString(40, QLatin1Char('s')), QString(40000, QLatin1Char('p')),
                                   "2", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ParGenDialogTest, AFileThatIsNotWellFormedIsReportedShowsDefaultsAndIsKeptOnSave) {
    test::writeFile(file, "<General_Parameter><TCP_IP1>10</TCP_IP1></General_Parameter>");
    open();
    ASSERT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("10"));
    click("Btn_Cancel");

    const QByteArray broken = "<General_Parameter>\n<TCP_IP1>11</TCP_IP1>\n<TCP_IP2>12</TCP_PI2>\n";
    test::writeFile(file, broken);
    open();
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    const QString error = world.dialogs.errors.first();
    EXPECT_TRUE(error.startsWith(world.state.Texts[630])) << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(file))) << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("line 3"))) << error.toStdString();
    // Neither the earlier showing's values nor anything of the broken file.
    EXPECT_EQ(dialog->currentValues(), GeneralParameters{});
    EXPECT_FALSE(dialog->isChanged());

    click("Btn_OK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(test::readFile(file + QStringLiteral(".bad")), broken);
    EXPECT_EQ(saved(), kDefaultFile);

    // A good file is not kept again.
    QFile::remove(file + QStringLiteral(".bad"));
    open();
    click("Btn_OK");
    EXPECT_FALSE(QFileInfo::exists(file + QStringLiteral(".bad")));
    EXPECT_EQ(world.dialogs.errors.size(), 1);
}

TEST_F(ParGenDialogTest, ValuesBehindACommentAreReportedAndKeptOnSave) {
    const QByteArray handEdited =
        "<!-- by hand --><General_Parameter><TCP_PORT>600</TCP_PORT></General_Parameter>";
    test::writeFile(file, handEdited);
    open();
    ASSERT_TRUE(test::waitUntil([this] { return !world.dialogs.errors.isEmpty(); }));
    EXPECT_TRUE(world.dialogs.errors.first().startsWith(world.state.Texts[633]))
        << world.dialogs.errors.first().toStdString();
    EXPECT_EQ(text("E_ModbusTCPSlave_Port"), QStringLiteral("502"));
    click("Btn_OK");
    EXPECT_EQ(test::readFile(file + QStringLiteral(".bad")), handEdited);
    EXPECT_EQ(saved(), kDefaultFile);
}

TEST_F(ParGenDialogTest, ASaveThatFailsIsReportedAndTheDialogStaysOpenWithTheValues) {
    world.state.ParGenFile = world.path(QStringLiteral("PROJECTS/Gone/ParGen.xml"));
    open();
    type("E_ModbusTCPSlave_IP1", QStringLiteral("11"));
    click("Btn_OK");
    ASSERT_EQ(world.dialogs.errors.size(), 1);
    EXPECT_TRUE(world.dialogs.errors.first().startsWith(world.state.Texts[632]));
    EXPECT_TRUE(world.dialogs.errors.first().contains(QStringLiteral("ParGen.xml")));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(text("E_ModbusTCPSlave_IP1"), QStringLiteral("11"));
    EXPECT_TRUE(dialog->isChanged());

    QDir().mkpath(world.path(QStringLiteral("PROJECTS/Gone")));
    click("Btn_OK");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(elementsOf(test::readFile(world.state.ParGenFile))["TCP_IP1"], QStringLiteral("11"));
}

TEST_F(ParGenDialogTest, ALanguageChangeRetextsTheControlsButNotTheHeadings) {
    TextTable& texts = world.state.Texts;
    texts.set(89, QStringLiteral("Imposta Comunicazione"));
    texts.set(91, QStringLiteral("Modo Operativo"));
    texts.set(92, QStringLiteral("Modo Routing"));
    texts.set(93, QStringLiteral("Modo NAT"));
    texts.set(99, QStringLiteral("INDIRIZZO IP"));
    texts.set(105, QStringLiteral("Annulla i primi due byte"));
    texts.set(248, QStringLiteral("Non protetto"));
    texts.set(324, QStringLiteral("Tempo tra i byte (ms)"));
    // Lists away from position 0 first, so that the refill's selection shows.
    select("CB_OperationMode_OperationMode", 1);
    select("CB_ModbusTCPSlave_PWD_Type", 3);
    dialog->Set_Lang();

    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Imposta Comunicazione"));
    EXPECT_EQ(labelText("L_ModbusTCPSlave_IP"), QStringLiteral("INDIRIZZO IP"));
    EXPECT_EQ(control<QCheckBox>("CB_ModbusTCPSlave_CancTwoByte")->text(),
              QStringLiteral("Annulla i primi due byte"));
    EXPECT_EQ(labelText("L_Modbus_Master_Time_Between_Byte"), QStringLiteral("Tempo tra i byte (ms)"));
    EXPECT_EQ(control<QComboBox>("CB_OperationMode_OperationMode")->itemText(1), QStringLiteral("Modo NAT"));
    EXPECT_EQ(control<QComboBox>("CB_OperationMode_OperationMode")->currentIndex(), 0);
    EXPECT_EQ(listText("CB_OperationMode_OperationMode"), QStringLiteral("Modo Routing"));
    EXPECT_EQ(control<QComboBox>("CB_ModbusTCPSlave_PWD_Type")->currentIndex(), 0);
    EXPECT_EQ(listText("CB_ModbusTCPSlave_PWD_Type"), QStringLiteral("Non protetto"));
    EXPECT_EQ(control<QComboBox>("CB_ModbusTCPSlave_PWD_Type")->count(), 4);
    // Fixed texts: the headings of the start-up language and the operation-mode label.
    EXPECT_EQ(heading("CP_Operation_Mode_914"), QStringLiteral("1. Operation Mode"));
    EXPECT_EQ(labelText("L_OperationMode_OperationMode"), QStringLiteral("Operation Mode"));
    EXPECT_EQ(control<QComboBox>("CB_Modbus_Master_Parity")->itemText(0), QStringLiteral("NONE"));
}

TEST_F(ParGenDialogTest, TheSectionsCollapseFromTheirHeadings) {
    open();
    QWidget* slaveHeading = control("CP_Modbus_TCP_Slave_Heading");
    QTest::mouseClick(slaveHeading, Qt::LeftButton);
    EXPECT_FALSE(control("E_ModbusTCPSlave_IP1")->isVisible());
    EXPECT_TRUE(control("CB_Modbus_Master_Baudrate")->isVisible());
    QTest::mouseClick(slaveHeading, Qt::LeftButton);
    EXPECT_TRUE(control("E_ModbusTCPSlave_IP1")->isVisible());
    EXPECT_FALSE(control("E_ModbusTCPSlave_SSID")->isVisible());
}

// Through the real main window: the Translate Table step follows the saved operation mode.
class ParGenFromMainWindowTest : public ::testing::Test {
protected:
    test::GuiWorld world;
    std::unique_ptr<TFZevazerazueFirmWare> window;

    void SetUp() override {
        QDir().mkpath(world.path(QStringLiteral("PROJECTS/Plant/bin")));
        test::writeFile(
            world.path(QStringLiteral("Zevazerazu.xml")),
            "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
        window = std::make_unique<TFZevazerazueFirmWare>(world.context, world.dir.path());
        window->show();
    }
    FlatButton* button(const char* name) const {
        return window->findChild<FlatButton*>(QString::fromLatin1(name));
    }
    // Opens Set Communication, picks the operation mode and leaves with `leaveWith`.
    void setOperationMode(int position, const char* leaveWith) {
        bool acted = false;
        test::whenModalOpens(QStringLiteral("FParGen2"), [&](QWidget* dialog) {
            dialog->findChild<QComboBox*>(QStringLiteral("CB_OperationMode_OperationMode"))
                ->setCurrentIndex(position);
            world.dialogs.answers = {true};
            dialog->findChild<FlatButton*>(QString::fromLatin1(leaveWith))->click();
            acted = true;
        });
        button("Btn_Prm_Gen")->click();
        EXPECT_TRUE(acted);
    }
};

TEST_F(ParGenFromMainWindowTest, NatModeSavedEnablesTheTranslateTableAndRoutingModeDisablesIt) {
    ASSERT_FALSE(button("Btn_TranslateTable")->isEnabled());
    setOperationMode(kNatMode, "Btn_OK");
    EXPECT_TRUE(button("Btn_TranslateTable")->isEnabled());
    EXPECT_TRUE(world.state.TranslateTableEnabled);

    // Choosing without saving changes nothing.
    setOperationMode(kRoutingMode, "Btn_Cancel");
    EXPECT_TRUE(button("Btn_TranslateTable")->isEnabled());

    setOperationMode(kRoutingMode, "Btn_OK");
    EXPECT_FALSE(button("Btn_TranslateTable")->isEnabled());
    EXPECT_TRUE(world.dialogs.errors.isEmpty());
}

} // namespace
} // namespace zz
