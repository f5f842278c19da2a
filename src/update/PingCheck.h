#pragma once

#include "update/IcmpEcho.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

class QThread;

namespace zz {

enum class PingOutcome {
    Found,        // the last attempt was answered
    NotFound,     // the last attempt was not answered
    AddressError, // the host text is not an address or the request could not be sent
    NoWayToPing   // this system grants no way to send an echo request
};

struct PingLimits {
    std::chrono::milliseconds total{10000}; // no new attempt once this much has passed since the start
    std::chrono::milliseconds attempt{400}; // the echo's receive time-out
};

// Monotonic milliseconds; tests pass their own to make time pass as they like.
using MillisecondClock = std::function<std::int64_t()>;

// The text of the string table that tells the user the outcome.
int pingOutcomeText(PingOutcome outcome);

// The device check of the update dialog: echo attempts until two have been answered or the
// total time has passed; the last attempt decides. The attempts run on a worker thread so that
// the window stays responsive; `finished` arrives on the thread that owns this object.
class PingCheck : public QObject {
    Q_OBJECT

public:
    explicit PingCheck(std::shared_ptr<IcmpEcho> echo, PingLimits limits = {}, MillisecondClock clock = {},
                       QObject* parent = nullptr);
    // Waits for the attempt under way (at most about one echo time-out); reports nothing.
    ~PingCheck() override;

    // Starts a check of `host`, the address texts joined with ".". False, and nothing started,
    // while a check runs.
    bool start(const QString& host);
    bool isRunning() const { return m_worker != nullptr; }

    // How many echo requests the last check sent (for the progress shown, and for tests).
    int attempts() const { return m_attempts; }

signals:
    void finished(zz::PingOutcome outcome);

private:
    void finish(PingOutcome outcome);

    std::shared_ptr<IcmpEcho> m_echo;
    PingLimits m_limits;
    MillisecondClock m_clock;
    std::unique_ptr<QThread> m_worker;
    std::shared_ptr<std::atomic<bool>> m_stop;
    std::atomic<int> m_attempts{0};
};

} // namespace zz

Q_DECLARE_METATYPE(zz::PingOutcome)
