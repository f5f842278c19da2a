#include "params/UParGen2.h"

#include "common/Errors.h"
#include "lang/AddedTexts.h"
#include "params/ParGenFile.h"
#include "params/ParameterChecks.h"
#include "widgets/CategoryPanel.h"
#include "widgets/CategoryPanelGroup.h"
#include "widgets/FlatButton.h"
#include "widgets/WindowFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <limits>

namespace zz {

namespace {

constexpr int kByteFieldWidth = 44;
constexpr int kValueFieldWidth = 110;
constexpr int kSubOptionIndent = 20;

// A value read from the file is shown whole, however long it is.
constexpr int kNoLengthLimit = std::numeric_limits<int>::max();

QGridLayout* sectionGrid(QWidget* content) {
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(10, 8, 10, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    return grid;
}

// A list position read from the file is taken as it stands; one outside the list selects
// nothing.
void selectPosition(QComboBox* list, int position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
}

} // namespace

TFParGen2::TFParGen2(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FParGen2"), context.state.SoftwareCode, parent)
    , m_context(context) {
    // The handlers decide whether the dialog closes.
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"), FlatButton::kNoModalResult);
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), FlatButton::kNoModalResult);
    connect(m_Btn_OK, &QPushButton::clicked, this, &TFParGen2::Btn_OKClick);
    // Enter in a field is OK, which checks every value before anything is written.
    m_Btn_OK->setDefault(true);
    connect(m_Btn_Cancel, &QPushButton::clicked, this, &TFParGen2::Btn_CancelClick);
    FormCreate();
}

QLineEdit* TFParGen2::addEdit(QWidget* parent, const char* objectName) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(kNoLengthLimit);
    connect(edit, &QLineEdit::textChanged, this, &TFParGen2::On_Change);
    return edit;
}

QCheckBox* TFParGen2::addCheckBox(QWidget* parent, const char* objectName) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    connect(box, &QCheckBox::toggled, this, &TFParGen2::On_Click);
    return box;
}

QComboBox* TFParGen2::addList(QWidget* parent, const char* objectName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(false);
    list->setMinimumWidth(kValueFieldWidth);
    connect(list, &QComboBox::currentIndexChanged, this, &TFParGen2::On_Change);
    return list;
}

