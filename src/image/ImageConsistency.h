#pragma once

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <span>

namespace zz::image {

// The speeds BAUD selects, in list order; any other index composes 9600.
std::span<const std::uint32_t> serialSpeeds();

// The function codes whose bit Disabled_Functions can hold.
std::span<const int> switchableFunctionCodes();

// True when the image shows that ParGen.xml was read (Update_Port 2007, Fixed_Port 64223).
bool composedWithParGen(const QByteArray& image);

// Every reason why no configuration could have been composed into these 18432 bytes, one line
// each in offset order: checksum, reserved bytes, copies, undefined bits, speeds, constants,
// entries beyond the row count and every other value the filling rules cannot give. Empty for
// an image this system could have written.
QStringList imageInconsistencies(const QByteArray& image);

} // namespace zz::image
