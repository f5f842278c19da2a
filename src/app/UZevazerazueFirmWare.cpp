#include "app/UZevazerazueFirmWare.h"

#include "app/ConfigurationReview.h"
#include "app/Configurations.h"
#include "app/SettingsFile.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "common/Errors.h"
#include "image/BankFile.h"
#include "lang/AddedTexts.h"
#include "options/MakerLinks.h"
#include "options/UAbout.h"
#include "options/USoftOptions.h"
#include "options/VersionChecker.h"
#include "params/UParGen2.h"
#include "tables/UEnableFunctions.h"
#include "tables/UTranslateTable_914.h"
#include "update/UBootTCP.h"
#include "widgets/AppIcons.h"
#include "widgets/AppStyle.h"
#include "widgets/ButtonShortcuts.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>
#include <QUrl>
#include <QVBoxLayout>

namespace zz {

namespace {

constexpr int kFirstCheckDelayMs = 60000;
constexpr int kCheckIntervalMs = 7200000;

QLabel* stepLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, style::kStepLabelColor);
    label->setPalette(pal);
    return label;
}

FlatButton* iconButton(const QString& objectName, const QIcon& icon, QWidget* parent) {
    auto* button = new FlatButton(objectName, parent);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    return button;
}

} // namespace

TFZevazerazueFirmWare::TFZevazerazueFirmWare(AppContext& context, const QString& appDir)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_state(context.state) {
    setObjectName(QStringLiteral("FZevazerazueFirmWare"));
    m_timerUpdate.setObjectName(QStringLiteral("Timer_Update"));
    m_timerUpdate.setInterval(kFirstCheckDelayMs);
    connect(&m_timerUpdate, &QTimer::timeout, this, &TFZevazerazueFirmWare::Timer_UpdateTimer);

    buildControls();
    m_startupReport = runWorkspaceStartUp(m_state, appDir);
    applyUpdateTimerRule();
    setWindowTitle(m_state.MainTitle);
    m_titleBand->codeLabel()->setText(m_state.SoftwareCode);
    m_titleBand->descriptionLabel()->setText(m_state.SoftwareDescription);
    Set_Lang();
    Set_Files(m_state);

    m_context.changeLanguage = [this] {
        Change_Language();
    };
    m_context.applyUpdateTimerRule = [this] {
        applyUpdateTimerRule();
    };
    createWindows();
}

TFZevazerazueFirmWare::~TFZevazerazueFirmWare() {
    m_context.changeLanguage = nullptr;
    m_context.applyUpdateTimerRule = nullptr;
}

