#include "options/UAbout.h"

#include "widgets/FlatButton.h"

#include <QVBoxLayout>

namespace zz {

TFAbout::TFAbout(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context) {
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("About..."));
    auto* ok = new FlatButton(QStringLiteral("LbButton1"), this);
    ok->setText(QStringLiteral("OK"));
    ok->setModalResult(QDialog::Accepted);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

} // namespace zz
