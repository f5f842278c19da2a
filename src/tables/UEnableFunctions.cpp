#include "tables/UEnableFunctions.h"

#include "widgets/FlatButton.h"

namespace zz {

TFEnableFunctions::TFEnableFunctions(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FEnableFunctions"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    Set_Lang();
}

void TFEnableFunctions::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[500]);
    titleBand()->descriptionLabel()->setText(texts[501]);
    m_Btn_OK->setText(texts[502]);
    m_Btn_Cancel->setText(texts[503]);
}

} // namespace zz
