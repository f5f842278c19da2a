#include "app/UNew_Project.h"

#include "app/Configurations.h"
#include "widgets/FlatButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

TFNew_Project::TFNew_Project(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FNew_Project"), context.state.SoftwareCode, parent)
    , m_context(context)
    , m_label(new QLabel(this))
    , m_name(new QLineEdit(this)) {
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setTextFormat(Qt::PlainText);
    m_name->setObjectName(QStringLiteral("E_New_Proj"));
    m_name->setMinimumWidth(320);
    m_label->setBuddy(m_name);
    bodyLayout()->addWidget(m_label);
    bodyLayout()->addWidget(m_name);
    bodyLayout()->addStretch(1);

    m_ok = addBandButton(QStringLiteral("Btn_OK"));
    m_cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    connect(m_ok, &QPushButton::clicked, this, &TFNew_Project::Btn_OKClick);
    // Enter in the name field is the same as OK.
    connect(m_name, &QLineEdit::returnPressed, this, &TFNew_Project::Btn_OKClick);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Set_Lang();
}

void TFNew_Project::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[25]);
    titleBand()->descriptionLabel()->setText(texts[26]);
    m_label->setText(texts[27]);
    m_ok->setText(texts[28]);
    m_cancel->setText(texts[29]);
}

void TFNew_Project::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_name->clear();
        m_name->setFocus();
    }
    BandedDialog::showEvent(event);
}

void TFNew_Project::Btn_OKClick() {
    const QString name = m_name->text();
    const CreateOutcome outcome = createConfiguration(m_context.state, name);
    if (outcome != CreateOutcome::Created) {
        m_context.dialogs.showError(this, refusalMessage(m_context.state.Texts, outcome, name));
        return;
    }
    accept();
}

} // namespace zz
