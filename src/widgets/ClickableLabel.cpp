#include "widgets/ClickableLabel.h"

#include "widgets/AppStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zz {

ClickableLabel::ClickableLabel(const QString& objectName, QWidget* parent)
    : QLabel(parent) {
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::showAsLink() {
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, style::kLinkColor);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace zz
