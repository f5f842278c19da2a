#include "update/PingCheck.h"

#include "lang/AddedTexts.h"

#include <QMetaObject>
#include <QThread>
#include <optional>

namespace zz {

namespace {

std::int64_t steadyMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Nothing when the check was stopped before it came to an end.
std::optional<PingOutcome> runAttempts(IcmpEcho& echo, const QString& host, const PingLimits& limits,
                                       const MillisecondClock& clock, const std::atomic<bool>& stop,
                                       std::atomic<int>& attempts) {
    const std::int64_t started = clock();
    int answered = 0;
    EchoResult last = EchoResult::NoAnswer;
    do {
        if (stop)
            return std::nullopt;
        ++attempts;
        last = echo.echo(host, limits.attempt);
        if (last == EchoResult::Error)
            return PingOutcome::AddressError;
        if (last == EchoResult::NoWayToPing)
            return PingOutcome::NoWayToPing;
        if (last == EchoResult::Answered)
            ++answered;
    } while (answered < 2 && clock() - started <= limits.total.count());
    return last == EchoResult::Answered ? PingOutcome::Found : PingOutcome::NotFound;
}

} // namespace

int pingOutcomeText(PingOutcome outcome) {
    switch (outcome) {
    case PingOutcome::Found:
        return 69; // "Device Found!"
    case PingOutcome::NotFound:
        return 70; // "Device Not Found!"
    case PingOutcome::AddressError:
        return 71; // "Error!!! Check the Ip Address"
    case PingOutcome::NoWayToPing:
        return added::NoWayToPing;
    }
    return 71;
}

PingCheck::PingCheck(std::shared_ptr<IcmpEcho> echo, PingLimits limits, MillisecondClock clock,
                     QObject* parent)
    : QObject(parent)
    , m_echo(std::move(echo))
    , m_limits(limits)
    , m_clock(clock ? std::move(clock) : MillisecondClock(steadyMilliseconds)) {}

PingCheck::~PingCheck() {
    if (m_worker) {
        *m_stop = true;
        m_worker->wait();
    }
}

bool PingCheck::start(const QString& host) {
    if (m_worker)
        return false;
    m_attempts = 0;
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_worker.reset(QThread::create([this, echo = m_echo, limits = m_limits, clock = m_clock, stop = m_stop,
                                    host] {
        const std::optional<PingOutcome> outcome = runAttempts(*echo, host, limits, clock, *stop, m_attempts);
        // Posted to this object's thread; dropped if the object is gone by then.
        if (outcome)
            QMetaObject::invokeMethod(
                this, [this, o = *outcome] { finish(o); }, Qt::QueuedConnection);
    }));
    m_worker->start();
    return true;
}

void PingCheck::finish(PingOutcome outcome) {
    m_worker->wait();
    m_worker.reset();
    emit finished(outcome);
}

} // namespace zz
