#pragma once

#include <QString>
#include <chrono>
#include <memory>

namespace zz {

// The data every echo request carries.
inline constexpr char kEchoPayload[] = "abcdefghijklmnopqrstuvwa";

enum class EchoResult {
    Answered,   // an echo reply with data came back in time
    NoAnswer,   // nothing usable came back within the time-out
    Error,      // the host text is not an address, or the request could not be sent
    NoWayToPing // this system grants no way at all to send an echo request
};

// One ICMP echo request to an IPv4 host (sequence number 0, kEchoPayload). The ping check calls
// it on a worker thread, one call at a time. It returns NoAnswer only after `timeout` has passed,
// so that a caller repeating it never spins.
class IcmpEcho {
public:
    virtual ~IcmpEcho() = default;
    virtual EchoResult echo(const QString& host, std::chrono::milliseconds timeout) = 0;
};

// The operating system's echo: an unprivileged ICMP datagram socket, else a raw socket, else
// the system's ping program (Linux); the ICMP helper API (Windows).
std::shared_ptr<IcmpEcho> makeSystemIcmpEcho();

} // namespace zz
