#include "tables/UEnableFunctions.h"

#include "common/Errors.h"
#include "tables/CheckBoxDelegate.h"
#include "tables/DialogTableLoading.h"
#include "tables/EnabledFunctionsGrid.h"
#include "tables/EnabledFunctionsModel.h"
#include "tables/FixedColumnDelegate.h"
#include "tables/FunctionsInUseProxy.h"
#include "tables/TranslateTableFile.h"
#include "widgets/FlatButton.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zz {

TFEnableFunctions::TFEnableFunctions(AppContext& context, QWidget* parent)
    : TableDialog(QStringLiteral("FEnableFunctions"), context, parent)
    , m_context(context)
    , m_model(new EnabledFunctionsModel(this))
    , m_inUse(new FunctionsInUseProxy(m_model, context.state.Texts, this))
    , m_sga(new EnabledFunctionsGrid(QStringLiteral("sga"), context, m_model, this)) {
    // The view sees the functions through the marks of those the translate table needs.
    m_sga->setModel(m_inUse);
    m_sga->setItemDelegateForColumn(ColFunction, new FixedColumnDelegate(m_sga));
    m_sga->setItemDelegateForColumn(ColEnable, new CheckBoxDelegate(m_sga));
    // The row numbers select whole rows, and name the row of a refused cell.
    m_sga->horizontalHeader()->setStretchLastSection(true);
    bodyLayout()->addWidget(m_sga, 1);

    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"));
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), FlatButton::kNoModalResult);
    connect(m_Btn_Cancel, &QPushButton::clicked, this, &TFEnableFunctions::Btn_CancelClick);
    connect(m_Btn_OK, &QPushButton::clicked, this, &TFEnableFunctions::Btn_OKClick);
    setTabOrder(m_sga, m_Btn_OK);
    setTabOrder(m_Btn_OK, m_Btn_Cancel);

    setSizeGripEnabled(true);
    Set_Lang();
    const QFontMetrics metrics(m_sga->font());
    m_sga->setColumnWidth(ColEnable, std::max(metrics.horizontalAdvance(
                                                  m_model->headerData(ColEnable, Qt::Horizontal).toString()),
                                              metrics.horizontalAdvance(QStringLiteral("MMMMMM"))) +
                                         24);
    // All eleven rows in view without scrolling.
    m_sga->setMinimumHeight(m_sga->horizontalHeader()->sizeHint().height() +
                            m_sga->verticalHeader()->length() + 2 * m_sga->frameWidth());
    resize(700, sizeHint().height());
}

void TFEnableFunctions::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[kEnabledFunctionsCaptionText]);
    titleBand()->descriptionLabel()->setText(texts[kEnabledFunctionsCaptionText + 1]);
    m_Btn_OK->setText(texts[kEnabledFunctionsCaptionText + 2]);
    m_Btn_Cancel->setText(texts[kEnabledFunctionsCaptionText + 3]);
    m_model->applyTexts(texts);
    m_sga->applyTexts();
    // Eleven labels: measuring them is cheap, and a translation may be longer.
    m_sga->resizeColumnToContents(ColFunction);
}

void TFEnableFunctions::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    BandedDialog::showEvent(event);
}

void TFEnableFunctions::FormShow() {
    loadTableForDialog(this, m_context,
                       [this] { return m_model->loadFile(m_context.state.EnableFunctionsFile); });
    // The rows of the translate table tell which read functions are needed; a table that cannot
    // be read is reported by its own dialog.
    TranslateTable table;
    try {
        table.assign(readTranslateTableFile(m_context.state.TranslateTableFile).rows);
    } catch (const Error&) {
        table.clear();
    }
    m_inUse->setTranslateTable(table);
    m_shownList = m_model->list();
    m_sga->startAfresh();
    m_sga->setCurrentIndex(m_inUse->index(0, ColEnable));
    m_sga->setFocus();
}

SpreadsheetGrid* TFEnableFunctions::editedGrid() const {
    return m_sga;
}

bool TFEnableFunctions::hasEdits() const {
    return !(m_model->list() == m_shownList);
}

void TFEnableFunctions::Btn_OKClick() {
    // A refused cell is mended first; saving now would drop what the user typed.
    if (!m_sga->finishOpenEdit())
        return;
    try {
        m_model->saveFile(m_context.state.EnableFunctionsFile);
    } catch (const Error& e) {
        m_context.dialogs.showError(this, e.message());
        return;
    }
    accept();
}

} // namespace zz
