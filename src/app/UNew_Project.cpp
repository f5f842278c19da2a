#include "app/UNew_Project.h"

#include "app/ConfigurationFromBankFile.h"
#include "app/Configurations.h"
#include "common/Errors.h"
#include "lang/AddedTexts.h"
#include "widgets/FlatButton.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

TFNew_Project::TFNew_Project(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FNew_Project"), context.state.SoftwareCode, parent)
    , m_context(context)
    , m_label(new QLabel(this))
    , m_name(new QLineEdit(this))
    , m_bankLabel(new QLabel(this))
    , m_bankFile(new QLineEdit(this))
    , m_browse(new FlatButton(QStringLiteral("Btn_Browse"), this)) {
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setTextFormat(Qt::PlainText);
    m_name->setObjectName(QStringLiteral("E_New_Proj"));
    m_name->setMinimumWidth(320);
    m_label->setBuddy(m_name);
    bodyLayout()->addWidget(m_label);
    bodyLayout()->addWidget(m_name);

    m_bankLabel->setObjectName(QStringLiteral("L_Bank_File"));
    m_bankLabel->setTextFormat(Qt::PlainText);
    m_bankFile->setObjectName(QStringLiteral("E_Bank_File"));
    m_bankLabel->setBuddy(m_bankFile);
    auto* bankRow = new QHBoxLayout;
    bankRow->addWidget(m_bankFile, 1);
    bankRow->addWidget(m_browse);
    bodyLayout()->addSpacing(6);
    bodyLayout()->addWidget(m_bankLabel);
    bodyLayout()->addLayout(bankRow);
    bodyLayout()->addStretch(1);

    m_ok = addBandButton(QStringLiteral("Btn_OK"));
    m_cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    connect(m_ok, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    connect(m_browse, &QPushButton::clicked, this, &TFNew_Project::Btn_BrowseClick);
    // Enter in the name field is the same as OK.
    connect(m_name, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
    connect(m_bankFile, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);
    setTabOrder(m_name, m_bankFile);
    setTabOrder(m_bankFile, m_browse);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[25]);
    titleBand()->descriptionLabel()->setText(texts[26]);
    m_label->setText(texts[27]);
    m_bankLabel->setText(texts[added::BankFileCaption]);
    m_browse->setText(texts[added::BankFileBrowse]);
    m_ok->setText(texts[28]);
    m_cancel->setText(texts[29]);
}

void TFNew_Project::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_name->clear();
        m_bankFile->clear();
        m_name->setFocus();
    }
    BandedDialog::showEvent(event);
}

void TFNew_Project::Btn_BrowseClick() {
    const TextTable& texts = m_context.state.Texts;
    // Start where the file typed so far lies, else where the platform's dialog chooses.
    const QString typed = m_bankFile->text();
    const QString folder = typed.isEmpty() ? QString() : QFileInfo(typed).absolutePath();
    const QString chosen = m_context.fileChooser.chooseFileToOpen(
        this, texts[added::BankFileChooserCaption], folder, texts[added::BankFileChooserFilter]);
    if (!chosen.isEmpty())
        m_bankFile->setText(QDir::toNativeSeparators(chosen));
    m_bankFile->setFocus();
}

void TFNew_Project::Btn_OKClick() {
    const QString name = m_name->text();
    const QString bankFile = m_bankFile->text();
    if (!bankFile.isEmpty()) {
        if (createFromBankFile(name, bankFile))
            accept();
        return;
    }
    const CreateOutcome outcome = createConfiguration(m_context.state, name);
    if (outcome != CreateOutcome::Created) {
        m_context.dialogs.showError(this, refusalMessage(m_context.state.Texts, outcome, name));
        return;
    }
    accept();
}

bool TFNew_Project::createFromBankFile(const QString& name, const QString& bankFile) {
    UComon& state = m_context.state;
    const TextTable& texts = state.Texts;
    // The name is checked first, so its refusals come as they do without a bank file.
    CreateOutcome outcome = checkNewConfigurationName(state, name);
    if (outcome != CreateOutcome::Created) {
        m_context.dialogs.showError(this, refusalMessage(texts, outcome, name));
        return false;
    }
    image::RestoreAnalysis analysis;
    try {
        analysis = analyseBankFile(bankFile);
    } catch (const FileError& e) {
        m_context.dialogs.showError(this, bankFileUnreadableMessage(texts, bankFile, e.problem()));
        return false;
    } catch (const Error& e) {
        m_context.dialogs.showError(this, bankFileUnreadableMessage(texts, bankFile, e.message()));
        return false;
    }
    if (!analysis.configuration) {
        m_context.dialogs.showError(this, bankFileRefusedMessage(texts, bankFile, analysis.refusals));
        return false;
    }
    try {
        outcome = createConfigurationFromImage(state, name, *analysis.configuration);
    } catch (const Error& e) {
        m_context.dialogs.showError(this, restoredFilesNotWrittenMessage(texts, e.message()));
        return false;
    }
    if (outcome != CreateOutcome::Created) {
        m_context.dialogs.showError(this, refusalMessage(texts, outcome, name));
        return false;
    }
    const QString defaults = defaultsTakenMessage(texts, analysis.configuration->defaultsTaken);
    if (!defaults.isEmpty())
        m_context.dialogs.showWarning(this, defaults);
    return true;
}

} // namespace zz
