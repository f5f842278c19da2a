#include "tables/UTranslateTable_914.h"

#include "common/Errors.h"
#include "lang/AddedTexts.h"
#include "tables/DataTypeDelegate.h"
#include "tables/DialogTableLoading.h"
#include "tables/TableAnalysisInputs.h"
#include "tables/TableEdits.h"
#include "tables/TableFindingsBar.h"
#include "tables/TableFindingsProxy.h"
#include "tables/TableGrid.h"
#include "tables/TableMessages.h"
#include "tables/TranslateGrid.h"
#include "tables/TranslateTableModel.h"
#include "widgets/FlatButton.h"

#include <QHeaderView>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace zz {
namespace {

// The column whose value a failed check is about: the checks run along columns 1 to 6, and
// both NPoint messages concern column 6.
int columnOfCheck(int textIndex) {
    return std::clamp(textIndex - kDataTypeMessage + ColDataType, int(ColDataType), int(ColNPoint));
}

} // namespace

TFTranslateTable_914::TFTranslateTable_914(AppContext& context, QWidget* parent)
    : TableDialog(QStringLiteral("FTranslateTable_914"), context, parent)
    , m_context(context)
    , m_model(new TranslateTableModel(this))
    , m_findings(new TableFindingsProxy(m_model, context.state.Texts, this))
    , m_sga(new TranslateGrid(QStringLiteral("sga"), context, m_model, this)) {
    // The view sees the rows through the findings, which mark the cells they name.
    m_sga->setModel(m_findings);
    m_sga->setItemDelegateForColumn(ColDataType, new DataTypeDelegate(m_sga));
    // The vertical header shows the row numbers, so they stay in view when the grid scrolls
    // sideways; the model's column 0 holds the same numbers and is not shown twice.
    m_sga->setColumnHidden(ColRowNumber, true);
    m_sga->horizontalHeader()->setStretchLastSection(true);
    bodyLayout()->addWidget(m_sga, 1);
    bodyLayout()->addWidget(new TableFindingsBar(m_findings, m_sga, context.state.Texts, this));

    m_Btn_OK = addBandButton(QStringLiteral("Btn_OK"));
    m_Btn_Cancel = addBandButton(QStringLiteral("Btn_Cancel"), FlatButton::kNoModalResult);
    connect(m_Btn_Cancel, &QPushButton::clicked, this, &TFTranslateTable_914::Btn_CancelClick);
    m_Btn_DelRow = addBandButton(QStringLiteral("Btn_DelRow"));
    m_Btn_InsRow = addBandButton(QStringLiteral("Btn_InsRow"));
    connect(m_Btn_OK, &QPushButton::clicked, this, &TFTranslateTable_914::Btn_OKClick);
    connect(m_Btn_DelRow, &QPushButton::clicked, this, &TFTranslateTable_914::Btn_DelRowClick);
    connect(m_Btn_InsRow, &QPushButton::clicked, this, &TFTranslateTable_914::Btn_InsRowClick);
    m_Btn_ImportCsv = addBandButton(QStringLiteral("Btn_ImportCsv"));
    m_Btn_ExportCsv = addBandButton(QStringLiteral("Btn_ExportCsv"));
    connect(m_Btn_ImportCsv, &QPushButton::clicked, m_sga, &TranslateGrid::importCsv);
    connect(m_Btn_ExportCsv, &QPushButton::clicked, m_sga, &TranslateGrid::exportCsv);
    setTabOrder(m_sga, m_Btn_OK);
    setTabOrder(m_Btn_OK, m_Btn_Cancel);
    setTabOrder(m_Btn_Cancel, m_Btn_DelRow);
    setTabOrder(m_Btn_DelRow, m_Btn_InsRow);
    setTabOrder(m_Btn_InsRow, m_Btn_ImportCsv);
    setTabOrder(m_Btn_ImportCsv, m_Btn_ExportCsv);

    setSizeGripEnabled(true);
    Set_Lang();
    setInitialColumnWidths();
    resize(860, 560);
}

