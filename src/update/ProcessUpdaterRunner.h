#pragma once

#include "update/UpdaterRunner.h"

#include <QElapsedTimer>
#include <QTimer>

namespace zz {

class TextTable;

// Starts the updater as a process of its own, so that it is never cut off by this program
// ending, and watches for its end without blocking the event loop.
class ProcessUpdaterRunner : public UpdaterRunner {
    Q_OBJECT

public:
    // `texts` words the errors; it must outlive the runner.
    explicit ProcessUpdaterRunner(const TextTable& texts, std::chrono::milliseconds limit = kUpdaterTimeLimit,
                                  QObject* parent = nullptr);
    ~ProcessUpdaterRunner() override;

    bool Start_Program(const QString& NomeSW, const QString& Parameter, bool tipo) override;
    bool isRunning() const override { return m_running; }
    bool isUpdaterAlive() const override { return m_alive; }
    std::chrono::milliseconds elapsed() const override;
    std::chrono::milliseconds timeLimit() const override { return m_limit; }
    // Takes effect at the next start.
    void setTimeLimit(std::chrono::milliseconds limit) { m_limit = limit; }

    // The process id of the last program started, 0 before any.
    qint64 processId() const { return m_pid; }

private:
    class EndWatch;

    void report(UpdaterEnd how);
    void processEnded();

    const TextTable& m_texts;
    std::chrono::milliseconds m_limit;
    bool m_running = false;
    bool m_alive = false;
    qint64 m_pid = 0;
    QElapsedTimer m_clock;
    QTimer m_limitTimer;
    // Kept past the time limit, so that a later start knows the updater still runs; a child, so
    // it never outlives the runner.
    EndWatch* m_watch = nullptr;
    std::chrono::milliseconds m_elapsedAtEnd{0};
};

} // namespace zz
