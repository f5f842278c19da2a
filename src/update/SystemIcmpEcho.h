#pragma once

#include "update/IcmpEcho.h"

#include <QString>
#include <atomic>
#include <optional>
#include <vector>

namespace zz {

// The echo of the operating system. Host texts are read as dotted IPv4 addresses only (the rule
// of Valid_IP); no name is ever looked up, so a text that is not an address costs no traffic.
class SystemIcmpEcho : public IcmpEcho {
public:
    enum class Method {
        DatagramSocket, // unprivileged ICMP socket (Linux, when ping_group_range allows it)
        RawSocket,      // needs root or CAP_NET_RAW
        PingProgram,    // the system's ping, setuid or with CAP_NET_RAW
        HelperApi       // IcmpSendEcho (Windows)
    };

    // The ways this platform offers, in the order they are tried.
    static std::vector<Method> platformMethods();

    // Tries `methods` in order until one is granted. `pingProgram` is the program used by
    // Method::PingProgram; empty means "ping" looked up on the search path.
    explicit SystemIcmpEcho(std::vector<Method> methods = platformMethods(), QString pingProgram = {});

    EchoResult echo(const QString& host, std::chrono::milliseconds timeout) override;

    // The way the last echo was sent, if any was granted.
    std::optional<Method> lastMethod() const;

private:
    std::vector<Method> m_methods;
    QString m_pingProgram;
    std::atomic<int> m_lastMethod{-1};
};

} // namespace zz
