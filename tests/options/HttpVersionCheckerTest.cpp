#include "options/HttpVersionChecker.h"

#include "support/QtPrinters.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace zz {
namespace {

using namespace std::chrono_literals;

// The maker's server, played on 127.0.0.1: records each request and answers it with fixed bytes.
class FakeMakerServer {
public:
    QByteArray answer;
    bool closeAfterAnswer = true;
    bool stall = false; // read the request, never answer
    QList<QByteArray> requests;

    FakeMakerServer() {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                auto received = std::make_shared<QByteArray>();
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                    *received += socket->readAll();
                    if (!received->contains("\r\n\r\n"))
                        return;
                    requests.append(*received);
                    received->clear();
                    if (stall)
                        return;
                    socket->write(answer);
                    if (closeAfterAnswer)
                        socket->disconnectFromHost();
                });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }

private:
    QTcpServer m_server;
};

// Runs one check to its end (at most a few seconds) and gives its result.
std::optional<bool> runCheck(HttpVersionChecker& checker) {
    auto result = std::make_shared<std::optional<bool>>();
    QEventLoop loop;
    checker.checkForNewerVersion([result, &loop](bool newer) {
        *result = newer;
        loop.quit();
    });
    if (!*result) {
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
        guard.start(5000);
        loop.exec();
    }
    return *result;
}

QByteArray ok(const QByteArray& body) {
    return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body;
}

struct AnswerCase {
    const char* what;
    QByteArray answer;
    bool newer;
    friend void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.what; }
};

class VersionAnswerTest : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(VersionAnswerTest, CountsOnlyANewerVersionInA2xxBody) {
    FakeMakerServer server;
    server.answer = GetParam().answer;
    HttpVersionChecker checker(server.url());
    EXPECT_EQ(runCheck(checker), std::optional<bool>(GetParam().newer));
    EXPECT_EQ(server.requests.size(), 1);
}

const QByteArray kHtmlErrorPage =
    "<html><head><title>Error</title></head><body><h1>Server Error</h1>"
    "<p>An error occurred on the server when processing the URL.</p></body></html>";