void TFZevazerazueFirmWare::buildControls() {
    m_titleBand = new TitleBand(m_state.SoftwareCode, this);
    m_LL_Update = new QLabel(this);
    m_LL_Update->setObjectName(QStringLiteral("LL_Update"));
    m_LL_Update->setTextFormat(Qt::RichText);
    m_LL_Update->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_LL_Update->setOpenExternalLinks(false);
    m_LL_Update->setFocusPolicy(Qt::StrongFocus);
    m_LL_Update->hide();
    // The link takes the room the band has left and wraps there; its one-line width would
    // otherwise widen the fixed-size window when it appears.
    m_LL_Update->setWordWrap(true);
    m_LL_Update->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_LL_Update->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(m_LL_Update, &QLabel::linkActivated, this,
            [this](const QString& link) { m_context.urls.open(link); });
    m_Btn_Info = iconButton(QStringLiteral("Btn_Info"), icons::information(), this);
    m_Btn_Opz = iconButton(QStringLiteral("Btn_Opz"), icons::options(), this);
    m_Btn_Close = iconButton(QStringLiteral("Btn_Close"), icons::close(), this);
    m_titleBand->addTrailingWidget(m_LL_Update, 1);
    m_titleBand->addTrailingWidget(m_Btn_Info);
    m_titleBand->addTrailingWidget(m_Btn_Opz);
    m_titleBand->addTrailingWidget(m_Btn_Close);

    m_L_Begin = stepLabel(QStringLiteral("L_Begin"), this);
    m_Shape2 = new QFrame(this);
    m_Shape2->setObjectName(QStringLiteral("Shape2"));
    m_Shape2->setStyleSheet(
        QStringLiteral("QFrame#Shape2 { background: white; border: 1px solid %1; border-radius: 3px; }")
            .arg(style::kFrameColor.name()));
    m_L_Name_Conf = new QLabel(m_Shape2);
    m_L_Name_Conf->setObjectName(QStringLiteral("L_Name_Conf"));
    m_L_Name_Conf_L2 = new QLabel(m_Shape2);
    m_L_Name_Conf_L2->setObjectName(QStringLiteral("L_Name_Conf_L2"));
    // Names and translations are shown as typed, never as markup.
    m_L_Name_Conf->setTextFormat(Qt::PlainText);
    m_L_Name_Conf_L2->setTextFormat(Qt::PlainText);
    QFont nameFont = m_L_Name_Conf_L2->font();
    nameFont.setBold(true);
    m_L_Name_Conf_L2->setFont(nameFont);
    auto* boxLayout = new QVBoxLayout(m_Shape2);
    boxLayout->setContentsMargins(10, 6, 10, 6);
    boxLayout->addWidget(m_L_Name_Conf);
    boxLayout->addWidget(m_L_Name_Conf_L2);

    for (int i = 0; i < 5; ++i)
        m_L_Step[i] = stepLabel(QStringLiteral("L_Step_%1").arg(i + 1), this);
    m_Btn_New = new FlatButton(QStringLiteral("Btn_New"), this);
    m_Btn_Open = new FlatButton(QStringLiteral("Btn_Open"), this);
    m_Btn_Prm_Gen = new FlatButton(QStringLiteral("Btn_Prm_Gen"), this);
    m_Btn_TranslateTable = new FlatButton(QStringLiteral("Btn_TranslateTable"), this);
    m_Btn_Enable_Functions = new FlatButton(QStringLiteral("Btn_Enable_Functions"), this);
    m_Btn_CreateBin_UDP = new FlatButton(QStringLiteral("Btn_CreateBin_UDP"), this);
    m_Btn_TranslateTable->setEnabled(false);
    m_L_Ostrel = new ClickableLabel(QStringLiteral("L_Ostrel"), this);
    m_L_Ostrel->showAsLink();
    m_L_Ostrel->setFocusPolicy(Qt::NoFocus);
    m_L_Ostrel->setText(makerWebAddress(m_context.server));
    connect(m_L_Ostrel, &ClickableLabel::clicked, this,
            [this] { m_context.urls.open(homePageUrl(m_context.server)); });

    auto* shape1 = new QFrame(this);
    shape1->setObjectName(QStringLiteral("Shape1"));
    shape1->setFrameShape(QFrame::HLine);
    shape1->setFrameShadow(QFrame::Sunken);

    const QList<FlatButton*> stepButtons = {
        m_Btn_New,          m_Btn_Open, m_Btn_Prm_Gen, m_Btn_TranslateTable, m_Btn_Enable_Functions,
        m_Btn_CreateBin_UDP};
    for (FlatButton* button : stepButtons)
        button->setMinimumWidth(190);
    for (FlatButton* button : stepButtons + QList<FlatButton*>{m_Btn_Info, m_Btn_Opz, m_Btn_Close})
        connect(button, &QPushButton::clicked, this, [this, button] { Btn_Click(button); });

    auto* steps = new QGridLayout;
    steps->setHorizontalSpacing(14);
    steps->setVerticalSpacing(10);
    steps->setColumnMinimumWidth(0, 70);
    steps->addWidget(m_L_Begin, 0, 0);
    steps->addWidget(m_Shape2, 0, 1, 1, 3);
    steps->addWidget(m_L_Step[0], 1, 0);
    steps->addWidget(m_Btn_New, 1, 1);
    steps->addWidget(m_Btn_Open, 1, 2);
    steps->addWidget(m_L_Step[1], 2, 0);
    steps->addWidget(m_Btn_Prm_Gen, 2, 1);
    steps->addWidget(m_L_Step[2], 3, 0);
    steps->addWidget(m_Btn_TranslateTable, 3, 1);
    steps->addWidget(m_L_Step[3], 4, 0);
    steps->addWidget(m_Btn_Enable_Functions, 4, 1);
    steps->addWidget(m_L_Step[4], 5, 0);
    steps->addWidget(m_Btn_CreateBin_UDP, 5, 1);
    steps->addWidget(m_L_Ostrel, 5, 3, Qt::AlignRight | Qt::AlignVCenter);
    steps->setColumnStretch(3, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(16, 14, 16, 14);
    body->addLayout(steps);
    body->addSpacing(10);
    body->addWidget(shape1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleBand);
    layout->addLayout(body);
    // The window follows its content and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_LL_Update, m_Btn_Info);
    setTabOrder(m_Btn_Info, m_Btn_Opz);
    setTabOrder(m_Btn_Opz, m_Btn_Close);
    setTabOrder(m_Btn_Close, m_Btn_New);
    setTabOrder(m_Btn_New, m_Btn_Open);
    setTabOrder(m_Btn_Open, m_Btn_Prm_Gen);
    setTabOrder(m_Btn_Prm_Gen, m_Btn_CreateBin_UDP);
    setTabOrder(m_Btn_CreateBin_UDP, m_Btn_TranslateTable);
    setTabOrder(m_Btn_TranslateTable, m_Btn_Enable_Functions);
}

void TFZevazerazueFirmWare::createWindows() {
    m_newProject = new TFNew_Project(m_context, this);
    m_openConf = new TFOpenConf(m_context, this);
    m_softOptions = new TFSoftOptions(m_context, this);
    m_about = new TFAbout(m_context, this);
    m_translateTable = new TFTranslateTable_914(m_context, this);
    m_bootTcp = new TFBootTCP(m_context, this);
    m_parGen = new TFParGen2(m_context, this);
    m_enableFunctions = new TFEnableFunctions(m_context, this);
}

QList<QWidget*> TFZevazerazueFirmWare::programWindows() const {
    return {const_cast<TFZevazerazueFirmWare*>(this),
            m_newProject,
            m_openConf,
            m_softOptions,
            m_about,
            m_translateTable,
            m_bootTcp,
            m_parGen,
            m_enableFunctions};
}

void TFZevazerazueFirmWare::Set_Lang() {
    const TextTable& texts = m_state.Texts;
    m_L_Begin->setText(texts[0]);
    for (int i = 0; i < 5; ++i)
        m_L_Step[i]->setText(texts[1 + i]);
    m_Btn_Info->setHint(texts[12]);
    m_Btn_Opz->setHint(texts[13]);
    m_Btn_Close->setHint(texts[14]);
    m_Btn_New->setText(texts[15]);
    m_Btn_Open->setText(texts[16]);
    m_Btn_CreateBin_UDP->setText(texts[17]);
    m_Btn_Prm_Gen->setText(texts[20]);
    m_Btn_TranslateTable->setText(texts[22]);
    m_Btn_Enable_Functions->setText(texts[24]);
    applyUpdateLinkText();
    applyConfigurationLabels();
    assignAltShortcuts(this);
}

void TFZevazerazueFirmWare::applyUpdateLinkText() {
    m_LL_Update->setText(anchorMarkup(downloadPageUrl(m_context.server), m_state.Texts[19]));
}

void TFZevazerazueFirmWare::applyConfigurationLabels() {
    const TextTable& texts = m_state.Texts;
    if (!m_state.ProjectDir.isEmpty()) {
        m_L_Name_Conf->setText(texts[11]);
        m_L_Name_Conf_L2->setText(m_state.LastProjectName);
    } else {
        m_L_Name_Conf->setText(texts[9]);
        m_L_Name_Conf_L2->setText(texts[10]);
    }
}

void TFZevazerazueFirmWare::Change_Language() {
    Set_Lang();
    for (LanguageAware* window :
         std::initializer_list<LanguageAware*>{m_newProject, m_openConf, m_parGen, m_softOptions, m_bootTcp,
                                               m_translateTable, m_enableFunctions}) {
        window->Set_Lang();
        // A dialog open while the language changes gets the new captions' letters at once.
        if (auto* widget = dynamic_cast<QWidget*>(window))
            assignAltShortcuts(widget);
    }
}

void TFZevazerazueFirmWare::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    style::centerOnScreen(this);
    Check_Conf_En_Translate_Table();
    refreshTranslateTableButton();
    // Problems of the start-up are told once the window is there to own the boxes.
    if (!m_startupReport.problems.isEmpty()) {
        QTimer::singleShot(0, this, [this] {
            for (const QString& problem : m_startupReport.problems)
                m_context.dialogs.showWarning(this, problem);
        });
    }
}

