#pragma once

#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

namespace zz::test {

// Runs the event loop until `done` holds or `limit` has passed; true when `done` holds.
inline bool runEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    if (done())
        return true;
    QEventLoop loop;
    QTimer check;
    check.setInterval(2);
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    return done();
}

} // namespace zz::test
