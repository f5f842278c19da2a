#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zz {

// The one text-to-integer conversion that every reader in the program uses:
// leading blanks, at most one sign, then decimal digits or hexadecimal digits after
// "$", "x", "X", "0x" or "0X", and nothing after the digits.
//
// Values outside 32 bits: a decimal text must fit a signed 32-bit value, otherwise it is
// not a number. A hexadecimal text may hold up to 32 bits (at most 0xFFFFFFFF after
// leading zeros); it is taken as the 32-bit pattern, so "$FFFFFFFF" is -1 and "0x80000000"
// is INT32_MIN. A sign applies to that pattern with 32-bit wrap-around. Anything wider
// is not a number.
std::optional<std::int32_t> toWholeNumber(QStringView text);

// The value of `text`, or `fallback` when it is not a whole number.
std::int32_t wholeNumberOr(QStringView text, std::int32_t fallback);

// True when `text` is a whole number in [low, high].
bool isWholeNumberIn(QStringView text, std::int64_t low, std::int64_t high);

// Removes every character whose code is 32 or less from both ends.
QString trimBlanks(QStringView text);

// Upper-cases the letters a-z only; every other character stays as it is.
QString upperAsciiLetters(QStringView text);

// Compares without regard to the case of the letters a-z only.
bool equalsFoldingAsciiLetters(QStringView a, QStringView b);

// The position of the first character that an XML 1.0 document cannot hold (control
// characters other than TAB, LF and CR, U+FFFE, U+FFFF, a lone surrogate), or -1 when
// every character can be written and read back.
qsizetype firstCharacterXmlCannotCarry(QStringView text);

} // namespace zz
