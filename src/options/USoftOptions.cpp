#include "options/USoftOptions.h"

#include "widgets/FlatButton.h"

namespace zz {

TFSoftOptions::TFSoftOptions(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FSoftOptions"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    Set_Lang();
}

void TFSoftOptions::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[38]);
    titleBand()->descriptionLabel()->setText(texts[39]);
    m_Btn_OK->setText(texts[50]);
    m_Btn_Cancel->setText(texts[51]);
}

} // namespace zz
