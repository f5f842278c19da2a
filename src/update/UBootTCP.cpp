#include "update/UBootTCP.h"

#include "common/Errors.h"
#include "lang/AddedTexts.h"
#include "update/IcmpEcho.h"
#include "update/PingCheck.h"
#include "update/UpdateProgressWindow.h"
#include "update/UpdaterRunner.h"
#include "update/ValidIp.h"
#include "widgets/FlatButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace zz {

namespace {

const QString kDeviceName = QStringLiteral("KH883");
const QColor kFoundColor{0, 128, 0};
const QColor kNotFoundColor{255, 0, 0};

QLabel* namedLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QCheckBox* namedCheckBox(const QString& objectName, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(objectName);
    box->setChecked(true); // ticked once at creation; later openings keep the user's choice
    return box;
}

bool canTakeFocus(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

} // namespace

TFBootTCP::TFBootTCP(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FBootTCP"), context.state.SoftwareCode, parent)
    , m_context(context)
    , m_ping(nullptr)
    , m_pages(new QStackedWidget(this)) {
    buildAddressPage();
    buildOptionsPage();
    m_pages->setObjectName(QStringLiteral("P_Pages"));
    m_pages->addWidget(m_addressPage);
    m_pages->addWidget(m_optionsPage);
    bodyLayout()->addWidget(m_pages);

    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    m_Btn_Update = addBandButton(QStringLiteral("Btn_Update"));
    m_Btn_Next = addBandButton(QStringLiteral("Btn_Next"));
    connect(m_Btn_Ping, &QPushButton::clicked, this, &TFBootTCP::LbButton1Click);
    connect(m_Btn_Next, &QPushButton::clicked, this, &TFBootTCP::LbButton2Click);
    connect(m_Btn_Update, &QPushButton::clicked, this, &TFBootTCP::LbButton4Click);
    m_ping = makePingCheck();
    connect(m_CB_Firmware, &QCheckBox::toggled, this, &TFBootTCP::updateButtonFollowsOperations);
    connect(m_CB_Conf, &QCheckBox::toggled, this, &TFBootTCP::updateButtonFollowsOperations);
    connect(&m_context.updater, &UpdaterRunner::updaterEnded, this, &TFBootTCP::showUpdaterEnded);

    setKeyboardOrder();
    showAddressPage();
    // Fixed border: the window keeps the size of its larger page.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Set_Lang();
}

// The check under way, if any, is waited for (at most one echo time-out) and not reported.
TFBootTCP::~TFBootTCP() = default;

void TFBootTCP::buildAddressPage() {
    m_addressPage = new QWidget(this);
    m_addressPage->setObjectName(QStringLiteral("P_Address"));
    m_L_IP_Address = namedLabel(QStringLiteral("L_IP_Address"), m_addressPage);

    auto* address = new QHBoxLayout;
    address->setSpacing(4);
    for (std::size_t i = 0; i < m_E_IP.size(); ++i) {
        auto* edit = new QLineEdit(QStringLiteral("0"), m_addressPage);
        edit->setObjectName(QStringLiteral("E_IP%1").arg(i + 1));
        edit->setFixedWidth(44);
        edit->setAlignment(Qt::AlignCenter);
        connect(edit, &QLineEdit::textEdited, this, &TFBootTCP::addressEdited);
        m_E_IP[i] = edit;
        address->addWidget(edit);
        edit->installEventFilter(this); // Enter checks the address
        if (i < m_dots.size()) {
            // The dot moves on to the next part; the last part takes it as typed.
            m_dots[i] = namedLabel(QStringLiteral("Label%1").arg(i + 2), m_addressPage);
            m_dots[i]->setText(QStringLiteral("."));
            address->addWidget(m_dots[i]);
        }
    }
    address->addStretch(1);

    m_L_Ping = namedLabel(QStringLiteral("L_Ping"), m_addressPage);
    m_Btn_Ping = new FlatButton(QStringLiteral("Btn_Ping"), m_addressPage);
    m_Btn_Ping->setMinimumWidth(90);
    m_LPing = namedLabel(QStringLiteral("LPing"), m_addressPage);
    QFont resultFont = m_LPing->font();
    resultFont.setBold(true);
    m_LPing->setFont(resultFont);
    m_LPing->setMinimumWidth(260);

    auto* ping = new QHBoxLayout;
    ping->setSpacing(12);
    ping->addWidget(m_Btn_Ping);
    ping->addWidget(m_LPing, 1);

    auto* layout = new QVBoxLayout(m_addressPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_L_IP_Address);
    layout->addLayout(address);
    layout->addSpacing(8);
    layout->addWidget(m_L_Ping);
    layout->addLayout(ping);
    layout->addStretch(1);
}

void TFBootTCP::buildOptionsPage() {
    m_optionsPage = new QWidget(this);
    m_optionsPage->setObjectName(QStringLiteral("P_Options"));
    m_L_Options = namedLabel(QStringLiteral("L_Options"), m_optionsPage);
    m_CB_Firmware = namedCheckBox(QStringLiteral("CB_Firmware"), m_optionsPage);
    m_CB_Read_Firm = namedCheckBox(QStringLiteral("CB_Read_Firm"), m_optionsPage);
    m_CB_Conf = namedCheckBox(QStringLiteral("CB_Conf"), m_optionsPage);
    m_CB_Read_Conf = namedCheckBox(QStringLiteral("CB_Read_Conf"), m_optionsPage);
    m_L_UpdaterEnded = namedLabel(QStringLiteral("L_UpdaterEnded"), m_optionsPage);

    const auto indented = [](QWidget* widget) {
        auto* row = new QHBoxLayout;
        row->addSpacing(22);
        row->addWidget(widget);
        return row;
    };
    auto* layout = new QVBoxLayout(m_optionsPage);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(m_L_Options);
    layout->addWidget(m_CB_Firmware);
    layout->addLayout(indented(m_CB_Read_Firm));
    layout->addWidget(m_CB_Conf);
    layout->addLayout(indented(m_CB_Read_Conf));
    layout->addWidget(m_L_UpdaterEnded);
    layout->addStretch(1);
}

void TFBootTCP::setKeyboardOrder() {
    const QList<QWidget*> order = {m_E_IP[0],      m_E_IP[1],    m_E_IP[2],      m_E_IP[3],
                                   m_Btn_Cancel,   m_Btn_Update, m_Btn_Next,     m_CB_Firmware,
                                   m_CB_Read_Firm, m_CB_Conf,    m_CB_Read_Conf, m_Btn_Ping};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TFBootTCP::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[57]);
    titleBand()->descriptionLabel()->setText(texts[57]);
    m_L_Ping->setText(texts[59]);
    m_Btn_Ping->setText(texts[60]);
    m_Btn_Cancel->setText(texts[61]);
    m_Btn_Next->setText(texts[62]);
    m_L_Options->setText(texts[63]);
    m_CB_Firmware->setText(texts[64]);
    m_CB_Read_Firm->setText(texts[65]);
    m_CB_Conf->setText(texts[66]);
    m_CB_Read_Conf->setText(texts[67]);
    m_Btn_Update->setText(texts[68]);
}

void TFBootTCP::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    BandedDialog::showEvent(event);
}