QLabel* TFParGen2::addLabel(QWidget* parent, const char* objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void TFParGen2::FormCreate() {
    m_CPG = new CategoryPanelGroup(QStringLiteral("CPG"), this);
    bodyLayout()->addWidget(scrollingContent(m_CPG, this), 1);
    m_CP_Operation_Mode_914 = m_CPG->addPanel(QStringLiteral("CP_Operation_Mode_914"));
    m_CP_Modbus_TCP_Slave = m_CPG->addPanel(QStringLiteral("CP_Modbus_TCP_Slave"));
    m_CP_Modbus_Master = m_CPG->addPanel(QStringLiteral("CP_Modbus_Master"));
    buildOperationModeSection();
    buildModbusTcpSlaveSection();
    buildModbusMasterSection();

    titleBand()->codeLabel()->setText(m_context.state.SoftwareCode);
    Order_TAB_Panels();
    Move_GroupBoxs();
    Set_Lang();
    resize(480, 600);
}

void TFParGen2::buildOperationModeSection() {
    QWidget* content = m_CP_Operation_Mode_914->content();
    QGridLayout* grid = sectionGrid(content);
    m_L_OperationMode_OperationMode = addLabel(content, "L_OperationMode_OperationMode");
    // This label keeps its wording in every language.
    m_L_OperationMode_OperationMode->setText(QStringLiteral("Operation Mode"));
    m_CB_OperationMode_OperationMode = addList(content, "CB_OperationMode_OperationMode");
    grid->addWidget(m_L_OperationMode_OperationMode, 0, 0);
    grid->addWidget(m_CB_OperationMode_OperationMode, 0, 1);
    grid->setColumnStretch(2, 1);
}

void TFParGen2::buildModbusTcpSlaveSection() {
    QWidget* content = m_CP_Modbus_TCP_Slave->content();
    QGridLayout* grid = sectionGrid(content);
    constexpr int kAllColumns = 6;

    const auto addByteRow = [&](int row, QWidget* caption, std::array<QLineEdit*, 4>& fields,
                                const char* const names[4]) {
        grid->addWidget(caption, row, 0);
        for (int i = 0; i < 4; ++i) {
            fields[i] = addEdit(content, names[i]);
            fields[i]->setFixedWidth(kByteFieldWidth);
            fields[i]->installEventFilter(this);
            grid->addWidget(fields[i], row, 1 + i);
        }
    };
    static const char* const kIpNames[4] = {"E_ModbusTCPSlave_IP1", "E_ModbusTCPSlave_IP2",
                                            "E_ModbusTCPSlave_IP3", "E_ModbusTCPSlave_IP4"};
    static const char* const kSmNames[4] = {"E_ModbusTCPSlave_SM1", "E_ModbusTCPSlave_SM2",
                                            "E_ModbusTCPSlave_SM3", "E_ModbusTCPSlave_SM4"};
    static const char* const kGatNames[4] = {"E_ModbusTCPSlave_GAT1", "E_ModbusTCPSlave_GAT2",
                                             "E_ModbusTCPSlave_GAT3", "E_ModbusTCPSlave_GAT4"};

    m_L_ModbusTCPSlave_IP = addLabel(content, "L_ModbusTCPSlave_IP");
    addByteRow(0, m_L_ModbusTCPSlave_IP, m_E_ModbusTCPSlave_IP, kIpNames);
    m_L_ModbusTCPSlave_SM = addLabel(content, "L_ModbusTCPSlave_SM");
    addByteRow(1, m_L_ModbusTCPSlave_SM, m_E_ModbusTCPSlave_SM, kSmNames);
    m_CB_ModbusTCPSlave_GAT = addCheckBox(content, "CB_ModbusTCPSlave_GAT");
    addByteRow(2, m_CB_ModbusTCPSlave_GAT, m_E_ModbusTCPSlave_GAT, kGatNames);

    m_L_ModbusTCPSlave_Port = addLabel(content, "L_ModbusTCPSlave_Port");
    m_E_ModbusTCPSlave_Port = addEdit(content, "E_ModbusTCPSlave_Port");
    grid->addWidget(m_L_ModbusTCPSlave_Port, 3, 0);
    grid->addWidget(m_E_ModbusTCPSlave_Port, 3, 1, 1, 2);

    m_CB_ModbusTCPSlave_EnUDP = addCheckBox(content, "CB_ModbusTCPSlave_EnUDP");
    m_CB_ModbusTCPSlave_EnSpecialCmd = addCheckBox(content, "CB_ModbusTCPSlave_EnSpecialCmd");
    m_CB_ModbusTCPSlave_CancTwoByte = addCheckBox(content, "CB_ModbusTCPSlave_CancTwoByte");
    m_CB_ModbusTCPSlave_NoTCPFrame = addCheckBox(content, "CB_ModbusTCPSlave_NoTCPFrame");
    m_CB_ModbusTCPSlave_FastS = addCheckBox(content, "CB_ModbusTCPSlave_FastS");
    grid->addWidget(m_CB_ModbusTCPSlave_EnUDP, 4, 0, 1, kAllColumns);
    grid->addWidget(m_CB_ModbusTCPSlave_EnSpecialCmd, 5, 0, 1, kAllColumns);
    // Drawn as a sub-option of the special command, though it does not depend on it.
    auto* indented = new QHBoxLayout;
    indented->setContentsMargins(kSubOptionIndent, 0, 0, 0);
    indented->addWidget(m_CB_ModbusTCPSlave_CancTwoByte);
    grid->addLayout(indented, 6, 0, 1, kAllColumns);
    grid->addWidget(m_CB_ModbusTCPSlave_NoTCPFrame, 7, 0, 1, kAllColumns);
    grid->addWidget(m_CB_ModbusTCPSlave_FastS, 8, 0, 1, kAllColumns);

    // Wireless rows: never shown, but their values go back into the file as they came.
    m_L_ModbusTCPSlave_SSID = addLabel(content, "L_ModbusTCPSlave_SSID");
    m_E_ModbusTCPSlave_SSID = addEdit(content, "E_ModbusTCPSlave_SSID");
    m_L_ModbusTCPSlave_PWD = addLabel(content, "L_ModbusTCPSlave_PWD");
    m_E_ModbusTCPSlave_PWD = addEdit(content, "E_ModbusTCPSlave_PWD");
    m_E_ModbusTCPSlave_PWD->setEchoMode(QLineEdit::Password);
    m_L_ModbusTCPSlave_PWD_Type = addLabel(content, "L_ModbusTCPSlave_PWD_Type");
    m_CB_ModbusTCPSlave_PWD_Type = addList(content, "CB_ModbusTCPSlave_PWD_Type");
    grid->addWidget(m_L_ModbusTCPSlave_SSID, 9, 0);
    grid->addWidget(m_E_ModbusTCPSlave_SSID, 9, 1, 1, 4);
    grid->addWidget(m_L_ModbusTCPSlave_PWD, 10, 0);
    grid->addWidget(m_E_ModbusTCPSlave_PWD, 10, 1, 1, 4);
    grid->addWidget(m_L_ModbusTCPSlave_PWD_Type, 11, 0);
    grid->addWidget(m_CB_ModbusTCPSlave_PWD_Type, 11, 1, 1, 4);

    grid->setColumnStretch(kAllColumns - 1, 1);
}

void TFParGen2::buildModbusMasterSection() {
    QWidget* content = m_CP_Modbus_Master->content();
    QGridLayout* grid = sectionGrid(content);

    m_L_Modbus_Master_Baudrate = addLabel(content, "L_Modbus_Master_Baudrate");
    m_CB_Modbus_Master_Baudrate = addList(content, "CB_Modbus_Master_Baudrate");
    m_CB_Modbus_Master_Baudrate->addItems(kBaudRateItems);
    m_L_Modbus_Master_Parity = addLabel(content, "L_Modbus_Master_Parity");
    m_CB_Modbus_Master_Parity = addList(content, "CB_Modbus_Master_Parity");
    m_CB_Modbus_Master_Parity->addItems(kParityItems);
    m_L_Modbus_Master_RS485StopBits = addLabel(content, "L_Modbus_Master_RS485StopBits");
    m_CB_Modbus_Master_RS485StopBits = addList(content, "CB_Modbus_Master_RS485StopBits");
    m_CB_Modbus_Master_RS485StopBits->addItems(kStopBitItems);
    m_L_Modbus_Master_DataBits = addLabel(content, "L_Modbus_Master_DataBits");
    m_CB_Modbus_Master_DataBits = addList(content, "CB_Modbus_Master_DataBits");
    m_CB_Modbus_Master_DataBits->addItems(kDataBitItems);
    m_L_Modbus_Master_TimeOut = addLabel(content, "L_Modbus_Master_TimeOut");
    m_E_Modbus_Master_TimeOut = addEdit(content, "E_Modbus_Master_TimeOut");
    m_L_Modbus_Master_Communication = addLabel(content, "L_Modbus_Master_Communication");
    m_E_Modbus_Master_Communication = addEdit(content, "E_Modbus_Master_Communication");
    m_L_Modbus_Master_Time_Between_Byte = addLabel(content, "L_Modbus_Master_Time_Between_Byte");
    m_E_Modbus_Master_Time_Between_Byte = addEdit(content, "E_Modbus_Master_Time_Between_Byte");
    m_CB_Modbus_Master_Filter = addCheckBox(content, "CB_Modbus_Master_Filter");
    m_L_Modbus_Master_Serial = addLabel(content, "L_Modbus_Master_Serial");
    m_CB_Modbus_Master_Serial = addList(content, "CB_Modbus_Master_Serial");
    m_CB_Modbus_Master_Serial->addItems(kSerialInterfaceItems);

    for (QLineEdit* edit :
         {m_E_Modbus_Master_TimeOut, m_E_Modbus_Master_Communication, m_E_Modbus_Master_Time_Between_Byte})
        edit->setFixedWidth(kValueFieldWidth);

    // Display order; the serial-interface row stays hidden.
    const std::pair<QWidget*, QWidget*> rows[] = {
        {m_L_Modbus_Master_Baudrate, m_CB_Modbus_Master_Baudrate},
        {m_L_Modbus_Master_Parity, m_CB_Modbus_Master_Parity},
        {m_L_Modbus_Master_RS485StopBits, m_CB_Modbus_Master_RS485StopBits},
        {m_L_Modbus_Master_DataBits, m_CB_Modbus_Master_DataBits},
        {m_L_Modbus_Master_TimeOut, m_E_Modbus_Master_TimeOut},
        {m_L_Modbus_Master_Communication, m_E_Modbus_Master_Communication},
        {m_L_Modbus_Master_Time_Between_Byte, m_E_Modbus_Master_Time_Between_Byte},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    grid->addWidget(m_CB_Modbus_Master_Filter, row++, 0, 1, 3);
    grid->addWidget(m_L_Modbus_Master_Serial, row, 0);
    grid->addWidget(m_CB_Modbus_Master_Serial, row, 1);
    grid->setColumnStretch(2, 1);
}

void TFParGen2::Order_TAB_Panels() {
    // The headings take the texts of the language active at start; a later language change
    // leaves them as they are.
    const TextTable& texts = m_context.state.Texts;
    m_CP_Operation_Mode_914->setCaption(QStringLiteral("1. ") + texts[91]);
    m_CP_Modbus_TCP_Slave->setCaption(QStringLiteral("2. ") + texts[98]);
    m_CP_Modbus_Master->setCaption(QStringLiteral("3. ") + texts[108]);
    for (CategoryPanel* panel : m_CPG->panels())
        panel->show();
    setTabOrders();
}

void TFParGen2::setTabOrders() {
    const QList<QWidget*> order = {
        m_CP_Operation_Mode_914->heading(),
        m_CB_OperationMode_OperationMode,
        m_CP_Modbus_TCP_Slave->heading(),
        m_E_ModbusTCPSlave_IP[0],
        m_E_ModbusTCPSlave_IP[1],
        m_E_ModbusTCPSlave_IP[2],
        m_E_ModbusTCPSlave_IP[3],
        m_E_ModbusTCPSlave_SM[0],
        m_E_ModbusTCPSlave_SM[1],
        m_E_ModbusTCPSlave_SM[2],
        m_E_ModbusTCPSlave_SM[3],
        m_CB_ModbusTCPSlave_GAT,
        m_E_ModbusTCPSlave_GAT[0],
        m_E_ModbusTCPSlave_GAT[1],
        m_E_ModbusTCPSlave_GAT[2],
        m_E_ModbusTCPSlave_GAT[3],
        m_E_ModbusTCPSlave_Port,
        m_CB_ModbusTCPSlave_EnUDP,
        m_CB_ModbusTCPSlave_EnSpecialCmd,
        m_CB_ModbusTCPSlave_CancTwoByte,
        m_CB_ModbusTCPSlave_NoTCPFrame,
        m_CB_ModbusTCPSlave_FastS,
        m_E_ModbusTCPSlave_SSID,
        m_E_ModbusTCPSlave_PWD,
        m_CB_ModbusTCPSlave_PWD_Type,
        m_CP_Modbus_Master->heading(),
        m_CB_Modbus_Master_Baudrate,
        m_CB_Modbus_Master_Parity,
        m_E_Modbus_Master_TimeOut,
        m_CB_Modbus_Master_RS485StopBits,
        m_E_Modbus_Master_Communication,
        m_CB_Modbus_Master_DataBits,
        m_E_Modbus_Master_Time_Between_Byte,
        m_CB_Modbus_Master_Filter,
        m_CB_Modbus_Master_Serial,
        m_Btn_OK,
        m_Btn_Cancel,
    };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFParGen2::Move_GroupBoxs() {
    for (QWidget* option :
         {m_CB_ModbusTCPSlave_EnUDP, m_CB_ModbusTCPSlave_EnSpecialCmd, m_CB_ModbusTCPSlave_CancTwoByte,
          m_CB_ModbusTCPSlave_NoTCPFrame, m_CB_ModbusTCPSlave_FastS})
        option->setVisible(true);
    const QList<QWidget*> hiddenRows = {m_L_ModbusTCPSlave_SSID,     m_E_ModbusTCPSlave_SSID,
                                        m_L_ModbusTCPSlave_PWD,      m_E_ModbusTCPSlave_PWD,
                                        m_L_ModbusTCPSlave_PWD_Type, m_CB_ModbusTCPSlave_PWD_Type,
                                        m_L_Modbus_Master_Serial,    m_CB_Modbus_Master_Serial};
    for (QWidget* hidden : hiddenRows)
        hidden->setVisible(false);
    // The section layouts give every section the height of its visible rows.
}

void TFParGen2::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[89]);
    titleBand()->descriptionLabel()->setText(texts[90]);
    m_Btn_OK->setText(texts[225]);
    m_Btn_Cancel->setText(texts[226]);

    m_L_ModbusTCPSlave_IP->setText(texts[99]);
    m_L_ModbusTCPSlave_SM->setText(texts[100]);
    m_CB_ModbusTCPSlave_GAT->setText(texts[101]);
    m_L_ModbusTCPSlave_Port->setText(texts[102]);
    m_CB_ModbusTCPSlave_EnUDP->setText(texts[103]);
    m_CB_ModbusTCPSlave_EnSpecialCmd->setText(texts[104]);
    m_CB_ModbusTCPSlave_CancTwoByte->setText(texts[105]);
    m_CB_ModbusTCPSlave_NoTCPFrame->setText(texts[106]);
    m_CB_ModbusTCPSlave_FastS->setText(texts[107]);
    m_L_ModbusTCPSlave_SSID->setText(texts[245]);
    m_L_ModbusTCPSlave_PWD->setText(texts[246]);
    m_L_ModbusTCPSlave_PWD_Type->setText(texts[247]);

    m_L_Modbus_Master_Serial->setText(texts[109]);
    m_L_Modbus_Master_Baudrate->setText(texts[110]);
    m_L_Modbus_Master_Parity->setText(texts[111]);
    m_L_Modbus_Master_TimeOut->setText(texts[112]);
    m_L_Modbus_Master_RS485StopBits->setText(texts[113]);
    m_L_Modbus_Master_Communication->setText(texts[114]);
    m_L_Modbus_Master_DataBits->setText(texts[321]);
    m_L_Modbus_Master_Time_Between_Byte->setText(texts[324]);
    m_CB_Modbus_Master_Filter->setText(texts[325]);

    refillTranslatedList(m_CB_OperationMode_OperationMode, kOperationModeTextIndices);
    refillTranslatedList(m_CB_ModbusTCPSlave_PWD_Type, kProtectionTypeTextIndices);
}

void TFParGen2::refillTranslatedList(QComboBox* list, std::span<const int> textIndices) {
    // Refilling is not an edit of the user's.
    const QSignalBlocker blocker(list);
    list->clear();
    for (int index : textIndices)
        list->addItem(m_context.state.Texts[index]);
    list->setCurrentIndex(0);
}

void TFParGen2::showEvent(QShowEvent* event) {
    BandedDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFParGen2::FormShow() {
    const ParGenReading reading = readParGenForDialog(m_context.state.ParGenFile);
    showValues(reading.values);
    m_keepBrokenFile = reading.keepBrokenFile;
    // Filling the fields fires their change handlers.
    Is_Change = false;
    Move_GroupBoxs();
    // Start at the top of the first section, as the tab order does.
    QWidget* first = m_CB_OperationMode_OperationMode->isVisibleTo(this)
                         ? static_cast<QWidget*>(m_CB_OperationMode_OperationMode)
                         : m_CP_Operation_Mode_914->heading();
    first->setFocus(Qt::OtherFocusReason);
    m_CPG->ensureWidgetVisible(first);
    if (!reading.failure.isEmpty()) {
        const QString text = readFailureText(m_context.state.Texts, reading);
        // Told once the dialog is on the screen to own the box.
        QTimer::singleShot(0, this, [this, text] { m_context.dialogs.showError(this, text); });
    }
}

void TFParGen2::showValues(const GeneralParameters& values) {
    selectPosition(m_CB_OperationMode_OperationMode, values.operationMode);
    for (int i = 0; i < 4; ++i) {
        m_E_ModbusTCPSlave_IP[i]->setText(values.ipAddress[i]);
        m_E_ModbusTCPSlave_SM[i]->setText(values.subnetMask[i]);
        m_E_ModbusTCPSlave_GAT[i]->setText(values.gateway[i]);
    }
    m_E_ModbusTCPSlave_Port->setText(values.port);
    m_CB_ModbusTCPSlave_GAT->setChecked(values.gatewayEnabled);
    m_CB_ModbusTCPSlave_EnUDP->setChecked(values.udpPort);
    m_CB_ModbusTCPSlave_EnSpecialCmd->setChecked(values.specialCommand);
    m_CB_ModbusTCPSlave_CancTwoByte->setChecked(values.cancelFirstTwoBytes);
    m_CB_ModbusTCPSlave_NoTCPFrame->setChecked(values.noTcpFrameOnTimeout);
    m_CB_ModbusTCPSlave_FastS->setChecked(values.fastStartUp);
    m_E_ModbusTCPSlave_SSID->setText(values.ssid);
    m_E_ModbusTCPSlave_PWD->setText(values.password);
    selectPosition(m_CB_ModbusTCPSlave_PWD_Type, values.protectionType);
    selectPosition(m_CB_Modbus_Master_Serial, values.serialInterface);
    selectPosition(m_CB_Modbus_Master_Baudrate, values.baudRate);
    selectPosition(m_CB_Modbus_Master_Parity, values.parity);
    selectPosition(m_CB_Modbus_Master_DataBits, values.dataBits);
    m_E_Modbus_Master_TimeOut->setText(values.timeOut);
    selectPosition(m_CB_Modbus_Master_RS485StopBits, values.stopBits);
    m_E_Modbus_Master_Communication->setText(values.idleTime);
    m_E_Modbus_Master_Time_Between_Byte->setText(values.timeBetweenBytes);
    m_CB_Modbus_Master_Filter->setChecked(values.modbusFilter);
}

GeneralParameters TFParGen2::currentValues() const {
    GeneralParameters values;
    values.operationMode = m_CB_OperationMode_OperationMode->currentIndex();
    for (int i = 0; i < 4; ++i) {
        values.ipAddress[i] = m_E_ModbusTCPSlave_IP[i]->text();
        values.subnetMask[i] = m_E_ModbusTCPSlave_SM[i]->text();
        values.gateway[i] = m_E_ModbusTCPSlave_GAT[i]->text();
    }
    values.port = m_E_ModbusTCPSlave_Port->text();
    values.gatewayEnabled = m_CB_ModbusTCPSlave_GAT->isChecked();
    values.udpPort = m_CB_ModbusTCPSlave_EnUDP->isChecked();
    values.specialCommand = m_CB_ModbusTCPSlave_EnSpecialCmd->isChecked();
    values.cancelFirstTwoBytes = m_CB_ModbusTCPSlave_CancTwoByte->isChecked();
    values.noTcpFrameOnTimeout = m_CB_ModbusTCPSlave_NoTCPFrame->isChecked();
    values.fastStartUp = m_CB_ModbusTCPSlave_FastS->isChecked();
    values.ssid = m_E_ModbusTCPSlave_SSID->text();
    values.password = m_E_ModbusTCPSlave_PWD->text();
    values.protectionType = m_CB_ModbusTCPSlave_PWD_Type->currentIndex();
    values.serialInterface = m_CB_Modbus_Master_Serial->currentIndex();
    values.baudRate = m_CB_Modbus_Master_Baudrate->currentIndex();
    values.parity = m_CB_Modbus_Master_Parity->currentIndex();
    values.dataBits = m_CB_Modbus_Master_DataBits->currentIndex();
    values.timeOut = m_E_Modbus_Master_TimeOut->text();
    values.stopBits = m_CB_Modbus_Master_RS485StopBits->currentIndex();
    values.idleTime = m_E_Modbus_Master_Communication->text();
    values.timeBetweenBytes = m_E_Modbus_Master_Time_Between_Byte->text();
    values.modbusFilter = m_CB_Modbus_Master_Filter->isChecked();
    return values;
}

void TFParGen2::On_Change() {
    Is_Change = true;
}

void TFParGen2::On_Click() {
    Is_Change = true;
}

bool TFParGen2::Controllo_Dati() {
    const std::optional<int> failure = zz::Controllo_Dati(currentValues());
    if (!failure)
        return true;
    m_context.dialogs.showError(this, m_context.state.Texts[*failure]);
    return false;
}

void TFParGen2::Btn_OKClick() {
    if (!Controllo_Dati())
        return;
    if (const std::optional<int> caption = fieldTheFileCannotHold(currentValues())) {
        const TextTable& texts = m_context.state.Texts;
        m_context.dialogs.showError(this, texts[added::ParGenFieldCannotBeHeld].arg(texts[*caption]));
        return;
    }
    try {
        writeParGen(currentValues(), m_context.state.ParGenFile, m_keepBrokenFile);
    } catch (const Error& e) {
        // The user's values stay in the dialog for another try.
        m_context.dialogs.showError(this, saveFailureText(m_context.state.Texts, e.message()));
        return;
    }
    m_keepBrokenFile = false;
    accept();
}

void TFParGen2::Btn_CancelClick() {
    if (Is_Change && !m_context.dialogs.askYesNo(this, m_context.state.Texts[316]))
        return;
    reject();
}

void TFParGen2::keyPressEvent(QKeyEvent* event) {
    // Escape is the Cancel button, question included; the close box alone leaves without one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Btn_CancelClick();
        return;
    }
    BandedDialog::keyPressEvent(event);
}

bool TFParGen2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (field && KeyPress(field, static_cast<QKeyEvent*>(event)->text()))
            return true;
    }
    return BandedDialog::eventFilter(watched, event);
}

bool TFParGen2::KeyPress(QLineEdit* field, const QString& typed) {
    if (typed != QStringLiteral("."))
        return false;
    // A dot is never inserted; it moves on to the next byte of the address when it can.
    const QString nextName = nextByteField(field->objectName());
    if (nextName.isEmpty())
        return true;
    auto* next = findChild<QLineEdit*>(nextName);
    if (next && next->isVisible() && next->isEnabled()) {
        m_CPG->ensureWidgetVisible(next);
        // As with Tab, the next byte's text is selected, so typing replaces it.
        next->setFocus(Qt::TabFocusReason);
    }
    return true;
}

} // namespace zz
