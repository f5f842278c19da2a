#include "params/UParGen2.h"

#include "widgets/FlatButton.h"

namespace zz {

TFParGen2::TFParGen2(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FParGen2"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    Set_Lang();
}

void TFParGen2::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[89]);
    titleBand()->descriptionLabel()->setText(texts[90]);
    m_Btn_OK->setText(texts[225]);
    m_Btn_Cancel->setText(texts[226]);
}

} // namespace zz
