#include "options/HttpVersionChecker.h"

#include "options/MakerLinks.h"
#include "options/VersionRules.h"

#include <QNetworkProxy>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <optional>

namespace zz {

namespace {

// Status line and headers of an answer; a real one is a few hundred bytes.
constexpr qint64 kHeadLimit = 16 * 1024;

const QByteArray kAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const QByteArray kUserAgent = "Mozilla/3.0 (compatible; Indy Library)";

QByteArray requestFor(const QUrl& url) {
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port(80) != 80)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.0\r\n" + "Host: " + host + "\r\n" + "Accept: " + kAccept + "\r\n" +
           "User-Agent: " + kUserAgent + "\r\n" + "\r\n";
}

// One GET: connects, sends, reads the answer and reports the 2xx body or nothing, once.
class VersionRequest : public QObject {
public:
    using Finished = std::function<void(std::optional<QByteArray> body)>;

    VersionRequest(const QUrl& url, std::chrono::milliseconds limit, Finished finished, QObject* parent)
        : QObject(parent)
        , m_finished(std::move(finished)) {
        m_socket.setProxy(QNetworkProxy::NoProxy);
        // Takes in no more than an answer may hold before the size check sees it.
        m_socket.setReadBufferSize(kHeadLimit + kVersionAnswerLimit + 1);
        m_timer.setSingleShot(true);
        // A coarse timer may fire up to 5 % early; the limit must be the full limit.
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] { fail(); });
        connect(&m_socket, &QTcpSocket::connected, this, [this, url] { m_socket.write(requestFor(url)); });
        connect(&m_socket, &QTcpSocket::readyRead, this, [this] { readAvailable(); });
        connect(&m_socket, &QTcpSocket::disconnected, this, [this] { onClosed(); });
        connect(&m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
            // The server ending the answer by closing is the normal end of an HTTP/1.0 answer.
            if (error != QAbstractSocket::RemoteHostClosedError)
                fail();
        });
        m_timer.start(limit);
        m_socket.connectToHost(url.host(), quint16(url.port(80)));
    }

    // Closing the socket emits its signals; none may reach a request that is going away.
    ~VersionRequest() override {
        m_socket.disconnect(this);
        m_socket.abort();
    }

private:
    void readAvailable() {
        if (m_done)
            return;
        m_received += m_socket.readAll();
        if (!m_headParsed && !parseHead())
            return;
        if (m_done || !m_headParsed)
            return;
        if (m_contentLength && m_received.size() >= *m_contentLength) {
            m_received.truncate(*m_contentLength);
            succeed();
        } else if (m_received.size() > kVersionAnswerLimit) {
            fail();
        }
    }

    void onClosed() {
        if (m_done)
            return;
        readAvailable();
        if (m_done)
            return;
        // Closed before the head was complete, or before the announced length arrived.
        if (!m_headParsed || (m_contentLength && m_received.size() < *m_contentLength))
            fail();
        else
            succeed();
    }

    // Takes the status line and the headers off the front of m_received once they are complete.
    // Returns false while they are not; calls fail() on an answer that cannot count.
    bool parseHead() {
        qsizetype end = m_received.indexOf("\r\n\r\n");
        qsizetype separator = 4;
        const qsizetype bareEnd = m_received.indexOf("\n\n");
        if (bareEnd >= 0 && (end < 0 || bareEnd < end)) {
            end = bareEnd;
            separator = 2;
        }
        if (end < 0) {
            if (m_received.size() > kHeadLimit)
                fail();
            return false;
        }
        if (end > kHeadLimit) {
            fail();
            return false;
        }
        const QList<QByteArray> lines = m_received.left(end).split('\n');
        m_received.remove(0, end + separator);
        m_headParsed = true;

        // "HTTP/1.x 200 OK": only a 2xx status counts; redirects are not followed.
        const QList<QByteArray> status = lines.first().trimmed().split(' ');
        if (status.size() < 2 || !status[0].startsWith("HTTP/") || status[1].size() != 3 ||
            !status[1].startsWith('2')) {
            fail();
            return false;
        }
        bool isNumber = false;
        status[1].toInt(&isNumber);
        if (!isNumber) {
            fail();
            return false;
        }
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray& line = lines[i];
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length") {
                bool ok = false;
                const qint64 length = value.toLongLong(&ok);
                if (!ok || length < 0 || length > kVersionAnswerLimit) {
                    fail();
                    return false;
                }
                m_contentLength = length;
            } else if (name == "transfer-encoding" && value.toLower() != "identity") {
                // Not an HTTP/1.0 answer.
                fail();
                return false;
            }
        }
        return true;
    }

    void succeed() { finish(m_received); }
    void fail() { finish(std::nullopt); }

    // Reports from the event loop rather than from inside a socket signal, so that the caller
    // may do anything in its callback; a checker destroyed before then drops the report.
    void finish(std::optional<QByteArray> body) {
        if (m_done)
            return;
        m_done = true;
        m_timer.stop();
        m_socket.disconnect(this);
        m_socket.abort();
        QMetaObject::invokeMethod(
            parent(), [finished = std::move(m_finished), body = std::move(body)] { finished(body); },
            Qt::QueuedConnection);
        deleteLater();
    }

    Finished m_finished;
    QTcpSocket m_socket;
    QTimer m_timer;
    QByteArray m_received;
    bool m_headParsed = false;
    bool m_done = false;
    std::optional<qint64> m_contentLength;
};

} // namespace

HttpVersionChecker::HttpVersionChecker(QString server, QObject* parent)
    : QObject(parent)
    , m_server(std::move(server)) {}

HttpVersionChecker::~HttpVersionChecker() = default;

void HttpVersionChecker::checkForNewerVersion(std::function<void(bool newer)> done) {
    const QUrl url(versionQueryUrl(m_server));
    if (!url.isValid() || url.scheme() != QStringLiteral("http") || url.host().isEmpty()) {
        QTimer::singleShot(0, this, [done = std::move(done)] { done(false); });
        return;
    }
    new VersionRequest(
        url, m_timeLimit,
        [done = std::move(done)](std::optional<QByteArray> body) {
            // The answer is a short ASCII text; Latin-1 keeps every byte as one character.
            done(body && isNewerVersionAnswer(QString::fromLatin1(*body)));
        },
        this);
}

} // namespace zz
