#include "widgets/BandedDialog.h"

#include "widgets/AppStyle.h"
#include "widgets/ButtonShortcuts.h"
#include "widgets/FlatButton.h"
#include "widgets/WindowFit.h"

#include <QFrame>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

BandedDialog::BandedDialog(const QString& objectName, const QString& softwareCode, QWidget* parent)
    : QDialog(parent)
    , m_titleBand(new TitleBand(softwareCode, this))
    , m_body(new QVBoxLayout)
    , m_buttonBand(new ButtonBand(this)) {
    setObjectName(objectName);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleBand);
    m_body->setContentsMargins(12, 10, 12, 6);
    layout->addLayout(m_body, 1);
    layout->addWidget(separator);
    layout->addWidget(m_buttonBand);
}

FlatButton* BandedDialog::addBandButton(const QString& objectName, int modalResult) {
    auto* button = new FlatButton(objectName, this);
    button->setModalResult(modalResult);
    m_buttonBand->addButton(button);
    return button;
}

void BandedDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        assignAltShortcuts(this);
        fitToScreen(this);
        style::centerOnScreen(this);
    }
}

} // namespace zz
