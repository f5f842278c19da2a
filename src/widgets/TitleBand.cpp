#include "widgets/TitleBand.h"

#include "widgets/AppStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace zz {

TitleBand::TitleBand(const QString& softwareCode, QWidget* parent)
    : QFrame(parent)
    , m_code(new QLabel(softwareCode, this))
    , m_description(new QLabel(this))
    , m_trailing(new QHBoxLayout) {
    setObjectName(QStringLiteral("P_Title"));
    setStyleSheet(QStringLiteral("QFrame#P_Title { background: %1; border-bottom: 1px solid %2; }")
                      .arg(style::kTitleBandColor.name(), style::kDisabledFrameColor.name()));

    m_code->setObjectName(QStringLiteral("L_SW_Code"));
    m_code->setTextFormat(Qt::PlainText);
    m_description->setTextFormat(Qt::PlainText);
    m_code->setFont(style::titleFont(16));
    m_description->setObjectName(QStringLiteral("L_SW_Desc"));
    QFont descriptionFont = m_description->font();
    descriptionFont.setBold(true);
    m_description->setFont(descriptionFont);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(m_code);
    texts->addWidget(m_description);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addLayout(texts);
    layout->addStretch(1);
    layout->addLayout(m_trailing);
}

void TitleBand::addTrailingWidget(QWidget* widget, int stretch) {
    m_trailing->addWidget(widget, stretch);
    if (stretch > 0) {
        auto* band = static_cast<QHBoxLayout*>(layout());
        band->setStretch(band->indexOf(m_trailing) - 1, 0);
        band->setStretchFactor(m_trailing, stretch);
    }
}

ButtonBand::ButtonBand(QWidget* parent)
    : QFrame(parent)
    , m_layout(new QHBoxLayout(this)) {
    setObjectName(QStringLiteral("P_Button"));
    setFrameShape(QFrame::NoFrame);
    m_layout->setContentsMargins(12, 8, 12, 10);
    m_layout->addStretch(1);
}

void ButtonBand::addButton(QWidget* button) {
    button->setMinimumWidth(std::max(button->sizeHint().width(), 90));
    m_layout->addWidget(button);
}

} // namespace zz
