#include "widgets/CategoryPanelGroup.h"

#include "widgets/CategoryPanel.h"

#include <QApplication>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace zz {

namespace {

// One notch of an ordinary mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = QWheelEvent::DefaultDeltasPerStep;

} // namespace

CategoryPanelGroup::CategoryPanelGroup(const QString& objectName, QWidget* parent)
    : QScrollArea(parent)
    , m_column(new QWidget)
    , m_columnLayout(new QVBoxLayout(m_column)) {
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    setFrameShape(QFrame::StyledPanel);

    m_column->setObjectName(objectName + QStringLiteral("_Column"));
    m_columnLayout->setContentsMargins(0, 0, 0, 0);
    m_columnLayout->setSpacing(0);
    m_columnLayout->addStretch(1);
    setWidget(m_column);

    verticalScrollBar()->setSingleStep(fontMetrics().height());

    // The wheel reaches the control under the pointer first; watching the whole application
    // lets the column take it before a list inside it does.
    qApp->installEventFilter(this);
}

CategoryPanelGroup::~CategoryPanelGroup() {
    qApp->removeEventFilter(this);
}

CategoryPanel* CategoryPanelGroup::addPanel(const QString& objectName) {
    auto* panel = new CategoryPanel(objectName, m_column);
    m_columnLayout->insertWidget(m_columnLayout->count() - 1, panel);
    m_panels.append(panel);
    return panel;
}

bool CategoryPanelGroup::scrollByWheel(const QPoint& globalPos, QPoint angleDelta) {
    if (!viewport()->rect().contains(viewport()->mapFromGlobal(globalPos)))
        return false;
    // A wheel turned sideways does not move the column.
    if (angleDelta.y() == 0)
        return true;
    m_pendingWheelDelta += angleDelta.y();
    const int notches = m_pendingWheelDelta / kWheelNotch;
    m_pendingWheelDelta -= notches * kWheelNotch;
    const int lines = QApplication::wheelScrollLines();
    if (notches == 0 || lines < 1)
        return true;
    // Wheel up (positive) scrolls towards the top.
    QScrollBar* bar = verticalScrollBar();
    const qint64 target = qint64(bar->value()) - qint64(notches) * lines * bar->singleStep();
    bar->setValue(int(std::clamp<qint64>(target, bar->minimum(), bar->maximum())));
    return true;
}

bool CategoryPanelGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != viewport() && !viewport()->isAncestorOf(widget))
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!scrollByWheel(wheel->globalPosition().toPoint(), wheel->angleDelta()))
        return false;
    wheel->accept();
    return true;
}

} // namespace zz
