#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zz {

// Splits a dotted address text into four parts: the text is trimmed, cut at its first three
// dots, and every part is trimmed. True exactly when there are three dots and each part is a
// whole number from 0 to 255. The parts found are handed back even when the result is false;
// parts that a missing dot never reached keep the values the caller passed in.
bool Valid_IP(const QString& IP, QString& ip1, QString& ip2, QString& ip3, QString& ip4);

// The IPv4 address of a host text, most significant byte first in the high bits, read by the
// platform's strict parser: four decimal parts 0 to 255, no blanks, no leading zeros, no
// prefixes. The updater reads the address it is given with the platform too, so only a text
// that every reader takes for the same device is pinged; anything else gives nothing (the
// check then says the address is wrong). No name is ever looked up.
std::optional<std::uint32_t> ipv4FromText(QStringView host);

// "a.b.c.d" in plain decimal.
QString dottedDecimal(std::uint32_t address);

} // namespace zz
