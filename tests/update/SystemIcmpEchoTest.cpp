#include "update/SystemIcmpEcho.h"

#include "support/QtPrinters.h"
#include "support/TestFiles.h"
#include "update/EventWait.h"
#include "update/PingCheck.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace zz {
namespace {

using namespace std::chrono_literals;
using Method = SystemIcmpEcho::Method;

// Every echo of this file goes to the loopback address; refused texts never leave the process.
const QString kLoopback = QStringLiteral("127.0.0.1");

TEST(SystemIcmpEchoTest, PingsLoopbackByTheFirstWayGranted) {
    SystemIcmpEcho echo;
    const EchoResult result = echo.echo(kLoopback, 400ms);
    if (result == EchoResult::NoWayToPing)
        GTEST_SKIP() << "this system grants no ICMP socket and has no usable ping program";
    EXPECT_EQ(result, EchoResult::Answered);
    EXPECT_TRUE(echo.lastMethod().has_value());
}

TEST(SystemIcmpEchoTest, ThePingCheckFindsLoopback) {
    if (SystemIcmpEcho().echo(kLoopback, 400ms) == EchoResult::NoWayToPing)
        GTEST_SKIP() << "this system grants no ICMP socket and has no usable ping program";
    PingCheck check(makeSystemIcmpEcho());
    std::optional<PingOutcome> outcome;
    QObject::connect(&check, &PingCheck::finished, [&](PingOutcome o) { outcome = o; });
    ASSERT_TRUE(check.start(kLoopback));
    ASSERT_TRUE(test::runEventsUntil([&] { return outcome.has_value(); }, 15s));
    EXPECT_EQ(outcome, PingOutcome::Found);
    EXPECT_EQ(check.attempts(), 2);
}

#ifndef Q_OS_WIN

struct MethodCase {
    const char* name;
    Method method;
    const char* whenRefused;
};

void PrintTo(const MethodCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemIcmpEchoMethodTest : public ::testing::TestWithParam<MethodCase> {};

TEST_P(SystemIcmpEchoMethodTest, AnswersFromLoopback) {
    SystemIcmpEcho echo({GetParam().method});
    const EchoResult result = echo.echo(kLoopback, 400ms);
    if (result == EchoResult::NoWayToPing)
        GTEST_SKIP() << GetParam().whenRefused;
    EXPECT_EQ(result, EchoResult::Answered);
    EXPECT_EQ(echo.lastMethod(), GetParam().method);
    // A second request with a new identifier is answered as well.
    EXPECT_EQ(echo.echo(kLoopback, 400ms), EchoResult::Answered);
}

INSTANTIATE_TEST_SUITE_P(
    EachWay, SystemIcmpEchoMethodTest,
    ::testing::Values(
        MethodCase{"DatagramSocket", Method::DatagramSocket,
                   "no unprivileged ICMP socket here (net.ipv4.ping_group_range excludes this group)"},
        MethodCase{"RawSocket", Method::RawSocket, "no raw socket here (needs root or CAP_NET_RAW)"},
        MethodCase{"PingProgram", Method::PingProgram, "no usable ping program on this system"}),
    [](const auto& info) { return std::string(info.param.name); });

#endif

TEST(SystemIcmpEchoTest, TextsThatAreNoAddressAreErrorsAndSendNothing) {
    SystemIcmpEcho echo;
    for (const char* host : {"300.1.1.1", "a.b.c.d", "10.0.0", "", "127.0.0.1.5", "localhost", "-c.1.2.3",
                             "127.000.0.1", " 127.0.0.1"}) {
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(echo.echo(QString::fromUtf8(host), 400ms), EchoResult::Error) << host;
        EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms) << host << ": no time-out waited";
    }
    EXPECT_FALSE(echo.lastMethod().has_value()) << "no way of sending was even tried";
}

TEST(SystemIcmpEchoTest, NoWayGrantedIsReportedAsSuch) {
    SystemIcmpEcho none(std::vector<Method>{});
    EXPECT_EQ(none.echo(kLoopback, 400ms), EchoResult::NoWayToPing);
#ifndef Q_OS_WIN
    SystemIcmpEcho missingProgram({Method::PingProgram}, QStringLiteral("/nonexistent/zz/ping"));
    EXPECT_EQ(missingProgram.echo(kLoopback, 400ms), EchoResult::NoWayToPing);
    EXPECT_FALSE(missingProgram.lastMethod().has_value());
#endif
}

#ifndef Q_OS_WIN

// A stand-in ping: a script that notes its arguments and ends with a given status and message.
class StandInPingTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString script(int status, const char* message = "") {
        const QString path = m_dir.filePath(QStringLiteral("ping"));
        test::writeFile(path, QByteArray("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args\"\necho '") +
                                  message + "' >&2\nexit " + QByteArray::number(status) + "\n");
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    QByteArray arguments() const { return test::readFile(m_dir.filePath(QStringLiteral("args"))).trimmed(); }

    QTemporaryDir m_dir;
};

TEST_F(StandInPingTest, ExitStatusZeroIsAnAnswer) {
    SystemIcmpEcho echo({Method::PingProgram}, script(0));
    // The program gets the address as read, never options or names.
    EXPECT_EQ(echo.echo(QStringLiteral("127.0.0.1"), 400ms), EchoResult::Answered);
    EXPECT_EQ(arguments(), QByteArray("-c 1 -W 1 127.0.0.1"));
    EXPECT_EQ(echo.lastMethod(), Method::PingProgram);
}

TEST_F(StandInPingTest, WorksOnThePingChecksWorkerThread) {
    PingCheck check(std::make_shared<SystemIcmpEcho>(std::vector<Method>{Method::PingProgram}, script(0)));
    std::optional<PingOutcome> outcome;
    QObject::connect(&check, &PingCheck::finished, [&](PingOutcome o) { outcome = o; });
    ASSERT_TRUE(check.start(kLoopback));
    ASSERT_TRUE(test::runEventsUntil([&] { return outcome.has_value(); }, 15s));
    EXPECT_EQ(outcome, PingOutcome::Found);
    EXPECT_EQ(check.attempts(), 2);
}

TEST_F(StandInPingTest, NoReplyWaitsOutTheTimeOut) {
    SystemIcmpEcho echo({Method::PingProgram}, script(1));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(echo.echo(kLoopback, 150ms), EchoResult::NoAnswer);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 150ms);
}

TEST_F(StandInPingTest, APingWithoutPermissionMeansNoWayToPing) {
    SystemIcmpEcho echo({Method::PingProgram}, script(2, "ping: socket: Operation not permitted"));
    EXPECT_EQ(echo.echo(kLoopback, 400ms), EchoResult::NoWayToPing);
}

TEST_F(StandInPingTest, OtherFailuresAreErrors) {
    SystemIcmpEcho echo({Method::PingProgram}, script(2, "connect: Network is unreachable"));
    EXPECT_EQ(echo.echo(kLoopback, 400ms), EchoResult::Error);
}

TEST_F(StandInPingTest, AGrantedSocketComesBeforeTheProgram) {
    SystemIcmpEcho echo({Method::RawSocket, Method::PingProgram}, script(1));
    const EchoResult result = echo.echo(kLoopback, 400ms);
    if (echo.lastMethod() == Method::PingProgram)
        GTEST_SKIP() << "no raw socket here (needs root or CAP_NET_RAW)";
    EXPECT_EQ(result, EchoResult::Answered);
    EXPECT_EQ(echo.lastMethod(), Method::RawSocket);
    EXPECT_TRUE(arguments().isEmpty()) << "the program was not run";
}

#endif

} // namespace
} // namespace zz