void TFZevazerazueFirmWare::closeEvent(QCloseEvent* event) {
    saveSettingsShowingErrors();
    event->accept();
}

void TFZevazerazueFirmWare::saveSettingsShowingErrors() {
    try {
        Save_Setting(m_state);
    } catch (const Error& e) {
        m_context.dialogs.showError(this, m_state.Texts[added::SettingsNotSaved] + e.message());
    }
}

void TFZevazerazueFirmWare::Btn_Click(QObject* button) {
    if (button == m_Btn_New) {
        Create_New_Project();
    } else if (button == m_Btn_Open) {
        Open_Project();
    } else if (button == m_Btn_Close) {
        close();
    } else if (button == m_Btn_Info) {
        m_about->exec();
    } else if (button == m_Btn_Opz) {
        if (m_softOptions->exec() == QDialog::Accepted) {
            saveSettingsShowingErrors();
            applyUpdateTimerRule();
        }
    } else if (m_state.ProjectDir.isEmpty()) {
        m_context.dialogs.showError(this, m_state.Texts[18]);
    } else if (button == m_Btn_Prm_Gen) {
        m_parGen->exec();
        Check_Conf_En_Translate_Table();
        refreshTranslateTableButton();
    } else if (button == m_Btn_TranslateTable) {
        m_translateTable->exec();
    } else if (button == m_Btn_Enable_Functions) {
        m_enableFunctions->exec();
    } else if (button == m_Btn_CreateBin_UDP) {
        Update_Device(1);
    }
}

