#include "options/USoftOptions.h"

#include "lang/AddedTexts.h"
#include "options/ConnectionOptions.h"
#include "options/LanguageList.h"
#include "options/MakerLinks.h"
#include "options/VersionChecker.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zz {

namespace {

// Flags larger than this are scaled down; smaller ones are shown as they are.
constexpr QSize kFlagBox{48, 32};
constexpr int kNameWidth = 120;

// The slots keep their place when hidden, so the page does not jump between pages.
void keepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// Labels that react to the keyboard show where the focus is.
const QString kFocusFrame = QStringLiteral("QLabel { border: 1px solid transparent; }"
                                           "QLabel:focus { border: 1px dotted rgb(90, 90, 90); }");

ClickableLabel* slotControl(const QString& objectName, QWidget* parent) {
    auto* label = new ClickableLabel(objectName, parent);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(kFocusFrame);
    // Language names come from file names: shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    keepPlaceWhenHidden(label);
    return label;
}

} // namespace

TFSoftOptions::TFSoftOptions(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FSoftOptions"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_PC_Options = new QTabWidget(this);
    m_PC_Options->setObjectName(QStringLiteral("PC_Options"));
    m_TS_Language = new QWidget;
    m_TS_Language->setObjectName(QStringLiteral("TS_Language"));
    m_TS_Con_Options = new QWidget;
    m_TS_Con_Options->setObjectName(QStringLiteral("TS_Con_Options"));
    buildLanguageSheet(m_TS_Language);
    buildConnectionSheet(m_TS_Con_Options);
    m_PC_Options->addTab(m_TS_Language, QString());
    m_PC_Options->addTab(m_TS_Con_Options, QString());
    bodyLayout()->addWidget(m_PC_Options);

    // OK stores the settings before it closes, so it carries no modal result of its own.
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"));
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    connect(m_Btn_OK, &QPushButton::clicked, this, &TFSoftOptions::Btn_OKClick);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Set_Lang();
}

void TFSoftOptions::buildLanguageSheet(QWidget* sheet) {
    m_L_Sel_Lang = new QLabel(sheet);
    m_L_Sel_Lang->setObjectName(QStringLiteral("L_Sel_Lang"));
    m_L_Sel_Lang->setTextFormat(Qt::PlainText);
    QFont bold = m_L_Sel_Lang->font();
    bold.setBold(true);
    m_L_Sel_Lang->setFont(bold);

    auto* slotsGrid = new QGridLayout;
    slotsGrid->setHorizontalSpacing(12);
    slotsGrid->setVerticalSpacing(8);
    for (int k = 0; k < kSlots; ++k) {
        ClickableLabel* flag = slotControl(QStringLiteral("I_L%1").arg(k + 1), sheet);
        flag->setAlignment(Qt::AlignCenter);
        flag->setFixedSize(kFlagBox + QSize(4, 4));
        ClickableLabel* name = slotControl(QStringLiteral("L_L%1").arg(k + 1), sheet);
        name->setWordWrap(true);
        name->setFixedSize(kNameWidth, 2 * name->fontMetrics().height() + 4);
        m_I_L[k] = flag;
        m_L_L[k] = name;
        connect(flag, &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });
        connect(name, &ClickableLabel::clicked, this, [this, k] { LangClick(k + 1); });

        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        cell->addWidget(flag, 0, Qt::AlignHCenter);
        cell->addWidget(name, 0, Qt::AlignHCenter);
        slotsGrid->addLayout(cell, k / 3, k % 3);
    }

    m_Btn_Prev = new FlatButton(QStringLiteral("Btn_Prev"), sheet);
    m_Btn_Next = new FlatButton(QStringLiteral("Btn_Next"), sheet);
    keepPlaceWhenHidden(m_Btn_Prev);
    keepPlaceWhenHidden(m_Btn_Next);
    connect(m_Btn_Prev, &QPushButton::clicked, this, [this] { Btn_NextClick(false); });
    connect(m_Btn_Next, &QPushButton::clicked, this, [this] { Btn_NextClick(true); });
    m_L_Page_Lang = new QLabel(sheet);
    m_L_Page_Lang->setObjectName(QStringLiteral("L_Page_Lang"));
    m_L_Page_Lang->setTextFormat(Qt::PlainText);
    m_L_Page_Lang->setAlignment(Qt::AlignCenter);

    auto* paging = new QHBoxLayout;
    paging->addWidget(m_Btn_Prev);
    paging->addWidget(m_L_Page_Lang, 1);
    paging->addWidget(m_Btn_Next);

    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(m_L_Sel_Lang);
    layout->addLayout(slotsGrid);
    layout->addStretch(1);
    layout->addLayout(paging);
}