PingCheck* TFBootTCP::makePingCheck() {
    auto* check = new PingCheck(m_context.icmpEcho ? m_context.icmpEcho : makeSystemIcmpEcho(),
                                m_context.pingLimits, {}, this);
    connect(check, &PingCheck::finished, this, &TFBootTCP::pingFinished);
    return check;
}

void TFBootTCP::FormShow() {
    // A check of an earlier opening may still run: its answer belongs to that opening, and a
    // new check must be possible at once.
    if (m_ping->isRunning()) {
        disconnect(m_ping, &PingCheck::finished, this, &TFBootTCP::pingFinished);
        connect(m_ping, &PingCheck::finished, m_ping, &QObject::deleteLater);
        m_ping = makePingCheck();
    }
    m_Btn_Ping->setEnabled(true);
    m_L_UpdaterEnded->clear();
    m_checkedAddress.clear();
    showAddressPage();
    m_LPing->clear();
    const QString& remembered = m_context.state.LastIpAddress;
    if (!remembered.isEmpty()) {
        std::array<QString, 4> parts;
        if (Valid_IP(remembered, parts[0], parts[1], parts[2], parts[3])) {
            for (std::size_t i = 0; i < parts.size(); ++i)
                m_E_IP[i]->setText(parts[i]);
        }
    }
    m_L_IP_Address->setText(m_context.state.Texts[58] + kDeviceName);
    Esegui_Ping = false;
    m_E_IP[0]->setFocus();
}

bool TFBootTCP::onOptionsPage() const {
    return m_pages->currentWidget() == m_optionsPage;
}

bool TFBootTCP::isChecking() const {
    return m_ping->isRunning();
}

void TFBootTCP::showAddressPage() {
    m_pages->setCurrentWidget(m_addressPage);
    m_Btn_Cancel->show();
    m_Btn_Next->show();
    m_Btn_Update->hide();
}

void TFBootTCP::showOptionsPage() {
    m_pages->setCurrentWidget(m_optionsPage);
    m_Btn_Cancel->hide();
    m_Btn_Next->hide();
    m_Btn_Update->show();
    m_Btn_Update->setFocus();
}