INSTANTIATE_TEST_SUITE_P(
    Answers, VersionAnswerTest,
    ::testing::Values(
        AnswerCase{"newer", ok("VER. 1.003"), true}, AnswerCase{"same", ok("VER. 1.002"), false},
        AnswerCase{"lower case", ok("ver. 1.010"), true},
        AnswerCase{"unknown code with blanks", ok(" VER. 0.000\r\n"), false},
        AnswerCase{"too short", ok("VER. 2.5"), false},
        AnswerCase{"html error page", ok(kHtmlErrorPage), false},
        AnswerCase{"server error", "HTTP/1.1 500 Internal Server Error\r\n\r\nVER. 9.999", false},
        AnswerCase{"not found", "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\nVER. 9.999", false},
        AnswerCase{"redirect", "HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\n\r\nVER. 9.999", false},
        AnswerCase{"other 2xx", "HTTP/1.0 201 Created\r\n\r\nVER. 1.003", true},
        AnswerCase{"no content", "HTTP/1.0 204 No Content\r\n\r\n", false},
        AnswerCase{"content length", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.003", true},
        AnswerCase{"cut before the announced length",
                   "HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\nVER. 1.003", false},
        AnswerCase{"chunked",
                   "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\na\r\nVER. 1.003\r\n0\r\n\r\n",
                   false},
        AnswerCase{"bare line feeds", "HTTP/1.0 200 OK\nContent-Type: text/plain\n\nVER. 1.003", true},
        AnswerCase{"no status line", "VER. 1.003", false},
        AnswerCase{"body of exactly 64 KiB", ok(QByteArray("VER. 1.003").leftJustified(64 * 1024, ' ')),
                   true},
        AnswerCase{"body over 64 KiB", ok(QByteArray("VER. 1.003").leftJustified(64 * 1024 + 1, ' ')), false},
        AnswerCase{"announced length over 64 KiB",
                   "HTTP/1.0 200 OK\r\nContent-Length: 65537\r\n\r\nVER. 1.003", false}));

TEST(HttpVersionCheckerTest, SendsTheVersionQueryAsHttp10WithItsTwoHeaders) {
    FakeMakerServer server;
    server.answer = ok("VER. 1.002");
    HttpVersionChecker checker(server.url() + QStringLiteral("/"));
    ASSERT_EQ(runCheck(checker), std::optional<bool>(false));
    ASSERT_EQ(server.requests.size(), 1);

    const QList<QByteArray> lines = server.requests.first().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.first(), "GET /home/download/GetversionSW.asp?nomesw=KT883 HTTP/1.0\r");
    QList<QByteArray> headers;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            headers.append(lines[i].trimmed());
    }
    EXPECT_TRUE(headers.contains("Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    EXPECT_TRUE(headers.contains("User-Agent: Mozilla/3.0 (compatible; Indy Library)"));
    EXPECT_TRUE(headers.contains("Host: 127.0.0.1:" + QByteArray::number(server.port())));
    for (const QByteArray& header : headers) {
        const QByteArray name = header.left(header.indexOf(':')).toLower();
        EXPECT_NE(name, "cookie");
        EXPECT_NE(name, "authorization");
    }
}

TEST(HttpVersionCheckerTest, DoesNotFollowARedirect) {
    FakeMakerServer server;
    server.answer = "HTTP/1.0 301 Moved Permanently\r\nLocation: " + server.url().toLatin1() +
                    "/home/download/GetversionSW.asp?nomesw=KT883\r\n\r\n";
    HttpVersionChecker checker(server.url());
    EXPECT_EQ(runCheck(checker), std::optional<bool>(false));
    QEventLoop().processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(server.requests.size(), 1);
}

TEST(HttpVersionCheckerTest, AnswerOfAnnouncedLengthNeedsNoClose) {
    FakeMakerServer server;
    server.closeAfterAnswer = false;
    server.answer = "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.003";
    HttpVersionChecker checker(server.url());
    checker.setTimeLimit(2s);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(runCheck(checker), std::optional<bool>(true));
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST(HttpVersionCheckerTest, StalledServerFailsAtTheTimeLimit) {
    EXPECT_EQ(HttpVersionChecker(QString()).timeLimit(), 15s);
    for (const bool partial : {false, true}) {
        FakeMakerServer server;
        server.closeAfterAnswer = false;
        server.stall = !partial;
        server.answer = "HTTP/1.0 200 OK\r\n\r\nVER. 1."; // the rest never comes
        HttpVersionChecker checker(server.url());
        checker.setTimeLimit(150ms);
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(runCheck(checker), std::optional<bool>(false)) << partial;
        EXPECT_GE(clock.elapsed(), 100) << partial;
        EXPECT_LT(clock.elapsed(), 3000) << partial;
    }
}

TEST(HttpVersionCheckerTest, TheTimeLimitNeverEndsTheCheckEarly) {
    // A coarse timer may fire up to 5 % before its interval; the limit is a promise to the server.
    FakeMakerServer server;
    server.stall = true;
    HttpVersionChecker checker(server.url());
    checker.setTimeLimit(300ms);
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(runCheck(checker), std::optional<bool>(false)) << run;
        EXPECT_GE(clock.elapsed(), 300) << run;
        EXPECT_LT(clock.elapsed(), 3000) << run;
    }
}

TEST(HttpVersionCheckerTest, WindowKeepsRunningWhileTheServerStalls) {
    FakeMakerServer server;
    server.stall = true;
    HttpVersionChecker checker(server.url());
    checker.setTimeLimit(300ms);

    bool called = false;
    QEventLoop loop;
    checker.checkForNewerVersion([&](bool) {
        called = true;
        loop.quit();
    });
    EXPECT_FALSE(called) << "the check must not block its caller";
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_TRUE(called);
    EXPECT_GE(ticks, 5);
}

TEST(HttpVersionCheckerTest, UnreachableServerIsNoNewerVersion) {
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        closedPort = probe.serverPort();
    }
    HttpVersionChecker checker(QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
    EXPECT_EQ(runCheck(checker), std::optional<bool>(false));
}

TEST(HttpVersionCheckerTest, AddressesItCannotAskAreNoNewerVersionReportedLater) {
    for (const char* server : {"https://127.0.0.1:1", "ftp://127.0.0.1", "no address", ""}) {
        HttpVersionChecker checker(QString::fromLatin1(server));
        bool calledAtOnce = false;
        std::optional<bool> result;
        QEventLoop loop;
        checker.checkForNewerVersion([&](bool newer) {
            calledAtOnce = !result.has_value() && !loop.isRunning();
            result = newer;
            loop.quit();
        });
        if (!result) {
            QTimer::singleShot(2000, &loop, &QEventLoop::quit);
            loop.exec();
        }
        EXPECT_EQ(result, std::optional<bool>(false)) << server;
        EXPECT_FALSE(calledAtOnce) << server;
    }
}

TEST(HttpVersionCheckerTest, ChecksMayOverlap) {
    FakeMakerServer server;
    server.answer = ok("VER. 1.003");
    HttpVersionChecker checker(server.url());
    int answers = 0;
    int newer = 0;
    QEventLoop loop;
    for (int i = 0; i < 2; ++i) {
        checker.checkForNewerVersion([&](bool isNewer) {
            newer += isNewer;
            if (++answers == 2)
                loop.quit();
        });
    }
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(answers, 2);
    EXPECT_EQ(newer, 2);
    EXPECT_EQ(server.requests.size(), 2);
}

TEST(HttpVersionCheckerTest, DestroyedCheckerReportsNothing) {
    FakeMakerServer server;
    server.stall = true;
    bool called = false;
    {
        HttpVersionChecker checker(server.url());
        checker.setTimeLimit(50ms);
        checker.checkForNewerVersion([&](bool) { called = true; });
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(called);
}

} // namespace
} // namespace zz