void TFSoftOptions::buildConnectionSheet(QWidget* sheet) {
    m_CB_En_Con = new QCheckBox(sheet);
    m_CB_En_Con->setObjectName(QStringLiteral("CB_En_Con"));
    m_CB_Update = new QCheckBox(sheet);
    m_CB_Update->setObjectName(QStringLiteral("CB_Update"));
    connect(m_CB_En_Con, &QCheckBox::clicked, this, &TFSoftOptions::Update_CheckBox);
    connect(m_CB_Update, &QCheckBox::clicked, this, &TFSoftOptions::Update_CheckBox);

    m_Btn_Check_Update = new FlatButton(QStringLiteral("Btn_Check_Update"), sheet);
    connect(m_Btn_Check_Update, &QPushButton::clicked, this, &TFSoftOptions::Btn_Check_UpdateClick);

    m_LL_Check_Update = new QLabel(sheet);
    m_LL_Check_Update->setObjectName(QStringLiteral("LL_Check_Update"));
    m_LL_Check_Update->setWordWrap(true);
    m_LL_Check_Update->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_LL_Check_Update->setOpenExternalLinks(false);
    keepPlaceWhenHidden(m_LL_Check_Update);
    m_LL_Check_Update->hide();
    connect(m_LL_Check_Update, &QLabel::linkActivated, this,
            [this](const QString& link) { m_context.urls.open(link); });

    auto* check = new QHBoxLayout;
    check->addWidget(m_Btn_Check_Update);
    check->addStretch(1);

    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(10);
    layout->addWidget(m_CB_En_Con);
    layout->addWidget(m_CB_Update);
    layout->addSpacing(6);
    layout->addLayout(check);
    layout->addWidget(m_LL_Check_Update);
    layout->addStretch(1);
}

void TFSoftOptions::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[38]);
    titleBand()->descriptionLabel()->setText(texts[39]);
    m_PC_Options->setTabText(m_PC_Options->indexOf(m_TS_Language), texts[40]);
    m_PC_Options->setTabText(m_PC_Options->indexOf(m_TS_Con_Options), texts[41]);
    m_Btn_Prev->setText(texts[45]);
    m_Btn_Next->setText(texts[46]);
    m_CB_En_Con->setText(texts[47]);
    m_CB_Update->setText(texts[48]);
    m_Btn_Check_Update->setText(texts[49]);
    m_Btn_OK->setText(texts[50]);
    m_Btn_Cancel->setText(texts[51]);
    if (m_pageDrawn) {
        Update_Lang_Page(Show_Page);
    } else {
        m_L_Sel_Lang->setText(texts[42]);
        m_L_Page_Lang->setText(texts[43] + QStringLiteral("1") + texts[44] + QStringLiteral("1"));
    }
    if (m_checkResult)
        showCheckResult();
}

void TFSoftOptions::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    BandedDialog::showEvent(event);
}

void TFSoftOptions::hideEvent(QHideEvent* event) {
    // An answer that arrives after the dialog closed belongs to no showing.
    if (!event->spontaneous()) {
        ++m_checkGeneration;
        m_checkRunning = false;
    }
    BandedDialog::hideEvent(event);
}

void TFSoftOptions::FormShow() {
    Language_In_Use = m_context.state.LanguageName;
    Create_Lang_List();
    ++m_checkGeneration;
    m_checkRunning = false;
    m_checkResult.reset();
    m_LL_Check_Update->hide();
    m_PC_Options->setCurrentWidget(m_TS_Language);
    m_CB_En_Con->setChecked(m_context.state.EnableInternet);
    m_CB_Update->setChecked(m_context.state.EnableUpdateCheck);
    Update_CheckBox();
}

