#pragma once

#include <QString>
#include <QStringList>

namespace zz::cli {

// Exit statuses shared by every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitError = 2;

void printOut(const QString& text); // a line on standard output, UTF-8
void printErr(const QString& text); // a line on standard error, UTF-8

// The arguments "[--json] FILE" in any order. False (after printing `usage`) when they are not
// exactly one file and at most one --json.
bool parseFileAndJsonFlag(const QStringList& args, const QString& usage, QString* file, bool* json);

} // namespace zz::cli