void TFTranslateTable_914::Set_Lang() {
    const TextTable& texts = m_context.state.Texts;
    setWindowTitle(texts[kTranslateCaptionText]);
    titleBand()->descriptionLabel()->setText(texts[kTranslateCaptionText + 1]);
    m_Btn_OK->setText(texts[kTranslateCaptionText + 2]);
    m_Btn_Cancel->setText(texts[kTranslateCaptionText + 3]);
    m_Btn_DelRow->setText(texts[kTranslateCaptionText + 4]);
    m_Btn_InsRow->setText(texts[kTranslateCaptionText + 5]);
    m_Btn_ImportCsv->setText(texts[added::GridImportCsv]);
    m_Btn_ExportCsv->setText(texts[added::GridExportCsv]);
    m_sga->applyTexts();
    m_model->applyTexts(texts);
    m_findings->analyseNow(); // the messages in the new language
    m_sga->setCornerText(m_model->headerData(ColRowNumber, Qt::Horizontal).toString());
    // A longer header of another language widens its column; the user's widths are kept otherwise.
    const QFontMetrics metrics(m_sga->horizontalHeader()->font());
    for (int column = ColDataType; column <= ColMnemonic; ++column) {
        const int needed =
            metrics.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()) + 24;
        if (m_sga->columnWidth(column) < needed)
            m_sga->setColumnWidth(column, needed);
    }
}

// Widths from the font rather than from the contents: measuring 2000 rows would slow every showing.
void TFTranslateTable_914::setInitialColumnWidths() {
    const QFontMetrics metrics(m_sga->font());
    const int margin = 24;
    auto fit = [&](int column, const QString& sample) {
        const QString header = m_model->headerData(column, Qt::Horizontal).toString();
        const int width =
            std::max(metrics.horizontalAdvance(header), metrics.horizontalAdvance(sample)) + margin;
        m_sga->setColumnWidth(column, width);
    };
    // The drop-down needs room for its arrow as well.
    fit(ColDataType, dataTypeTexts().at(2) + QStringLiteral("MMM"));
    fit(ColSlaveIdTcp, QStringLiteral("0000"));
    fit(ColAddressTcp, QStringLiteral("000000"));
    fit(ColSlaveId, QStringLiteral("0000"));
    fit(ColAddress, QStringLiteral("000000"));
    fit(ColNPoint, QStringLiteral("0000"));
    fit(ColMnemonic, QStringLiteral("MMMMMMMMMMMMMMMM"));
}

void TFTranslateTable_914::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    BandedDialog::showEvent(event);
}

void TFTranslateTable_914::FormShow() {
    const TableAnalysisInputs inputs = readTableAnalysisInputs(m_context.state.ProjectDir);
    m_findings->setAnalysisInputs(inputs.functions, inputs.operationMode);
    loadTableForDialog(this, m_context,
                       [this] { return m_model->loadFile(m_context.state.TranslateTableFile); });
    m_shownTable = m_model->table();
    m_sga->startAfresh();
    m_sga->scrollToTop();
    m_sga->goToCell(1, ColDataType);
}

SpreadsheetGrid* TFTranslateTable_914::editedGrid() const {
    return m_sga;
}

bool TFTranslateTable_914::hasEdits() const {
    return !sameCells(m_shownTable, m_model->table());
}

void TFTranslateTable_914::Btn_OKClick() {
    // A refused cell is mended first; saving now would drop what the user typed.
    if (!m_sga->finishOpenEdit())
        return;
    const TextTable& texts = m_context.state.Texts;
    if (const std::optional<RowFailure> failure = m_model->Controllo_dati()) {
        m_context.dialogs.showError(this, failure->message(texts));
        goToCell(failure->row, columnOfCheck(failure->textIndex));
        return;
    }
    // Rows after the first empty Slave ID TCP are not saved; the user decides whether to lose them.
    if (m_model->rowsHoldingDataBeyondTable() > 0 &&
        !m_context.dialogs.askYesNo(this, rowsNotSavedQuestion(texts, m_model->table()))) {
        goToCell(m_model->table().length() + 1, ColSlaveIdTcp);
        return;
    }
    try {
        m_model->saveFile(m_context.state.TranslateTableFile);
    } catch (const Error& e) {
        m_context.dialogs.showError(this, e.message());
        return;
    }
    accept();
}

void TFTranslateTable_914::Btn_DelRowClick() {
    m_sga->deleteSelectedRows();
}

void TFTranslateTable_914::Btn_InsRowClick() {
    m_sga->insertRowsAtSelection();
}

void TFTranslateTable_914::goToCell(int rowNumber, int column) {
    m_sga->goToCell(rowNumber, column);
}

} // namespace zz
