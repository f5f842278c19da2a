#include "support/GuiFakes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace zz::test {

void whenModalOpens(const QString& objectName, std::function<void(QWidget*)> action) {
    auto* timer = new QTimer;
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, objectName, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (elapsed->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "modal dialog " << objectName.toStdString() << " did not open";
            if (modal)
                modal->close();
        }
    });
    timer->start();
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

} // namespace zz::test
