#include "update/PingCheck.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "support/QtPrinters.h"
#include "update/EventWait.h"

#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace zz {
namespace {

using namespace std::chrono_literals;

// Answers from a script (the last entry repeats) and lets every attempt take a fixed time on a
// clock of its own, so that ten seconds pass in no time.
class ScriptedEcho : public IcmpEcho {
public:
    ScriptedEcho(std::vector<EchoResult> script, std::int64_t attemptMs)
        : m_script(std::move(script))
        , m_attemptMs(attemptMs) {}

    EchoResult echo(const QString& host, std::chrono::milliseconds timeout) override {
        hosts.push_back(host);
        timeouts.push_back(timeout);
        now += m_attemptMs;
        const std::size_t i = std::min(m_next++, m_script.size() - 1);
        return m_script[i];
    }

    MillisecondClock clock() {
        return [this] {
            return now.load();
        };
    }

    std::atomic<std::int64_t> now{1000000};
    std::vector<QString> hosts;
    std::vector<std::chrono::milliseconds> timeouts;

private:
    std::vector<EchoResult> m_script;
    std::size_t m_next = 0;
    std::int64_t m_attemptMs;
};

// Holds every attempt until the test lets it go.
class GatedEcho : public IcmpEcho {
public:
    EchoResult echo(const QString&, std::chrono::milliseconds) override {
        std::unique_lock lock(m_mutex);
        ++m_waiting;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
        return EchoResult::Answered;
    }
    void open() {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }
    int attemptsSeen() {
        std::lock_guard lock(m_mutex);
        return m_waiting;
    }
    bool waitForAttempt(std::chrono::milliseconds limit) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, limit, [this] { return m_waiting > 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_open = false;
    int m_waiting = 0;
};

struct Outcomes {
    explicit Outcomes(PingCheck& check) {
        QObject::connect(&check, &PingCheck::finished, [this](PingOutcome o) { seen.push_back(o); });
    }
    bool waitFor(std::size_t count) {
        return test::runEventsUntil([&] { return seen.size() >= count; }, 5s);
    }
    std::vector<PingOutcome> seen;
};

constexpr auto A = EchoResult::Answered;
constexpr auto N = EchoResult::NoAnswer;
constexpr auto E = EchoResult::Error;
constexpr auto W = EchoResult::NoWayToPing;

struct CheckCase {
    const char* name;
    std::vector<EchoResult> script;
    PingOutcome outcome;
    int attempts;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class PingCheckOutcomeTest : public ::testing::TestWithParam<CheckCase> {};

// Attempts of 400 ms against 10000 ms: the attempt that ends past 10000 ms (the 26th) is the
// last one when fewer than two answers came.
TEST_P(PingCheckOutcomeTest, DecidesByTheRules) {
    const CheckCase& c = GetParam();
    auto echo = std::make_shared<ScriptedEcho>(c.script, 400);
    PingCheck check(echo, PingLimits{10000ms, 400ms}, echo->clock());
    Outcomes outcomes(check);

    ASSERT_TRUE(check.start(QStringLiteral("127.0.0. 1")));
    ASSERT_TRUE(outcomes.waitFor(1));
    EXPECT_EQ(outcomes.seen, std::vector<PingOutcome>{c.outcome});
    EXPECT_EQ(check.attempts(), c.attempts);
    EXPECT_FALSE(check.isRunning());
    ASSERT_EQ(echo->hosts.size(), static_cast<std::size_t>(c.attempts));
    for (std::size_t i = 0; i < echo->hosts.size(); ++i) {
        EXPECT_EQ(echo->hosts[i], QStringLiteral("127.0.0. 1")) << "the host text as typed";
        EXPECT_EQ(echo->timeouts[i], 400ms);
    }
}

// 25 silent attempts, then an answer on the 26th.
std::vector<EchoResult> silenceThenAnswer() {
    std::vector<EchoResult> script(25, N);
    script.push_back(A);
    return script;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PingCheckOutcomeTest,
    ::testing::Values(CheckCase{"TwoAnswersEndTheCheck", {A, A}, PingOutcome::Found, 2},
                      CheckCase{"AMissInBetweenStillFinds", {A, N, A}, PingOutcome::Found, 3},
                      CheckCase{"SilenceUntilTheLimit", {N}, PingOutcome::NotFound, 26},
                      CheckCase{"OneEarlyAnswerThenSilence", {N, A, N}, PingOutcome::NotFound, 26},
                      CheckCase{"OneAnswerOnTheLastAttempt", silenceThenAnswer(), PingOutcome::Found, 26},
                      CheckCase{"UnusableAddressStopsAtOnce", {E}, PingOutcome::AddressError, 1},
                      CheckCase{"ErrorAfterAnAnswer", {A, E}, PingOutcome::AddressError, 2},
                      CheckCase{"NoWayToPing", {W}, PingOutcome::NoWayToPing, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PingCheckTest, SuccessThenFailureOnTheSameCheck) {
    auto echo = std::make_shared<ScriptedEcho>(std::vector<EchoResult>{A, A, N}, 400);
    PingCheck check(echo, PingLimits{2000ms, 400ms}, echo->clock());
    Outcomes outcomes(check);

    ASSERT_TRUE(check.start(QStringLiteral("10.0.0.1")));
    ASSERT_TRUE(outcomes.waitFor(1));
    ASSERT_TRUE(check.start(QStringLiteral("10.0.0.1")));
    ASSERT_TRUE(outcomes.waitFor(2));
    EXPECT_EQ(outcomes.seen, (std::vector<PingOutcome>{PingOutcome::Found, PingOutcome::NotFound}));
    // 2000 ms / 400 ms: the sixth attempt ends past the limit.
    EXPECT_EQ(check.attempts(), 6);
}

TEST(PingCheckTest, ASecondStartWhileRunningIsRefusedAndTheWindowStaysResponsive) {
    auto echo = std::make_shared<GatedEcho>();
    PingCheck check(echo, PingLimits{10000ms, 400ms});
    Outcomes outcomes(check);

    ASSERT_TRUE(check.start(QStringLiteral("127.0.0.1")));
    ASSERT_TRUE(echo->waitForAttempt(5s));
    EXPECT_TRUE(check.isRunning());
    EXPECT_FALSE(check.start(QStringLiteral("127.0.0.1")));

    // While the echo is held, timers of this thread keep firing.
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(1);
    EXPECT_TRUE(test::runEventsUntil([&] { return ticks >= 3; }, 5s));
    EXPECT_TRUE(outcomes.seen.empty());

    echo->open();
    ASSERT_TRUE(outcomes.waitFor(1));
    EXPECT_EQ(outcomes.seen, std::vector<PingOutcome>{PingOutcome::Found});
    EXPECT_EQ(check.attempts(), 2) << "one check only";
    // Nothing more arrives later.
    test::runEventsUntil([] { return false; }, 50ms);
    EXPECT_EQ(outcomes.seen.size(), 1u);
}

TEST(PingCheckTest, DestroyedWhileRunningStopsAfterTheAttemptAndReportsNothing) {
    auto echo = std::make_shared<GatedEcho>();
    std::vector<PingOutcome> seen;
    std::thread opener;
    {
        PingCheck check(echo, PingLimits{10000ms, 400ms});
        QObject::connect(&check, &PingCheck::finished, [&](PingOutcome o) { seen.push_back(o); });
        ASSERT_TRUE(check.start(QStringLiteral("127.0.0.1")));
        ASSERT_TRUE(echo->waitForAttempt(5s));
        // Let the attempt return only while the destructor waits for it.
        opener = std::thread([echo] {
            std::this_thread::sleep_for(30ms);
            echo->open();
        });
    }
    opener.join();
    test::runEventsUntil([] { return false; }, 20ms);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(echo->attemptsSeen(), 1) << "no attempt after the stop";
}

TEST(PingCheckTest, RealClockEndsAfterTheTotalTime) {
    // An echo that takes 20 ms and never answers, against a total of 100 ms.
    class SlowSilence : public IcmpEcho {
    public:
        EchoResult echo(const QString&, std::chrono::milliseconds) override {
            std::this_thread::sleep_for(20ms);
            return EchoResult::NoAnswer;
        }
    };
    PingCheck check(std::make_shared<SlowSilence>(), PingLimits{100ms, 20ms});
    Outcomes outcomes(check);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(check.start(QStringLiteral("127.0.0.1")));
    ASSERT_TRUE(outcomes.waitFor(1));
    EXPECT_EQ(outcomes.seen, std::vector<PingOutcome>{PingOutcome::NotFound});
    EXPECT_GE(std::chrono::steady_clock::now() - started, 100ms);
    EXPECT_GE(check.attempts(), 5);
}

TEST(PingCheckTest, EveryOutcomeHasItsText) {
    EXPECT_EQ(pingOutcomeText(PingOutcome::Found), 69);
    EXPECT_EQ(pingOutcomeText(PingOutcome::NotFound), 70);
    EXPECT_EQ(pingOutcomeText(PingOutcome::AddressError), 71);
    EXPECT_EQ(pingOutcomeText(PingOutcome::NoWayToPing), added::NoWayToPing);
    TextTable table;
    table.LoadDefaultTexts();
    EXPECT_FALSE(table[added::NoWayToPing].isEmpty());
    EXPECT_NE(table[added::NoWayToPing], table[70]);
}

} // namespace
} // namespace zz
