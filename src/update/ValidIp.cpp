#include "update/ValidIp.h"

#include "common/TextRules.h"

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#endif

namespace zz {

namespace {

// Cuts `rest` at its first dot: `part` gets the trimmed text before it, `rest` the trimmed text
// after it. False (and nothing changed) when there is no dot.
bool cutAtFirstDot(QString& rest, QString& part) {
    const qsizetype dot = rest.indexOf(u'.');
    if (dot < 0)
        return false;
    part = trimBlanks(QStringView(rest).left(dot));
    rest = trimBlanks(QStringView(rest).mid(dot + 1));
    return true;
}

} // namespace

bool Valid_IP(const QString& IP, QString& ip1, QString& ip2, QString& ip3, QString& ip4) {
    QString rest = trimBlanks(IP);
    if (!cutAtFirstDot(rest, ip1) || !cutAtFirstDot(rest, ip2) || !cutAtFirstDot(rest, ip3))
        return false;
    ip4 = rest;
    for (const QString* part : {&ip1, &ip2, &ip3, &ip4}) {
        if (!isWholeNumberIn(*part, 0, 255))
            return false;
    }
    return true;
}

std::optional<std::uint32_t> ipv4FromText(QStringView host) {
    const QByteArray text = host.toLatin1();
    if (text.size() != host.size() || text.contains('\0'))
        return std::nullopt;
    in_addr address{};
    if (inet_pton(AF_INET, text.constData(), &address) != 1)
        return std::nullopt;
    return ntohl(address.s_addr);
}

QString dottedDecimal(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

} // namespace zz
