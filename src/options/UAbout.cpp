#include "options/UAbout.h"

#include "app/UComon.h"
#include "options/AboutPicture.h"
#include "options/MakerLinks.h"
#include "widgets/AppStyle.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

namespace {

QLabel* fixedLabel(const QString& objectName, const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

TFAbout::TFAbout(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_Image2(new ClickableLabel(QStringLiteral("Image2"), this))
    , m_Label2(fixedLabel(QStringLiteral("Label2"), QString(), this))
    , m_Label9(fixedLabel(QStringLiteral("Label9"), QString(), this))
    , m_Label10(fixedLabel(QStringLiteral("Label10"), QString(), this))
    , m_Label12(fixedLabel(QStringLiteral("Label12"), QString(), this))
    , m_Label4(new ClickableLabel(QStringLiteral("Label4"), this)) {
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("About..."));
    setModal(true);

    m_Image2->setPixmap(aboutPicture(devicePixelRatioF()));
    m_Image2->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_Image2->setFocusPolicy(Qt::NoFocus);

    QLabel* label1 = fixedLabel(QStringLiteral("Label1"), QStringLiteral("Software Zevazerazu "), this);
    label1->setFont(style::titleFont(12));
    m_Label2->setWordWrap(false);

    auto* codes = new QGridLayout;
    codes->setHorizontalSpacing(10);
    codes->setVerticalSpacing(4);
    codes->addWidget(fixedLabel(QStringLiteral("Label3"), QStringLiteral("Version :"), this), 0, 0);
    codes->addWidget(m_Label10, 0, 1);
    codes->addWidget(fixedLabel(QStringLiteral("Label6"), QStringLiteral("Software Code : "), this), 1, 0);
    codes->addWidget(m_Label9, 1, 1);
    codes->addWidget(fixedLabel(QStringLiteral("Label8"), QStringLiteral("Document Code :"), this), 2, 0);
    codes->addWidget(m_Label12, 2, 1);
    codes->setColumnStretch(1, 1);
    QFont valueFont = m_Label10->font();
    valueFont.setBold(true);
    for (QLabel* value : {m_Label9, m_Label10, m_Label12})
        value->setFont(valueFont);

    m_Label4->showAsLink();
    m_Label4->setText(makerWebAddress(m_context.server));
    connect(m_Label4, &ClickableLabel::clicked, this, &TFAbout::Label4Click);
    connect(m_Image2, &ClickableLabel::clicked, this, &TFAbout::Label4Click);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(label1);
    texts->addWidget(m_Label2);
    texts->addSpacing(8);
    texts->addLayout(codes);
    texts->addSpacing(8);
    texts->addWidget(m_Label4, 0, Qt::AlignLeft);
    texts->addStretch(1);

    auto* content = new QHBoxLayout;
    content->setSpacing(18);
    content->addWidget(m_Image2, 0, Qt::AlignTop);
    content->addLayout(texts, 1);

    auto* ok = new FlatButton(QStringLiteral("LbButton1"), this);
    ok->setText(QStringLiteral("OK"));
    ok->setModalResult(QDialog::Accepted);
    ok->setDefault(true);
    m_LbButton1 = ok;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 12);
    layout->setSpacing(14);
    layout->addLayout(content);
    layout->addWidget(ok, 0, Qt::AlignRight);
    // The box follows its content and cannot be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Filled now as well, so that the size is right before the first showing.
    FormShow();
}

void TFAbout::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        FormShow();
        // Enter and Space close the box; the link would open the web page instead.
        m_LbButton1->setFocus();
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        style::centerOnScreen(this);
}

void TFAbout::FormShow() {
    m_Label2->setText(m_context.state.SoftwareDescription);
    m_Label9->setText(kSoftwareCode);
    m_Label10->setText(ProgramVersion);
    m_Label12->setText(kDocumentCode);
}

void TFAbout::Label4Click() {
    m_context.urls.open(homePageUrl(m_context.server));
}

} // namespace zz
