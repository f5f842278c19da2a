#include "options/VersionRules.h"

#include "app/UComon.h"
#include "common/TextRules.h"

namespace zz {

int Conv_Version(QStringView Ver_str) {
    const qsizetype blank = Ver_str.indexOf(u' ');
    const QString t = trimBlanks(blank < 0 ? Ver_str : Ver_str.mid(blank + 1));
    if (t.size() < 5)
        return -1;
    const QString digits = QString(t[0]) + t[2] + t[3] + t[4];
    return wholeNumberOr(digits, -1);
}

bool isNewerVersionAnswer(QStringView answer, QStringView localVersion) {
    const QString trimmed = trimBlanks(answer);
    const QString r = upperAsciiLetters(trimmed);
    if (r.isEmpty() || r == QStringLiteral("VER. 0.000"))
        return false;
    const int local = Conv_Version(localVersion);
    const int remote = Conv_Version(trimmed);
    return local != -1 && remote != -1 && remote > local;
}

bool isNewerVersionAnswer(QStringView answer) {
    return isNewerVersionAnswer(answer, ProgramVersion);
}

} // namespace zz
