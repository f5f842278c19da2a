#pragma once

#include <QApplication>
#include <QPoint>
#include <QWheelEvent>
#include <QWidget>

namespace zz::test {

// Turns the mouse wheel with the pointer at `posInWindow` of `window`: the event goes to the
// control under the pointer, as the window system would deliver it. A positive `delta` turns
// the wheel up; 120 is one notch.
inline void turnWheelAt(QWidget* window, QPoint posInWindow, int delta) {
    QWidget* target = window->childAt(posInWindow);
    if (!target)
        target = window;
    QWheelEvent event(target->mapFrom(window, posInWindow), window->mapToGlobal(posInWindow), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

// The centre of `widget` in the coordinates of `window`.
inline QPoint centreIn(QWidget* window, QWidget* widget) {
    return widget->mapTo(window, widget->rect().center());
}

// Keeps the system's wheel setting of the test run and restores it afterwards.
class WheelLinesGuard {
public:
    explicit WheelLinesGuard(int lines)
        : m_saved(QApplication::wheelScrollLines()) {
        QApplication::setWheelScrollLines(lines);
    }
    ~WheelLinesGuard() { QApplication::setWheelScrollLines(m_saved); }
    WheelLinesGuard(const WheelLinesGuard&) = delete;
    WheelLinesGuard& operator=(const WheelLinesGuard&) = delete;

private:
    int m_saved;
};

} // namespace zz::test
