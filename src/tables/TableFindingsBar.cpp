#include "tables/TableFindingsBar.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "tables/TableFindingsProxy.h"
#include "tables/TableGrid.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace zz {

TableFindingsBar::TableFindingsBar(TableFindingsProxy* findings, TableGrid* grid, const TextTable& texts,
                                   QWidget* window)
    : QWidget(window)
    , m_findings(findings)
    , m_grid(grid)
    , m_texts(texts)
    , m_icon(new QLabel(this))
    , m_count(new QPushButton(this))
    , m_tableMessages(new QLabel(this)) {
    setObjectName(QStringLiteral("P_Findings"));
    m_icon->setObjectName(QStringLiteral("I_Findings"));
    m_count->setObjectName(QStringLiteral("Btn_NextFinding"));
    m_tableMessages->setObjectName(QStringLiteral("L_TableFindings"));

    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    // A link-like count: clicking it must leave the focus in the grid, where it lands the cursor.
    m_count->setFlat(true);
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setCursor(Qt::PointingHandCursor);
    // The messages are shown as they are, never read as markup.
    m_icon->setTextFormat(Qt::PlainText);
    m_tableMessages->setTextFormat(Qt::PlainText);
    m_tableMessages->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_icon);
    layout->addWidget(m_count);
    layout->addWidget(m_tableMessages, 1);

    connect(m_count, &QPushButton::clicked, this, &TableFindingsBar::goToNextFinding);
    auto* next = new QShortcut(QKeySequence(Qt::Key_F8), window);
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8), window);
    connect(next, &QShortcut::activated, this, &TableFindingsBar::goToNextFinding);
    connect(previous, &QShortcut::activated, this, &TableFindingsBar::goToPreviousFinding);
    connect(m_findings, &TableFindingsProxy::findingsChanged, this, &TableFindingsBar::refresh);
    refresh();
}

void TableFindingsBar::refresh() {
    const FindingMarks& marks = m_findings->marks();
    QStringList messages;
    for (const Finding* finding : marks.tableFindings())
        messages.append(finding->message);
    const int count = marks.cellFindingCount();
    m_count->setText(m_texts[added::FindingsCount].arg(QString::number(count)));
    m_count->setToolTip(m_texts[added::FindingsGoToNext]);
    m_count->setVisible(count > 0);
    m_tableMessages->setText(messages.join(QLatin1Char('\n')));
    m_tableMessages->setVisible(!messages.isEmpty());
    setVisible(count > 0 || !messages.isEmpty());
}

void TableFindingsBar::goToNextFinding() {
    goTo(true);
}

void TableFindingsBar::goToPreviousFinding() {
    goTo(false);
}

void TableFindingsBar::goTo(bool forward) {
    // What is still being typed counts, and so does an edit whose analysis is still due.
    m_grid->commitOpenEditor();
    if (m_findings->analysisPending())
        m_findings->analyseNow();
    const QModelIndex current = m_grid->currentIndex();
    const GridCell from = current.isValid() ? GridCell{current.row() + 1, current.column()} : GridCell{};
    const FindingMarks& marks = m_findings->marks();
    const std::optional<GridCell> stop = forward ? marks.nextStop(from) : marks.previousStop(from);
    if (!stop)
        return;
    const QModelIndex cell = m_findings->index(stop->row - 1, stop->column);
    m_grid->setCurrentIndex(cell);
    m_grid->scrollTo(cell);
    m_grid->setFocus();
}

} // namespace zz
