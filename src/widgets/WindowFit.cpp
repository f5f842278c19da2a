#include "widgets/WindowFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

namespace zz {

QScrollArea* scrollingContent(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(content->objectName() + QStringLiteral("_Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

void fitToScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame is only known once the window is shown; before that it counts as none.
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    const QSize room = screen->availableGeometry().size() - frame;
    const QSize wanted = window->size().boundedTo(room).expandedTo(window->minimumSize());
    if (wanted != window->size())
        window->resize(wanted);
}

} // namespace zz
