#include "update/UBootTCP.h"

#include "widgets/FlatButton.h"

namespace zz {

TFBootTCP::TFBootTCP(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FBootTCP"), context.state.SoftwareCode, parent)
    , m_context(context) {
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    m_Btn_Update = addBandButton(QStringLiteral("Btn_Update"));
    m_Btn_Next = addBandButton(QStringLiteral("Btn_Next"));
    Set_Lang();
}

void TFBootTCP::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[57]);
    titleBand()->descriptionLabel()->setText(texts[57]);
    m_Btn_Cancel->setText(texts[61]);
    m_Btn_Update->setText(texts[68]);
    m_Btn_Next->setText(texts[62]);
}

} // namespace zz