void TFZevazerazueFirmWare::Create_New_Project() {
    if (m_newProject->exec() != QDialog::Accepted)
        return;
    applyConfigurationLabels();
    Check_Conf_En_Translate_Table();
    refreshTranslateTableButton();
}

void TFZevazerazueFirmWare::Open_Project() {
    if (m_openConf->exec() != QDialog::Accepted)
        return;
    activateConfiguration(m_state, m_openConf->Name_Conf);
    applyConfigurationLabels();
    Check_Conf_En_Translate_Table();
    refreshTranslateTableButton();
}

void TFZevazerazueFirmWare::Check_Conf_En_Translate_Table() {
    // Without a configuration the path is a bare file name that must not be looked up.
    if (m_state.ProjectDir.isEmpty()) {
        m_state.TranslateTableEnabled = false;
        return;
    }
    try {
        m_state.TranslateTableEnabled = readTranslateTableFlag(m_state.ParGenFile);
    } catch (const Error& e) {
        m_state.TranslateTableEnabled = false;
        m_context.dialogs.showError(this, m_state.Texts[added::TranslateTableFlagUnreadable] + e.message());
    }
}

void TFZevazerazueFirmWare::refreshTranslateTableButton() {
    m_Btn_TranslateTable->setEnabled(m_state.TranslateTableEnabled);
}

void TFZevazerazueFirmWare::Update_Device(int TypeUpdate) {
    // Values a dialog would refuse, or rows that break the routing, are named before anything
    // is written; the engineer decides.
    if (!m_state.ProjectDir.isEmpty()) {
        const QStringList problems =
            updateProblemLines(reviewConfiguration(m_state.ProjectDir, m_state.Texts));
        if (!problems.isEmpty() &&
            !m_context.dialogs.askYesNo(this, updateQuestionText(problems, m_state.Texts)))
            return;
    }
    // The device must never be sent a stale image: when the bank file cannot be composed or
    // written, the update stops here.
    try {
        composeAndWriteBankFile(m_state);
    } catch (const Error& e) {
        m_context.dialogs.showError(this, m_state.Texts[added::DeviceNotUpdated] + e.message());
        return;
    }
    if (TypeUpdate == 1)
        m_bootTcp->exec();
}

void TFZevazerazueFirmWare::applyUpdateTimerRule() {
    if (!versionTimerWanted(m_state))
        m_timerUpdate.stop();
    else if (!m_timerUpdate.isActive())
        m_timerUpdate.start();
}

void TFZevazerazueFirmWare::Timer_UpdateTimer() {
    m_timerUpdate.stop();
    m_context.versionChecker.checkForNewerVersion([this, alive = QPointer<QWidget>(this)](bool newer) {
        if (!alive)
            return;
        m_LL_Update->setVisible(newer);
        applyUpdateLinkText();
        m_timerUpdate.setInterval(kCheckIntervalMs);
        // The user may have switched the check off while it ran.
        applyUpdateTimerRule();
    });
}

} // namespace zz
