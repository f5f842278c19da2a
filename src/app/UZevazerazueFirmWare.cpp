#include "app/UZevazerazueFirmWare.h"

#include "app/SettingsFile.h"
#include "common/Errors.h"
#include "lang/AddedTexts.h"

#include <QCloseEvent>
#include <QMessageBox>

namespace zz {

TFZevazerazueFirmWare::TFZevazerazueFirmWare(UComon& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state) {
    setObjectName(QStringLiteral("FZevazerazueFirmWare"));
    setWindowTitle(m_state.MainTitle);
}

void TFZevazerazueFirmWare::closeEvent(QCloseEvent* event) {
    try {
        Save_Setting(m_state);
    } catch (const Error& e) {
        QMessageBox::critical(this, m_state.MainTitle, m_state.Texts[added::SettingsNotSaved] + e.message());
    }
    event->accept();
}

} // namespace zz