bool TFBootTCP::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool isAddressEdit = std::find(m_E_IP.begin(), m_E_IP.end(), watched) != m_E_IP.end();
        if (isAddressEdit && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (m_Btn_Ping->isEnabled())
                m_Btn_Ping->click();
            return true; // never the dialog's default button: Next needs a check first
        }
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->text() == QStringLiteral(".")) {
        for (std::size_t i = 0; i < m_dots.size(); ++i) {
            if (watched != m_E_IP[i])
                continue;
            if (canTakeFocus(m_E_IP[i + 1])) {
                // As with Tab: the next part is selected, so typing replaces it.
                m_E_IP[i + 1]->setFocus(Qt::TabFocusReason);
                m_E_IP[i + 1]->selectAll();
            }
            return true; // the dot itself is never inserted here
        }
    }
    return BandedDialog::eventFilter(watched, event);
}

QString TFBootTCP::typedAddress() const {
    return m_E_IP[0]->text() + u'.' + m_E_IP[1]->text() + u'.' + m_E_IP[2]->text() + u'.' + m_E_IP[3]->text();
}

void TFBootTCP::LbButton1Click() {
    const QString address = typedAddress();
    if (!m_ping->start(address))
        return; // a check is already under way
    Esegui_Ping = false;
    m_checkedAddress = address;
    m_Btn_Ping->setEnabled(false);
    showPingResult(m_context.state.Texts[added::PingChecking], palette().color(QPalette::WindowText));
}

void TFBootTCP::pingFinished(PingOutcome outcome) {
    // The edits were changed while the check ran: the answer is about an address that is no
    // longer the one shown.
    const bool stillShown = m_checkedAddress == typedAddress();
    m_checkedAddress.clear();
    m_Btn_Ping->setEnabled(true);
    if (!stillShown) {
        m_LPing->clear();
        return;
    }
    Esegui_Ping = outcome == PingOutcome::Found;
    showPingResult(m_context.state.Texts[pingOutcomeText(outcome)],
                   Esegui_Ping ? kFoundColor : kNotFoundColor);
}

// The device was checked at the address as it was; any change needs a new check.
void TFBootTCP::addressEdited() {
    Esegui_Ping = false;
    if (!isChecking())
        m_LPing->clear();
}

void TFBootTCP::showPingResult(const QString& text, const QColor& color) {
    QPalette palette = m_LPing->palette();
    palette.setColor(QPalette::WindowText, color);
    m_LPing->setPalette(palette);
    m_LPing->setText(text);
}

void TFBootTCP::LbButton2Click() {
    if (!Esegui_Ping) {
        m_context.dialogs.showError(this, m_context.state.Texts[72]);
        return;
    }
    m_context.state.LastIpAddress = typedAddress();
    showOptionsPage();
}

JobRequest TFBootTCP::jobRequest() const {
    JobRequest request;
    for (std::size_t i = 0; i < m_E_IP.size(); ++i)
        request.ipParts[i] = m_E_IP[i]->text();
    request.options.CB_Firmware = m_CB_Firmware->isChecked();
    request.options.CB_Read_Firm = m_CB_Read_Firm->isChecked();
    request.options.CB_Conf = m_CB_Conf->isChecked();
    request.options.CB_Read_Conf = m_CB_Read_Conf->isChecked();
    request.MasterDir = m_context.state.MasterDir;
    request.ProjectDir = m_context.state.ProjectDir;
    return request;
}

void TFBootTCP::LbButton4Click() {
    const UComon& state = m_context.state;
    if (m_context.updater.isUpdaterAlive()) {
        // Two updaters talking to one boot loader put the device at risk; the job file stays as
        // the running one read it.
        m_context.dialogs.showWarning(this, state.Texts[added::UpdaterStillRunning]);
        return;
    }
    const JobRequest request = jobRequest();
    if (const QString missing = missingFirmwareFile(request); !missing.isEmpty()) {
        m_context.dialogs.showError(this, state.Texts[added::FirmwareFileMissing] + missing);
        return;
    }
    try {
        writeJobFile(state.AppDir, request);
    } catch (const Error& e) {
        // The updater must not work from an older job file.
        m_context.dialogs.showError(this, state.Texts[added::JobFileNotSaved] + e.message());
        return;
    }
    runUpdaterShowingProgress();
}

void TFBootTCP::updateButtonFollowsOperations() {
    m_Btn_Update->setEnabled(m_CB_Firmware->isChecked() || m_CB_Conf->isChecked());
}

void TFBootTCP::showUpdaterEnded(std::chrono::milliseconds after) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(after).count();
    m_L_UpdaterEnded->setText(m_context.state.Texts[added::UpdaterEndedAfter].arg(seconds));
}

void TFBootTCP::runUpdaterShowingProgress() {
    UpdaterRunner& updater = m_context.updater;
    m_L_UpdaterEnded->clear();
    UpdateProgressWindow progress(m_context.state.Texts, updater, this);
    try {
        if (!updater.Start_Program(updaterProgramPath(m_context.state.AppDir), QString(), false))
            return; // an earlier updater is still being waited for
    } catch (const Error& e) {
        m_context.dialogs.showError(this, e.message());
        return;
    }
    progress.waitForUpdater();
}

} // namespace zz
