#include "widgets/FlatButton.h"

#include "lang/AltShortcuts.h"
#include "widgets/AppStyle.h"

#include <QDialog>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QStyleOptionButton>

namespace zz {

FlatButton::FlatButton(const QString& objectName, QWidget* parent)
    : QPushButton(parent)
    , m_fill(style::kFillColor)
    , m_hot(style::kHotColor)
    , m_pressed(style::kPressedColor) {
    setObjectName(objectName);
    setAutoDefault(false);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    connect(this, &QPushButton::clicked, this, &FlatButton::closeDialogWithModalResult);
}

void FlatButton::setFillColor(const QColor& color) {
    m_fill = color;
    update();
}

void FlatButton::setHotColor(const QColor& color) {
    m_hot = color;
    update();
}

void FlatButton::setPressedColor(const QColor& color) {
    m_pressed = color;
    update();
}

void FlatButton::setAltShortcut(int position) {
    const bool valid = position >= 0 && position < text().size();
    m_shortcutPosition = valid ? position : -1;
    m_shortcutCaption = text();
    // Also drops what setText made of a "&" in the caption.
    setShortcut(valid ? QKeySequence::mnemonic(QStringLiteral("&") + text().at(position)) : QKeySequence());
    update();
}

int FlatButton::altShortcutPosition() const {
    return m_shortcutCaption == text() ? m_shortcutPosition : -1;
}

QString FlatButton::drawnCaption() const {
    const QString caption = text();
    if (markedShortcutPosition(caption) >= 0)
        return caption; // the caption chose its own letter
    const int marked = altShortcutPosition();
    QString drawn;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (i == marked)
            drawn += u'&';
        drawn += caption.at(i);
        if (caption.at(i) == u'&')
            drawn += u'&';
    }
    return drawn;
}

QColor FlatButton::currentFillColor() const {
    if (!isEnabled())
        return m_fill;
    if (isDown())
        return m_pressed;
    if (m_hovered)
        return m_hot;
    return m_fill;
}

QSize FlatButton::sizeHint() const {
    const QFontMetrics metrics(font());
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + (text().isEmpty() ? 0 : 6);
    const int textWidth = text().isEmpty() ? 0 : metrics.horizontalAdvance(text());
    const int height = std::max(metrics.height(), icon().isNull() ? 0 : iconSize().height()) + 12;
    return {std::max(iconWidth + textWidth + 20, height), height};
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    // The default button, pressed by Enter, has a heavier frame.
    QPen framePen(isEnabled() ? style::kFrameColor : style::kDisabledFrameColor);
    framePen.setWidthF(isDefault() && isEnabled() ? 2.0 : 1.0);
    const QRectF framed = isDefault() && isEnabled() ? frame.adjusted(0.5, 0.5, -0.5, -0.5) : frame;
    painter.setPen(framePen);
    painter.setBrush(currentFillColor());
    painter.drawRoundedRect(framed, 3, 3);

    if (hasFocus()) {
        QPen focusPen(style::kFocusColor);
        focusPen.setStyle(Qt::DotLine);
        painter.setPen(focusPen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(2, 2, -2, -2), 2, 2);
    }

    const QFontMetrics metrics(font());
    const bool hasIcon = !icon().isNull();
    const int gap = hasIcon && !text().isEmpty() ? 6 : 0;
    const int contentWidth =
        (hasIcon ? iconSize().width() : 0) + gap + (text().isEmpty() ? 0 : metrics.horizontalAdvance(text()));
    int x = (width() - contentWidth) / 2;
    if (hasIcon) {
        const QPixmap pixmap =
            icon().pixmap(iconSize(), devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        painter.drawPixmap(QPoint(x, (height() - iconSize().height()) / 2), pixmap);
        x += iconSize().width() + gap;
    }
    if (!text().isEmpty()) {
        painter.setPen(isEnabled() ? (isDown() ? QColor(Qt::white) : palette().color(QPalette::ButtonText))
                                   : style::kDisabledTextColor);
        painter.drawText(QRect(x, 0, width() - x, height()),
                         Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic, drawnCaption());
    }
}

void FlatButton::keyPressEvent(QKeyEvent* event) {
    // A focused button is never made the default in passing (only a dialog that wants Enter in
    // its fields to press OK sets one), so Enter on the focused button itself presses it, like
    // Space.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void FlatButton::enterEvent(QEnterEvent* event) {
    m_hovered = true;
    if (m_watchedWindow != window()) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = window();
        m_watchedWindow->installEventFilter(this);
    }
    update();
    QPushButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event) {
    forgetHover();
    QPushButton::leaveEvent(event);
}

void FlatButton::hideEvent(QHideEvent* event) {
    forgetHover();
    QPushButton::hideEvent(event);
}

bool FlatButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedWindow && event->type() == QEvent::WindowBlocked)
        forgetHover();
    return QPushButton::eventFilter(watched, event);
}

void FlatButton::forgetHover() {
    if (m_watchedWindow) {
        m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = nullptr;
    }
    m_hovered = false;
    update();
}

void FlatButton::closeDialogWithModalResult() {
    if (m_modalResult == kNoModalResult)
        return;
    if (auto* dialog = qobject_cast<QDialog*>(window()))
        dialog->done(m_modalResult);
}

} // namespace zz
