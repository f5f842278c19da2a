#include "tables/UTranslateTable_914.h"

#include "widgets/FlatButton.h"

namespace zz {

TFTranslateTable_914::TFTranslateTable_914(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FTranslateTable_914"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    m_Btn_DelRow = addBandButton(QStringLiteral("Btn_DelRow"));
    m_Btn_InsRow = addBandButton(QStringLiteral("Btn_InsRow"));
    Set_Lang();
}

void TFTranslateTable_914::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[162]);
    titleBand()->descriptionLabel()->setText(texts[163]);
    m_Btn_OK->setText(texts[164]);
    m_Btn_Cancel->setText(texts[165]);
    m_Btn_DelRow->setText(texts[166]);
    m_Btn_InsRow->setText(texts[167]);
}

} // namespace zz
