#pragma once

#include <QString>
#include <QStringView>

namespace zz {

// The number of a version text such as "1.002" (1002): the text after the first blank, or
// the whole text without one, trimmed; its characters 1, 3, 4 and 5 (the point is skipped)
// read as a whole number. -1 when the text is shorter than five characters or those four
// characters are not a number.
int Conv_Version(QStringView Ver_str);

// True when the server's answer (such as "VER. 1.003") names a version newer than
// `localVersion`. An empty answer and "VER. 0.000" (the server knows no version) are never
// newer; neither is an answer or a local version that cannot be converted.
bool isNewerVersionAnswer(QStringView answer, QStringView localVersion);

// The same against the running program's version.
bool isNewerVersionAnswer(QStringView answer);

} // namespace zz
