#include "update/ValidIp.h"

#include "common/TextRules.h"

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
    QString parts[4];
    if (!Valid_IP(host.toString(), parts[0], parts[1], parts[2], parts[3]))
        return std::nullopt;
    std::uint32_t address = 0;
    for (const QString& part : parts)
        address = (address << 8) | static_cast<std::uint32_t>(wholeNumberOr(part, 0));
    return address;
}

QString dottedDecimal(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

} // namespace zz
