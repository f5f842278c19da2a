#include "app/UOpenConf.h"

#include "app/Configurations.h"
#include "widgets/FlatButton.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

TFOpenConf::TFOpenConf(AppContext& context, QWidget* parent)
    : BandedDialog(QStringLiteral("FOpenConf"), context.state.SoftwareCode, parent)
    , m_context(context)
    , m_label(new QLabel(this))
    , m_list(new QListWidget(this)) {
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setTextFormat(Qt::PlainText);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_label->setBuddy(m_list);
    bodyLayout()->addWidget(m_label);
    bodyLayout()->addWidget(m_list, 1);

    m_ok = addBandButton(QStringLiteral("Btn_OK"), QDialog::Accepted);
    m_cancel = addBandButton(QStringLiteral("Btn_Cancel"), QDialog::Rejected);
    // A keyboard selection counts like a click; a double click confirms.
    connect(m_list, &QListWidget::currentRowChanged, this, &TFOpenConf::ListBox1Click);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    m_list->installEventFilter(this); // Enter confirms like OK

    setSizeGripEnabled(true);
    resize(420, 360);
    Set_Lang();
}

void TFOpenConf::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[33]);
    titleBand()->descriptionLabel()->setText(texts[34]);
    m_label->setText(texts[35]);
    m_ok->setText(texts[36]);
    m_cancel->setText(texts[37]);
}

void TFOpenConf::Load_Existing_Configuration() {
    m_names = listConfigurations(m_context.state.ProjectsDir);
}

void TFOpenConf::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        Load_Existing_Configuration();
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_list->addItems(m_names);
        // Where names differ only in letter case they are different configurations, so the exact
        // name wins over one that matches it without regard to case.
        const QString active = activeConfigurationFolderName(m_context.state);
        const int exact = active.isEmpty() ? -1 : static_cast<int>(m_names.indexOf(active));
        const int found = exact >= 0 ? exact : Search_Open_Conf(m_names, active);
        const int row = found >= 0 ? found : (m_names.isEmpty() ? -1 : 0);
        if (row >= 0) {
            m_list->setCurrentRow(row);
            Name_Conf = m_names[row];
        }
        m_list->setFocus();
    }
    BandedDialog::showEvent(event);
}

bool TFOpenConf::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_ok->click();
            return true;
        }
    }
    return BandedDialog::eventFilter(watched, event);
}

void TFOpenConf::ListBox1Click(int row) {
    if (row >= 0 && row < m_names.size())
        Name_Conf = m_names[row];
}

} // namespace zz
