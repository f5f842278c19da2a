#include "widgets/CategoryPanel.h"

#include "widgets/AppStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace zz {

namespace {

constexpr int kHeadingPadding = 5;
constexpr int kChevronWidth = 9;
constexpr int kChevronHeight = 5;

} // namespace

CategoryPanelHeading::CategoryPanelHeading(QWidget* parent)
    : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void CategoryPanelHeading::setCaption(const QString& caption) {
    m_caption = caption;
    setAccessibleName(caption);
    updateGeometry();
    update();
}

void CategoryPanelHeading::setCollapsed(bool collapsed) {
    m_collapsed = collapsed;
    update();
}

QSize CategoryPanelHeading::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_caption) + 4 * kHeadingPadding + kChevronWidth,
            metrics.height() + 2 * kHeadingPadding};
}

QSize CategoryPanelHeading::minimumSizeHint() const {
    return {3 * kHeadingPadding + kChevronWidth, sizeHint().height()};
}

void CategoryPanelHeading::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), style::kFillColor.darker(108));
    painter.setPen(style::kFrameColor);
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());

    const QRect textRect = rect().adjusted(kHeadingPadding, 0, -(2 * kHeadingPadding + kChevronWidth), 0);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(m_caption, Qt::ElideRight, textRect.width()));

    // Up while open (a click collapses), down while collapsed.
    const qreal right = width() - kHeadingPadding;
    const qreal left = right - kChevronWidth;
    const qreal middle = height() / 2.0;
    const qreal tip = m_collapsed ? middle + kChevronHeight / 2.0 : middle - kChevronHeight / 2.0;
    const qreal ends = m_collapsed ? middle - kChevronHeight / 2.0 : middle + kChevronHeight / 2.0;
    QPainterPath chevron;
    chevron.moveTo(left, ends);
    chevron.lineTo((left + right) / 2.0, tip);
    chevron.lineTo(right, ends);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.6));
    painter.drawPath(chevron);

    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(style::kFocusColor, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void CategoryPanelHeading::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit activated();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void CategoryPanelHeading::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

CategoryPanel::CategoryPanel(const QString& objectName, QWidget* parent)
    : QWidget(parent)
    , m_heading(new CategoryPanelHeading(this))
    , m_content(new QWidget(this)) {
    setObjectName(objectName);
    m_heading->setObjectName(objectName + QStringLiteral("_Heading"));
    m_content->setObjectName(objectName + QStringLiteral("_Content"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_heading);
    layout->addWidget(m_content);

    connect(m_heading, &CategoryPanelHeading::activated, this, &CategoryPanel::toggleCollapsed);
}

void CategoryPanel::setCaption(const QString& caption) {
    m_heading->setCaption(caption);
}

QString CategoryPanel::caption() const {
    return m_heading->caption();
}

void CategoryPanel::setCollapsed(bool collapsed) {
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    m_content->setVisible(!collapsed);
    m_heading->setCollapsed(collapsed);
    emit collapsedChanged(collapsed);
}

} // namespace zz
