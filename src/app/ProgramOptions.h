#pragma once

#include <QString>
#include <QStringList>

namespace zz {

// The maker's web server: the version query and the two web links go there.
inline const QString kMakerServer = QStringLiteral("http://www.ostrel.com");

// What the desktop program was started with.
struct ProgramOptions {
    QString workspace; // the application folder; the executable's folder when empty
    QString server = kMakerServer;
    bool help = false; // --help: print the usage and the workspace rule, then end
};

// Parses the program's arguments (--workspace DIR, --server URL, --help). Unknown arguments are an
// error reported in `error`.
ProgramOptions parseProgramOptions(const QStringList& arguments, QString* error);

} // namespace zz