void TFSoftOptions::Create_Lang_List() {
    SL_Languages = languageChoices(m_context.state.LanguageDir);
    Show_Page = 1;
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::Update_Lang_Page(int Num_Page) {
    const LanguagePageView view = languagePage(SL_Languages, Num_Page, m_context.state.Texts,
                                               m_context.state.LanguageDir, Language_In_Use);
    Show_Page = view.page;
    m_pageDrawn = true;
    m_L_Sel_Lang->setText(view.selectedLabel);
    m_L_Page_Lang->setText(view.pageLabel);
    m_Btn_Prev->setVisible(view.previousVisible);
    m_Btn_Next->setVisible(view.nextVisible);
    for (int k = 0; k < kSlots; ++k) {
        if (k < view.languages.size()) {
            const LanguageSlot& language = view.languages[k];
            m_L_L[k]->setText(language.name);
            m_L_L[k]->setToolTip(language.name);
            m_L_L[k]->show();
            showFlag(m_I_L[k], language.flagPath);
        } else if (k == 0) {
            // The first slot keeps its place even on a page without a language.
            m_L_L[k]->clear();
            m_L_L[k]->setToolTip(QString());
            m_L_L[k]->show();
            showFlag(m_I_L[k], QString());
        } else {
            m_L_L[k]->hide();
            m_I_L[k]->hide();
        }
    }
}

void TFSoftOptions::showFlag(ClickableLabel* flag, const QString& picturePath) {
    // A missing or unreadable picture is no error: the flag is just not shown.
    QPixmap picture;
    if (picturePath.isEmpty() || !picture.load(picturePath)) {
        flag->clear();
        flag->hide();
        return;
    }
    if (picture.width() > kFlagBox.width() || picture.height() > kFlagBox.height())
        picture = picture.scaled(kFlagBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    flag->setPixmap(picture);
    flag->show();
}

void TFSoftOptions::Btn_NextClick(bool forward) {
    const int pages = languagePageCount(int(SL_Languages.size()));
    Show_Page = forward ? nextLanguagePage(Show_Page, pages) : previousLanguagePage(Show_Page);
    Update_Lang_Page(Show_Page);
}

void TFSoftOptions::LangClick(int slot) {
    const std::optional<QString> entry = entryAtSlot(SL_Languages, Show_Page, slot);
    if (!entry)
        return;
    const QString name = languageNameOfEntry(*entry);
    UComon& state = m_context.state;
    // Asked even for the language already in use.
    if (!m_context.dialogs.askYesNo(this, languageChangeQuestion(state.Texts, Language_In_Use, name)))
        return;

    Language_In_Use = name;
    // The texts change now; the remembered language only on OK.
    const QString remembered = state.LanguageName;
    state.LanguageName = name;
    const LanguageLoadResult loaded = LoadLanguage(state.Texts, state.LanguageDir, state.LanguageName);
    state.LanguageName = remembered;

    if (m_context.changeLanguage)
        m_context.changeLanguage();
    else
        Set_Lang();
    Update_Lang_Page(Show_Page);

    if (!loaded.failure.isEmpty())
        m_context.dialogs.showWarning(this, state.Texts[added::LanguageFileUnreadable] + loaded.failure);
}

void TFSoftOptions::Update_CheckBox() {
    const ConnectionControls controls =
        zz::Update_CheckBox(m_CB_En_Con->isChecked(), m_CB_Update->isChecked());
    m_CB_Update->setEnabled(controls.updateBoxEnabled);
    m_Btn_Check_Update->setEnabled(controls.checkButtonEnabled && !m_checkRunning);
}

void TFSoftOptions::Btn_OKClick() {
    UComon& state = m_context.state;
    state.LanguageName = Language_In_Use;
    // A disabled update box still counts with its mark.
    state.EnableInternet = m_CB_En_Con->isChecked();
    state.EnableUpdateCheck = m_CB_Update->isChecked();
    if (m_context.applyUpdateTimerRule)
        m_context.applyUpdateTimerRule();
    accept();
}

void TFSoftOptions::Btn_Check_UpdateClick() {
    const unsigned generation = ++m_checkGeneration;
    m_checkRunning = true;
    Update_CheckBox();
    // The checker may answer at once (a refused check) or much later, when the dialog may be
    // closed or gone.
    m_context.versionChecker.checkForNewerVersion(
        [this, alive = QPointer<TFSoftOptions>(this), generation](bool newer) {
            if (!alive || generation != m_checkGeneration)
                return;
            m_checkRunning = false;
            m_checkResult = newer;
            showCheckResult();
            m_LL_Check_Update->show();
            Update_CheckBox();
        });
}

void TFSoftOptions::showCheckResult() {
    const TextTable& texts = m_context.state.Texts;
    if (*m_checkResult) {
        m_LL_Check_Update->setTextFormat(Qt::RichText);
        m_LL_Check_Update->setText(anchorMarkup(downloadPageUrl(m_context.server), texts[52]));
    } else {
        m_LL_Check_Update->setTextFormat(Qt::PlainText);
        m_LL_Check_Update->setText(texts[53]);
    }
}

} // namespace zz
