#include "update/SystemIcmpEcho.h"

#include "update/ValidIp.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <algorithm>
#include <cstring>
#include <thread>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
// clang-format off
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <iphlpapi.h>
#include <icmpapi.h>
// clang-format on
#else
#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zz {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Nothing when this way of sending is not granted here, so the next one is tried.
using Attempt = std::optional<EchoResult>;

constexpr std::size_t kPayloadSize = sizeof(kEchoPayload) - 1;

#ifndef Q_OS_WIN

constexpr unsigned char kEchoRequest = 8;
constexpr unsigned char kEchoReply = 0;
constexpr std::size_t kIcmpHeaderSize = 8;

std::uint16_t internetChecksum(const unsigned char* data, std::size_t size) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<std::uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2)
        sum += static_cast<std::uint32_t>(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

// A fresh identifier per request, so that a late reply to an earlier attempt does not count.
std::uint16_t nextIdentifier() {
    static std::atomic<unsigned> counter{0};
    return static_cast<std::uint16_t>((static_cast<unsigned>(::getpid()) << 4) ^ counter++);
}

class SocketHandle {
public:
    explicit SocketHandle(int fd)
        : m_fd(fd) {}
    ~SocketHandle() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    SocketHandle(const SocketHandle&) = delete;
    SocketHandle& operator=(const SocketHandle&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// A raw socket hands over the IP header and every ICMP message of the host, its own request
// included; a datagram socket hands over only the replies to its own identifier, without header.
Attempt echoBySocket(bool raw, std::uint32_t target, milliseconds timeout) {
    int type = raw ? SOCK_RAW : SOCK_DGRAM;
#ifdef SOCK_CLOEXEC
    type |= SOCK_CLOEXEC;
#endif
    SocketHandle socket(::socket(AF_INET, type, IPPROTO_ICMP));
    if (socket.fd() < 0)
        return std::nullopt;

    const std::uint16_t identifier = nextIdentifier();
    unsigned char packet[kIcmpHeaderSize + kPayloadSize] = {};
    packet[0] = kEchoRequest; // code 0, sequence number 0
    packet[4] = static_cast<unsigned char>(identifier >> 8);
    packet[5] = static_cast<unsigned char>(identifier & 0xFF);
    std::memcpy(packet + kIcmpHeaderSize, kEchoPayload, kPayloadSize);
    const std::uint16_t checksum = internetChecksum(packet, sizeof packet);
    packet[2] = static_cast<unsigned char>(checksum >> 8);
    packet[3] = static_cast<unsigned char>(checksum & 0xFF);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(target);
    const ssize_t sent =
        ::sendto(socket.fd(), packet, sizeof packet, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    if (sent != static_cast<ssize_t>(sizeof packet))
        return EchoResult::Error;

    const auto deadline = Clock::now() + timeout;
    unsigned char buffer[1500];
    for (;;) {
        const auto left = std::chrono::ceil<milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return EchoResult::NoAnswer;
        pollfd ready{socket.fd(), POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(left.count()));
        if (polled == 0)
            return EchoResult::NoAnswer;
        if (polled < 0) {
            if (errno == EINTR)
                continue;
            return EchoResult::NoAnswer;
        }
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t received =
            ::recvfrom(socket.fd(), buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (received < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return EchoResult::NoAnswer;
        }
        if (from.sin_addr.s_addr != to.sin_addr.s_addr)
            continue;
        const auto size = static_cast<std::size_t>(received);
        const std::size_t offset = raw && size > 0 ? static_cast<std::size_t>(buffer[0] & 0x0F) * 4 : 0;
        if (size < offset + kIcmpHeaderSize)
            continue;
        const unsigned char* icmp = buffer + offset;
        if (icmp[0] != kEchoReply || icmp[6] != 0 || icmp[7] != 0)
            continue;
        // The kernel sets and checks the identifier of a datagram socket itself.
        if (raw && (icmp[4] != packet[4] || icmp[5] != packet[5]))
            continue;
        if (size > offset + kIcmpHeaderSize)
            return EchoResult::Answered;
    }
}

Attempt echoByPingProgram(const QString& program, std::uint32_t target, milliseconds timeout) {
    if (program.isEmpty())
        return std::nullopt;
    QProcess ping;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C")); // messages we can read
    ping.setProcessEnvironment(environment);
    // Whole seconds: not every ping takes a fraction for its wait.
    const auto waitSeconds = std::max<long long>(1, std::chrono::ceil<std::chrono::seconds>(timeout).count());
    ping.start(program, {QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-W"),
                         QString::number(waitSeconds), dottedDecimal(target)});
    if (!ping.waitForStarted(5000))
        return std::nullopt;
    if (!ping.waitForFinished(static_cast<int>(waitSeconds * 1000 + 4000))) {
        ping.kill();
        ping.waitForFinished(1000);
        return EchoResult::NoAnswer;
    }
    if (ping.exitStatus() != QProcess::NormalExit)
        return EchoResult::NoAnswer;
    switch (ping.exitCode()) {
    case 0:
        return EchoResult::Answered;
    case 1:
        return EchoResult::NoAnswer;
    default:
        break;
    }
    const QString problem = QString::fromLocal8Bit(ping.readAllStandardError());
    if (problem.contains(QLatin1String("not permitted"), Qt::CaseInsensitive) ||
        problem.contains(QLatin1String("permission denied"), Qt::CaseInsensitive))
        return std::nullopt;
    return EchoResult::Error;
}

QString findPingProgram() {
    QString found = QStandardPaths::findExecutable(QStringLiteral("ping"));
    if (found.isEmpty()) {
        found = QStandardPaths::findExecutable(QStringLiteral("ping"),
                                               {QStringLiteral("/usr/bin"), QStringLiteral("/bin"),
                                                QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    }
    return found;
}

#else // Q_OS_WIN

Attempt echoByHelperApi(std::uint32_t target, milliseconds timeout) {
    const HANDLE icmp = IcmpCreateFile();
    if (icmp == INVALID_HANDLE_VALUE)
        return std::nullopt;
    char payload[kPayloadSize];
    std::memcpy(payload, kEchoPayload, kPayloadSize);
    // Room for one reply, its data and an ICMP error message.
    alignas(ICMP_ECHO_REPLY) unsigned char reply[sizeof(ICMP_ECHO_REPLY) + kPayloadSize + 8 + 64];
    const DWORD count = IcmpSendEcho(icmp, htonl(target), payload, static_cast<WORD>(kPayloadSize), nullptr,
                                     reply, sizeof reply, static_cast<DWORD>(timeout.count()));
    const DWORD problem = GetLastError();
    IcmpCloseHandle(icmp);
    if (count > 0) {
        const auto* echo = reinterpret_cast<const ICMP_ECHO_REPLY*>(reply);
        return echo->Status == IP_SUCCESS && echo->DataSize > 0 ? EchoResult::Answered : EchoResult::NoAnswer;
    }
    // IP_* codes describe the network's answer (time-out, unreachable); others are local failures.
    return problem >= IP_STATUS_BASE ? EchoResult::NoAnswer : EchoResult::Error;
}

#endif

} // namespace

std::vector<SystemIcmpEcho::Method> SystemIcmpEcho::platformMethods() {
#ifdef Q_OS_WIN
    return {Method::HelperApi};
#else
    return {Method::DatagramSocket, Method::RawSocket, Method::PingProgram};
#endif
}

SystemIcmpEcho::SystemIcmpEcho(std::vector<Method> methods, QString pingProgram)
    : m_methods(std::move(methods))
    , m_pingProgram(std::move(pingProgram)) {
#ifndef Q_OS_WIN
    if (m_pingProgram.isEmpty())
        m_pingProgram = findPingProgram();
#endif
}

EchoResult SystemIcmpEcho::echo(const QString& host, milliseconds timeout) {
    const auto started = Clock::now();
    const std::optional<std::uint32_t> target = ipv4FromText(host);
    if (!target)
        return EchoResult::Error;

    for (const Method method : m_methods) {
        Attempt result;
        switch (method) {
#ifdef Q_OS_WIN
        case Method::HelperApi:
            result = echoByHelperApi(*target, timeout);
            break;
#else
        case Method::DatagramSocket:
            result = echoBySocket(false, *target, timeout);
            break;
        case Method::RawSocket:
            result = echoBySocket(true, *target, timeout);
            break;
        case Method::PingProgram:
            result = echoByPingProgram(m_pingProgram, *target, timeout);
            break;
#endif
        default:
            break;
        }
        if (!result)
            continue;
        m_lastMethod = static_cast<int>(method);
        // An early refusal (an unreachable message, say) must not let the caller spin.
        if (*result == EchoResult::NoAnswer)
            std::this_thread::sleep_until(started + timeout);
        return *result;
    }
    return EchoResult::NoWayToPing;
}

std::optional<SystemIcmpEcho::Method> SystemIcmpEcho::lastMethod() const {
    const int method = m_lastMethod;
    if (method < 0)
        return std::nullopt;
    return static_cast<Method>(method);
}

std::shared_ptr<IcmpEcho> makeSystemIcmpEcho() {
    return std::make_shared<SystemIcmpEcho>();
}

} // namespace zz
