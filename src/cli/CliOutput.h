#pragma once

#include <QString>

namespace zz::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitError = 2;

void printOut(const QString& text); // a line on standard output, UTF-8
void printErr(const QString& text); // a line on standard error, UTF-8

} // namespace zz::cli
